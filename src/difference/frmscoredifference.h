#pragma once

#include <QList>
#include <array>

#include "difference/scoredifference.h"
#include "shell/moduleframe.h"
#include "shell/settings.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace modVelmora {

class OutOfDateResults;

// Module 9: whether the difference between two scores of one patient is larger than measurement
// error and how rare it is, against the test's norms or against a small control sample. Each way
// has boxes of its own, on a page of its own; the choices are stored at once.
class frmScoreDifference : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmScoreDifference(Settings& settings);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopy_Click();
    void optAgainst_Click(int index);
    void optScale_Click(int index);
    void optConfidence_Click(int index);

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void keyPress(QObject* control, int& keyAscii) override;

private:
    QLabel* Label2 = nullptr;
    QGroupBox* fraAgainst = nullptr;
    std::array<QRadioButton*, 2> optAgainst{};
    QStackedWidget* stkEntry = nullptr;
    // Against the norms.
    QGroupBox* fraScores = nullptr;
    QGroupBox* fraScale = nullptr;
    QGroupBox* fraNorms = nullptr;
    QLineEdit* txtScoreX = nullptr;
    QLineEdit* txtScoreY = nullptr;
    std::array<QRadioButton*, 4> optScale{};  // scaled, standard, T and z
    QLineEdit* txtReliabilityX = nullptr;
    QLineEdit* txtReliabilityY = nullptr;
    QLineEdit* txtCorrelationXY = nullptr;
    // Against the controls.
    QGroupBox* fraPatient = nullptr;
    QGroupBox* fraControls = nullptr;
    QLineEdit* txtPatientX = nullptr;
    QLineEdit* txtPatientY = nullptr;
    QLineEdit* txtMeanX = nullptr;
    QLineEdit* txtSDX = nullptr;
    QLineEdit* txtMeanY = nullptr;
    QLineEdit* txtSDY = nullptr;
    QLineEdit* txtCorrelation = nullptr;
    QLineEdit* txtSampleSize = nullptr;
    QGroupBox* fraConfidence = nullptr;
    std::array<QRadioButton*, 2> optConfidence{};
    QTableWidget* tblResults = nullptr;
    QAbstractButton* cmdCopy = nullptr;
    QAbstractButton* cmdClear = nullptr;
    QAbstractButton* cmdCalculate = nullptr;
    OutOfDateResults* outOfDate_ = nullptr;

    Settings::DifferenceChoices choices_;

    // Each page's boxes in NormsDifferenceField's and ControlsDifferenceField's order, and those on show.
    QList<QLineEdit*> normsBoxes() const;
    QList<QLineEdit*> controlsBoxes() const;
    QList<QLineEdit*> shownBoxes() const;
    void showChoices();
    void storeChoices();
    void calculateAgainstNorms();
    void calculateAgainstControls();
    // The rows of the table: caption and value; the last is the verdict.
    void showResults(const QList<QStringList>& rows, const QStringList& words, bool significant);
    void addResultToSession(const Operation& operation, const QString& scale, NamedTexts fields);
    void clearResults();
    // Tells of a refused entry as the computation decided, or moves on to it after Enter.
    template <class Field>
    void refuseEntry(const Refusal<Field>& refusal, const QList<QLineEdit*>& boxes);
};

}  // namespace modVelmora
