#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "profile/scoreprofile.h"

// The profile table's entries as the user types or pastes them: a row's four cells, read into the
// computation's entry with nothing taken from a part of a cell, and tab-separated text from a
// spreadsheet read into rows. Only QtCore: what is read comes from outside.

namespace modVelmora {

enum class ProfileColumn { Test, Score, Scale, Reliability };
inline constexpr int kProfileEntryColumns = 4;
using ProfileCells = std::array<QString, kProfileEntryColumns>;  // by ProfileColumn

// The names each scale and each column goes by, in any letter case: the user's language, English
// and velmora-cli's words.
using ScaleNames = std::array<QStringList, kScaleCount>;
using ProfileColumnNames = std::array<QStringList, kProfileEntryColumns>;
std::optional<ScoreScale> ScaleOfText(const QString& text, const ScaleNames& names);

// A row read: its entry, or why it has none (English, in the messages' context) and the cell at
// fault; neither for a row whose cells are all blank.
struct CellReading {
    std::optional<ProfileEntry> entry;
    const char* problem = nullptr;
    ProfileColumn cell = ProfileColumn::Score;
};
// The score and the reliability are read whole, with "." or "," as the decimal point; the other
// fields of the entry (level, centre, decimals, labels) come from choices.
CellReading ReadProfileCells(const ProfileCells& cells, const ScaleNames& names, const ProfileEntry& choices);

// Tab-separated text, a line a row. A first line that names the Score column, and holds no number,
// is a header: its named columns say where each cell goes and the others are left out. Without
// one the cells go into the columns from firstColumn on, and those beyond the last are left out.
// A cell in double quotes may hold tabs, line breaks and doubled quotes.
struct PastedRows {
    std::vector<ProfileCells> rows;
    std::array<bool, kProfileEntryColumns> given{};  // the columns the text fills; the others stay as they are
    bool header = false;
};
PastedRows ReadPastedRows(const QString& text, int firstColumn, const ProfileColumnNames& columns);

}  // namespace modVelmora
