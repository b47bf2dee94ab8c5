#pragma once

#include <QDialog>

#include "rawscore/normsets.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace modVelmora {

// Manage Norm Sets: the clinician's saved norm sets listed with their numbers, to rename,
// delete, import from a CSV file or export to one. Every change is saved at once.
class frmNormSets : public QDialog {
    Q_OBJECT
public:
    // Reads the store's file afresh and tells the user when it was damaged or cannot be read.
    explicit frmNormSets(NormSetStore& store, QWidget* parent = nullptr);

    void cmdRename_Click();
    void cmdDelete_Click();
    void cmdImport_Click();
    void cmdExport_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* lstNormSets;
    QLabel* lblFile;
    QPushButton* cmdRename;
    QPushButton* cmdDelete;
    QPushButton* cmdImport;
    QPushButton* cmdExport;
    QPushButton* cmdClose;

    // Lists the store's sets by name, the named one (or the one at row) selected.
    void showSets(const QString& selected, int row = 0);
    QString selectedName() const;
    // Tells the user why a change was not saved; true when it was.
    bool told(const NormSetsResult& result);

    NormSetStore& store_;
};

}  // namespace modVelmora
