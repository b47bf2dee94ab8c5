#include "session/sessiontable.h"

#include <QCoreApplication>
#include <QLocale>

#include "session/sessionexport.h"
#include "session/sessionlog.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"

namespace modVelmora {

QString SessionModuleName(const QString& module) {
    static const std::pair<const char*, Module> kModulesByWord[] = {{"score", Module::RawScore},
                                                                   {"convert", Module::ScoreConverter},
                                                                   {"age", Module::AgeCalculator},
                                                                   {"interval", Module::ScoreInterval},
                                                                   {"change", Module::ReliableChange},
                                                                   {"difference", Module::ScoreDifference},
                                                                   {"profile", Module::ScoreProfile}};
    for (const auto& [word, shown] : kModulesByWord)
        if (module == QLatin1String(word)) return ModuleName(shown);
    return module;
}

SessionTableModel::SessionTableModel(SessionLog& log, std::span<const Operation* const> operations, QObject* parent)
    : QAbstractTableModel(parent), log_(log), operations_(operations), shown_(log.rows().size()) {
    connect(&log_, &SessionLog::aboutToAdd, this, [this](qsizetype row) { beginInsertRows({}, int(row), int(row)); });
    connect(&log_, &SessionLog::added, this, [this] {
        shown_ = log_.rows().size();
        endInsertRows();
    });
    connect(&log_, &SessionLog::aboutToRemove, this, [this](qsizetype first, qsizetype last) { beginRemoveRows({}, int(first), int(last)); });
    connect(&log_, &SessionLog::removed, this, [this] {
        shown_ = log_.rows().size();
        lines_.clear();
        endRemoveRows();
    });
    connect(&log_, &SessionLog::testChanged, this, [this](qsizetype row) {
        emit dataChanged(index(int(row), TestColumn), index(int(row), TestColumn));
    });
    connect(&log_, &SessionLog::aboutToReset, this, &SessionTableModel::beginResetModel);
    connect(&log_, &SessionLog::reset, this, [this] {
        shown_ = log_.rows().size();
        lines_.clear();
        endResetModel();
    });
}

int SessionTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(shown_); }

int SessionTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

const ReportLine& SessionTableModel::line(qsizetype row) const {
    auto known = lines_.constFind(row);
    if (known == lines_.cend()) {
        if (lines_.size() >= 4096) lines_.clear();  // a long session scrolled through keeps only a screenful or so
        known = lines_.insert(row, RowReportLine(operations_, log_.rows()[row], DecimalSeparator()));
    }
    return *known;
}

QString SessionTableModel::text(qsizetype row, int column) const {
    if (column == TestColumn) return log_.rows()[row].test;
    const ReportLine& shown = line(row);
    switch (column) {
        case ScoreColumn: return shown.score;
        case PercentileColumn: return shown.percentile;
        case IntervalColumn: return shown.interval;
        case LabelColumn: return shown.label;
        default: return shown.details;
    }
}

QVariant SessionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return text(index.row(), index.column());
        case Qt::ToolTipRole: {
            // The row as its window showed it, and when.
            const SessionRow& row = log_.rows()[index.row()];
            return QStringLiteral("%1, %2\n%3\n%4")
                .arg(SessionModuleName(row.module), QLocale().toString(row.time.toLocalTime(), QLocale::ShortFormat), row.entry, row.results);
        }
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
        default: return {};
    }
}

QVariant SessionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) return {};
    return ReportHeaders().value(section);
}

Qt::ItemFlags SessionTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == TestColumn ? shown | Qt::ItemIsEditable : shown;
}

bool SessionTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != TestColumn || role != Qt::EditRole) return false;
    log_.setTest(index.row(), value.toString().simplified());
    return true;
}

}  // namespace modVelmora
