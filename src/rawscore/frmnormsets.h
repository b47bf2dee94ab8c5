#pragma once

#include <QDialog>

#include "rawscore/normsets.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QUndoStack;

namespace modVelmora {

// Manage Norm Sets: the clinician's saved norm sets in a table of all their fields, each cell
// edited in place (F2 or typing, Enter keeps, Esc drops), and the sets renamed, deleted,
// imported from a CSV file or exported to one. Every change is saved at once; edits, renames
// and deletions are undone with Ctrl+Z and redone with Ctrl+Shift+Z or Ctrl+Y.
class frmNormSets : public QDialog {
    Q_OBJECT
public:
    enum Column { NameColumn, MeanColumn, SDColumn, NColumn, ReverseColumn, SourceColumn, AgesColumn, NotesColumn, ColumnCount };

    // Reads the store's file afresh and tells the user when it was damaged or cannot be read.
    explicit frmNormSets(NormSetStore& store, QWidget* parent = nullptr);

    void cmdRename_Click();
    void cmdDelete_Click();
    void cmdImport_Click();
    void cmdExport_Click();

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* tblNormSets;
    QLabel* lblFile;
    QPushButton* cmdRename;
    QPushButton* cmdDelete;
    QPushButton* cmdImport;
    QPushButton* cmdExport;
    QPushButton* cmdClose;

    // Lists the store's sets by name, the named one's (or row's) cell in column current.
    void showSets(const QString& selected, int row = 0, int column = 0);
    QString selectedName() const;
    // Tells the user why a change was not saved; true when it was.
    bool told(const NormSetsResult& result);
    // A cell's new text, once its editor has closed.
    void cellEdited(const QString& name, int column, const QString& value);
    // Sets the named set's field of that column to value (as the file holds it), shows the sets, and says whether it was saved.
    bool setField(const QString& name, int column, const QString& value);
    // A change made and saved, for Undo and Redo: doing it again, and undoing it, each true when saved.
    void keep(const QString& what, std::function<bool()> redo, std::function<bool()> undo);

    NormSetStore& store_;
    QUndoStack* undoStack_;
    bool showing_ = false;  // the table is being filled, not edited
};

}  // namespace modVelmora
