#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace modVelmora {
class ResultControls;
struct SettingsRecord;
}  // namespace modVelmora

// Pieces the windows laid out by Qt's layouts share: white frames of captioned entry boxes or of
// options, and the read-only table of results that is copied as a table.

namespace modVelmora {

// Room beside a table cell's text, so the columns that fit their contents do not crowd it.
inline constexpr int kResultCellPadding = 20;

// The column a laid-out window's controls stand in, from its banner down, at the program's margins.
QVBoxLayout* WindowColumn(QWidget* client);
// A white frame in the program's look whose controls stand in a grid.
QGroupBox* EntryFrame(QWidget* parent, const QString& title, const char* name);
// A box with its caption above it, at a place of the frame's grid; both carry the tip, and the
// caption names the box for screen readers.
QLineEdit* CaptionedBox(QGroupBox* frame, int row, int column, const char* name, const QString& caption, const QString& tip);
// A white frame whose options stand one under another, or side by side; and an option of it, as
// wide as its place and taken by a click anywhere on its highlight, not only on its caption.
QGroupBox* OptionFrame(QWidget* parent, const QString& title, const char* name, bool sideBySide = false);
QRadioButton* Option(QGroupBox* frame, const QString& caption, const QString& name);

// The copy button, Clear and Calculate in a row at the foot of the column, the copy button telling
// that it copies the table of results.
ResultControls* TableButtons(QWidget* client, SettingsRecord& record, QVBoxLayout* column);
// A read-only table of results under these headers, as high as the rows need, named "tblResults":
// Tab leaves it and the arrow keys move between its cells. The first column takes the room to spare.
QTableWidget* ResultTable(QWidget* parent, const QStringList& headers, int rows);
// A row of it: the cells, the first left-aligned and the others centred, each telling the whole row
// in words as its tooltip and to screen readers.
void SetResultRow(QTableWidget* table, int row, const QStringList& cells, const QString& words);
// The table with its header on the clipboard, a line a row with tabs between the cells and as an
// HTML table, so it pastes as a table; an empty text when it has no rows.
void CopyResultTable(const QTableWidget* table);

}  // namespace modVelmora
