#include "profile/profiletable.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <algorithm>

#include "profile/profileoperation.h"
#include "shell/modvelmora.h"

namespace modVelmora {

namespace {

const QColor kProblemInk(160, 0, 0);
const QColor kFaultyCell(255, 224, 224);

QString scaleCaption(ScoreScale scale) { return QCoreApplication::translate(kScaleContext, ScaleCaption(scale)); }

}  // namespace

// One change of the entries: the table before and after it.
class ProfileTable::Step : public QUndoCommand {
public:
    Step(ProfileTable& table, std::vector<ProfileCells> before, std::vector<ProfileCells> after, const QString& what)
        : QUndoCommand(what), table_(table), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { table_.restore(before_); }
    void redo() override { table_.restore(after_); }

private:
    ProfileTable& table_;
    const std::vector<ProfileCells> before_, after_;
};

ProfileTable::ProfileTable(const ProfileEntry& choices, QObject* parent)
    : QAbstractTableModel(parent), choices_(choices), cells_(kProfileRows), rows_(kProfileRows) {}

ScaleNames ProfileTable::scaleNames() {
    ScaleNames names;
    for (int scale = 0; scale < kScaleCount; ++scale) {
        const auto shown = static_cast<ScoreScale>(scale);
        names[std::size_t(scale)] = QStringList{scaleCaption(shown), QString::fromLatin1(ScaleCaption(shown)), QString::fromLatin1(ScaleName(shown))};
    }
    return names;
}

int ProfileTable::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kProfileRows; }

int ProfileTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kProfileTableColumns; }

QVariant ProfileTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (static_cast<ProfileTableColumn>(section)) {
        case ProfileTableColumn::Test: return tr("Test");
        case ProfileTableColumn::Score: return tr("Score");
        case ProfileTableColumn::Scale: return tr("Scale");
        case ProfileTableColumn::Reliability: return tr("Reliability");
        case ProfileTableColumn::Percentile: return scaleCaption(ScoreScale::Percentile);
        case ProfileTableColumn::Standard: return scaleCaption(ScoreScale::StandardScore);
        case ProfileTableColumn::Label: return QCoreApplication::translate(kLabelContext, "Descriptive label");
        case ProfileTableColumn::Interval: return tr("Interval");
    }
    return {};
}

Qt::ItemFlags ProfileTable::flags(const QModelIndex& index) const {
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() < kProfileEntryColumns ? shown | Qt::ItemIsEditable : shown;
}

QString ProfileTable::intervalText(const ProfileRow& row) const {
    if (row.report.low.empty()) return {};
    return QCoreApplication::translate("modVelmora::frmScoreInterval", "%1% CI %2 to %3")
        .arg(QString::number(static_cast<int>(row.entry.level)), ShownNumber(row.report.low), ShownNumber(row.report.high));
}

QString ProfileTable::rowWords(int row) const {
    const ProfileRow& computed = rows_[std::size_t(row)];
    const ProfileCells& cells = cells_[std::size_t(row)];
    QString test = cells[0].trimmed();
    if (test.isEmpty()) test = tr("Row %1").arg(row + 1);
    switch (computed.state) {
        case ProfileRow::State::Blank: return {};
        case ProfileRow::State::Refused: return tr("%1: %2").arg(test, computed.problem);
        case ProfileRow::State::Computed: break;
    }
    const QString label = computed.report.label ? QCoreApplication::translate(kLabelContext, computed.report.label->text) : QString();
    return tr("%1: %2").arg(test, InWords({scaleCaption(computed.entry.scale) + QLatin1Char(' ') + cells[1].trimmed(),
                                           tr("percentile %1").arg(ShownNumber(computed.report.percentile)),
                                           tr("standard score %1").arg(ShownNumber(computed.report.standard)), label,
                                           intervalText(computed)}));
}

QVariant ProfileTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::size_t row = std::size_t(index.row());
    const int column = index.column();
    const ProfileRow& computed = rows_[row];
    const bool refused = computed.state == ProfileRow::State::Refused;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: {
            if (column < kProfileEntryColumns) return cells_[row][std::size_t(column)];
            if (refused) return column == int(ProfileTableColumn::Percentile) ? computed.problem : QString();
            if (computed.state == ProfileRow::State::Blank) return QString();
            switch (static_cast<ProfileTableColumn>(column)) {
                case ProfileTableColumn::Percentile: return ShownNumber(computed.report.percentile);
                case ProfileTableColumn::Standard: return ShownNumber(computed.report.standard);
                case ProfileTableColumn::Label:
                    return computed.report.label ? QCoreApplication::translate(kLabelContext, computed.report.label->text) : QString();
                case ProfileTableColumn::Interval: return intervalText(computed);
                default: return {};
            }
        }
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole: return rowWords(index.row());
        case Qt::ForegroundRole:
            if (refused && column >= kProfileEntryColumns) return QBrush(kProblemInk);
            return {};
        case Qt::BackgroundRole:
            if (refused && column == int(computed.faulty)) return QBrush(kFaultyCell);
            return {};
        case Qt::TextAlignmentRole:
            if (column == int(ProfileTableColumn::Test) || (refused && column >= kProfileEntryColumns))
                return int(Qt::AlignLeft | Qt::AlignVCenter);
            return int(Qt::AlignCenter);
        default: return {};
    }
}

bool ProfileTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() >= kProfileEntryColumns) return false;
    const std::size_t row = std::size_t(index.row()), column = std::size_t(index.column());
    const QString text = value.toString();
    if (cells_[row][column] == text) return false;
    std::vector<ProfileCells> after = cells_;
    after[row][column] = text;
    // Scores are mostly entered a battery at a time, on one scale.
    const auto scale = std::size_t(ProfileColumn::Scale);
    if (column == std::size_t(ProfileColumn::Score) && !text.trimmed().isEmpty() && after[row][scale].trimmed().isEmpty())
        for (std::size_t above = row; above-- > 0;)
            if (!after[above][scale].trimmed().isEmpty()) {
                after[row][scale] = after[above][scale];
                break;
            }
    push(std::move(after), tr("Typing"));
    return true;
}

int ProfileTable::paste(const QString& text, int row, int column) {
    ProfileColumnNames names;
    const char* const english[] = {"Test", "Score", "Scale", "Reliability"};
    const char* const words[] = {"test", "score", "scale", "reliability"};  // velmora-cli's
    for (int c = 0; c < kProfileEntryColumns; ++c)
        names[std::size_t(c)] = {headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromLatin1(english[c]),
                                 QString::fromLatin1(words[c])};
    const PastedRows pasted = ReadPastedRows(text, column, names);
    std::vector<ProfileCells> after = cells_;
    int left = 0;
    for (std::size_t i = 0; i < pasted.rows.size(); ++i) {
        const std::size_t at = std::size_t(std::max(row, 0)) + i;
        if (at >= after.size()) {
            ++left;
            continue;
        }
        for (std::size_t c = 0; c < std::size_t(kProfileEntryColumns); ++c)
            if (pasted.given[c]) after[at][c] = pasted.rows[i][c];
    }
    if (after != cells_) push(std::move(after), tr("Paste"));
    return left;
}

void ProfileTable::removeRowsAt(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<ProfileCells> after;
    for (int row = 0; row < kProfileRows; ++row)
        if (!rows.contains(row)) after.push_back(cells_[std::size_t(row)]);
    after.resize(kProfileRows);
    if (after != cells_) push(std::move(after), tr("Delete"));
}

void ProfileTable::clearAll() {
    std::vector<ProfileCells> after(kProfileRows);
    if (after != cells_) push(std::move(after), tr("Clear"));
}

void ProfileTable::push(std::vector<ProfileCells> after, const QString& what) { undo_.push(new Step(*this, cells_, std::move(after), what)); }

void ProfileTable::restore(const std::vector<ProfileCells>& cells) {
    cells_ = cells;
    recompute();
}

void ProfileTable::setChoices(const ProfileEntry& choices) {
    choices_ = choices;
    recompute();
}

void ProfileTable::recompute() {
    const ScaleNames names = scaleNames();
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        ProfileRow& computed = rows_[row];
        computed = ProfileRow{};
        const CellReading reading = ReadProfileCells(cells_[row], names, choices_);
        if (reading.problem) {
            computed.state = ProfileRow::State::Refused;
            computed.problem = QCoreApplication::translate(kMessageContext, reading.problem);
            computed.faulty = reading.cell;
            continue;
        }
        if (!reading.entry) continue;
        computed.entry = *reading.entry;
        computed.report = ComputeProfileRow(computed.entry);
        if (const auto& refusal = computed.report.refusal) {
            computed.state = ProfileRow::State::Refused;
            computed.problem = QCoreApplication::translate(kMessageContext, ProfileRefusalMessage(*refusal));
            computed.faulty = refusal->field == IntervalField::Score ? ProfileColumn::Score : ProfileColumn::Reliability;
            continue;
        }
        computed.state = ProfileRow::State::Computed;
        NameProfileResults(computed.report, computed.entry.labels, computed.results);
    }
    emit dataChanged(index(0, 0), index(kProfileRows - 1, kProfileTableColumns - 1));
    emit computed();
}

}  // namespace modVelmora
