#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <span>

#include "session/sessionrecord.h"
#include "session/sessiontable.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTableView;
class QUndoStack;
class QTextDocument;

namespace modVelmora {

class Operation;
class SessionLog;

// The Session window: every result calculated in one table, as a report's table gives it, to name
// each row's test, delete rows, clear the session, and copy (as a table or as sentences), save,
// print or write it as PDF for a report. It shows the program's session as it changes, beside
// whichever module window is open.
class frmSession : public QWidget {
    Q_OBJECT
public:
    // operations: velmora-cli's, which read each row; cliColumns: their columns, in the order the saved CSV gives them.
    frmSession(SessionLog& log, std::span<const Operation* const> operations, QStringList cliColumns);
    // Its controls' last signals (the Patient box losing the focus) reach no slot of a window half gone.
    ~frmSession() override;

    void cmdCopy_Click();
    void cmdSentences_Click();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdPdf_Click();
    void cmdDelete_Click();
    void cmdNewPatient_Click();
    void cmdUndo_Click();
    void cmdRedo_Click();
    void cmdClear_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showCount();
    // The patients in the list, newest first, the one shown chosen; the newest when a patient was started.
    void listPatients();
    void showPatient(int patient);
    // The identifier typed, kept for the patient shown.
    void keepPatient();
    // The patient shown as the list names it: its identifier, or "Patient 2".
    QString patientName(int patient) const;
    // The rows on screen, each as tall as its texts wrapped in their columns; only those, so that a long
    // session opens and grows at once.
    void fitShownRows();
    void fitSoon();
    // The rows the buttons act on: those selected, else all.
    QList<qsizetype> chosenRows() const;
    // Those rows as the report's table, its header first.
    QList<QStringList> reportTable() const;
    // The table with a heading that dates it, for paper and PDF.
    void fillReport(QTextDocument& report) const;
    void tell(const QString& text);

    SessionLog& log_;
    const QStringList cliColumns_;
    SessionTableModel* model_ = nullptr;
    QTableView* tblSession = nullptr;
    QLineEdit* txtPatient = nullptr;
    QComboBox* cboPatients = nullptr;
    QAbstractButton* cmdNewPatient = nullptr;
    qsizetype patientsListed_ = 0;
    QAbstractButton* cmdCopy = nullptr;
    QAbstractButton* cmdSentences = nullptr;
    QAbstractButton* cmdSave = nullptr;
    QAbstractButton* cmdPrint = nullptr;
    QAbstractButton* cmdPdf = nullptr;
    QAbstractButton* cmdDelete = nullptr;
    QAbstractButton* cmdClear = nullptr;
    QAbstractButton* cmdUndo = nullptr;
    QAbstractButton* cmdRedo = nullptr;
    // Delete Rows, Clear Session… and the tests' names typed, undone and done again for the whole run.
    QUndoStack* undo_ = nullptr;
    QAbstractButton* cmdClose = nullptr;
    bool fitting_ = false;
};


// Asks where to save the rows as CSV in velmora-cli's columns and saves them there, telling the user
// when they could not be saved; true when they were.
bool SaveSessionCsv(QWidget* owner, const QList<SessionRow>& rows, const QStringList& patients, const QStringList& cliColumns);

}  // namespace modVelmora
