#pragma once

#include <QAbstractTableModel>
#include <QUndoStack>
#include <vector>

#include "common/fields.h"
#include "profile/profilecells.h"

// The Score Profile window's table: the entries the user types or pastes, each row computed as it
// changes, and its results or its error beside it. Every change of the entries is one step that
// Ctrl+Z takes back.

namespace modVelmora {

// The table's columns: the four entries, then the results.
enum class ProfileTableColumn { Test, Score, Scale, Reliability, Percentile, Standard, Label, Interval };
inline constexpr int kProfileTableColumns = 8;
inline constexpr int kProfileRows = 60;

// A row as computed: none for a blank row, its results, or the reason it has none.
struct ProfileRow {
    enum class State { Blank, Computed, Refused } state = State::Blank;
    ProfileEntry entry{LabelSystem::None};
    ProfileReport report;
    NamedTexts results;  // the profile operation's columns
    QString problem;     // translated
    ProfileColumn faulty = ProfileColumn::Score;
};

class ProfileTable : public QAbstractTableModel {
    Q_OBJECT
public:
    // choices: the level, centre, decimals and labels every row is computed with.
    ProfileTable(const ProfileEntry& choices, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An entry typed: one step; a score typed into a row without a scale takes the scale above it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Pasted text at a cell (see ReadPastedRows): one step. Returns how many rows found no room.
    int paste(const QString& text, int row, int column);
    // The rows removed, those under them moving up: one step.
    void removeRowsAt(QList<int> rows);
    // Every row emptied: one step.
    void clearAll();
    QUndoStack& undoStack() { return undo_; }

    // Every row computed again with these choices; not a step.
    void setChoices(const ProfileEntry& choices);
    const ProfileEntry& choices() const { return choices_; }
    const std::vector<ProfileRow>& rows() const { return rows_; }
    const ProfileCells& cells(int row) const { return cells_[std::size_t(row)]; }
    // A computed or refused row in words, as its cells tell screen readers.
    QString rowWords(int row) const;
    // The scales' names as the user's language, English and velmora-cli give them.
    static ScaleNames scaleNames();
    // The interval as the Score Interval window writes it ("95% CI 104 to 118").
    QString intervalText(const ProfileRow& row) const;

signals:
    // The rows were computed again: the window redraws its picture.
    void computed();

private:
    class Step;
    void restore(const std::vector<ProfileCells>& cells);
    void recompute();
    void push(std::vector<ProfileCells> after, const QString& what);

    ProfileEntry choices_;
    std::vector<ProfileCells> cells_;
    std::vector<ProfileRow> rows_;
    QUndoStack undo_;
};

}  // namespace modVelmora
