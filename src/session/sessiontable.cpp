#include "session/sessiontable.h"

#include <QCoreApplication>
#include <algorithm>
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
    : QAbstractTableModel(parent), log_(log), operations_(operations), patient_(int(log.patients().size() - 1)) {
    rebuild();
    // A result goes to the newest patient.
    connect(&log_, &SessionLog::aboutToAdd, this, [this] {
        if ((inserting_ = patient_ == log_.patients().size() - 1)) beginInsertRows({}, int(shown_.size()), int(shown_.size()));
    });
    connect(&log_, &SessionLog::added, this, [this](qsizetype row) {
        if (!std::exchange(inserting_, false)) return;
        shown_.append(row);
        endInsertRows();
    });
    // Rows deleted, the session cleared or read: the patient's rows found again.
    const auto found = [this] {
        rebuild();
        endResetModel();
    };
    connect(&log_, &SessionLog::aboutToRemove, this, &SessionTableModel::beginResetModel);
    connect(&log_, &SessionLog::removed, this, found);
    connect(&log_, &SessionLog::aboutToReset, this, &SessionTableModel::beginResetModel);
    connect(&log_, &SessionLog::reset, this, found);
    connect(&log_, &SessionLog::testChanged, this, [this](qsizetype row) {
        const auto at = std::lower_bound(shown_.cbegin(), shown_.cend(), row);
        if (at == shown_.cend() || *at != row) return;
        const int shown = int(at - shown_.cbegin());
        emit dataChanged(index(shown, TestColumn), index(shown, TestColumn));
    });
}

void SessionTableModel::rebuild() {
    lines_.clear();
    patient_ = std::clamp(patient_, 0, int(log_.patients().size() - 1));
    shown_.clear();
    const QList<SessionRow>& rows = log_.rows();
    for (qsizetype row = 0; row < rows.size(); ++row)
        if (rows[row].patient == patient_) shown_.append(row);
}

void SessionTableModel::showPatient(int patient) {
    if (patient == patient_) return;
    beginResetModel();
    patient_ = patient;
    rebuild();
    endResetModel();
}

int SessionTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(shown_.size()); }

int SessionTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

const ReportLine& SessionTableModel::line(qsizetype row) const {
    const qsizetype at = shown_[row];
    auto known = lines_.constFind(at);
    if (known == lines_.cend()) {
        if (lines_.size() >= 4096) lines_.clear();  // a long session scrolled through keeps only a screenful or so
        known = lines_.insert(at, RowReportLine(operations_, log_.rows()[at], DecimalSeparator()));
    }
    return *known;
}

QString SessionTableModel::text(qsizetype row, int column) const {
    if (column == TestColumn) return log_.rows()[shown_[row]].test;
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
    if (!index.isValid() || index.row() >= shown_.size()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return text(index.row(), index.column());
        case Qt::ToolTipRole: {
            // The row as its window showed it, and when.
            const SessionRow& row = log_.rows()[shown_[index.row()]];
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
    const qsizetype row = shown_[index.row()];
    const QString before = log_.rows()[row].test, after = value.toString().simplified();
    log_.setTest(row, after);
    if (after != before) emit testTyped(row, before, after);
    return true;
}

}  // namespace modVelmora
