#include "session/sessiontable.h"

#include <QCoreApplication>
#include <QLocale>

#include "session/sessionlog.h"
#include "shell/moduleframe.h"

namespace modVelmora {

namespace {

// The Session window's column captions, translated as the window's own.
const char* const kCaptions[] = {QT_TRANSLATE_NOOP("modVelmora::frmSession", "Time"), QT_TRANSLATE_NOOP("modVelmora::frmSession", "Module"),
                                 QT_TRANSLATE_NOOP("modVelmora::frmSession", "Test"), QT_TRANSLATE_NOOP("modVelmora::frmSession", "Entry"),
                                 QT_TRANSLATE_NOOP("modVelmora::frmSession", "Results")};

}  // namespace

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

SessionTableModel::SessionTableModel(SessionLog& log, QObject* parent) : QAbstractTableModel(parent), log_(log), shown_(log.rows().size()) {
    connect(&log_, &SessionLog::aboutToAdd, this, [this](qsizetype row) { beginInsertRows({}, int(row), int(row)); });
    connect(&log_, &SessionLog::added, this, [this] {
        shown_ = log_.rows().size();
        endInsertRows();
    });
    connect(&log_, &SessionLog::aboutToRemove, this, [this](qsizetype first, qsizetype last) { beginRemoveRows({}, int(first), int(last)); });
    connect(&log_, &SessionLog::removed, this, [this] {
        shown_ = log_.rows().size();
        endRemoveRows();
    });
    connect(&log_, &SessionLog::testChanged, this, [this](qsizetype row) {
        emit dataChanged(index(int(row), TestColumn), index(int(row), TestColumn));
    });
    connect(&log_, &SessionLog::aboutToReset, this, &SessionTableModel::beginResetModel);
    connect(&log_, &SessionLog::reset, this, [this] {
        shown_ = log_.rows().size();
        endResetModel();
    });
}

int SessionTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(shown_); }

int SessionTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QString SessionTableModel::text(qsizetype row, int column) const {
    const SessionRow& shown = log_.rows()[row];
    switch (column) {
        case TimeColumn: return QLocale().toString(shown.time.toLocalTime(), QLocale::ShortFormat);
        case ModuleColumn: return SessionModuleName(shown.module);
        case TestColumn: return shown.test;
        case EntryColumn: return shown.entry;
        default: return shown.results;
    }
}

QVariant SessionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
        case Qt::EditRole: return text(index.row(), index.column());
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
        default: return {};
    }
}

QVariant SessionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) return {};
    return QCoreApplication::translate("modVelmora::frmSession", kCaptions[section]);
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
