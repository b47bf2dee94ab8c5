#pragma once

#include <array>
#include <optional>

#include "interval/bellcurve.h"
#include "interval/scoreinterval.h"
#include "shell/moduleframe.h"
#include "shell/settings.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace modVelmora {

class OutOfDateResults;
class ResultControls;

class UpDown;

// Module 7: the confidence interval of a score from the test's reliability, around the
// obtained or the estimated true score; the score on every scale, and its bell curve.
// The scale, the confidence level and the centre are stored at once.
class frmScoreInterval : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmScoreInterval(Settings& settings);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopy_Click();
    void cmdCopyPicture_Click();
    void cmdSavePicture_Click();
    void optScale_Click(int index);
    void optConfidence_Click(int index);
    void optCentre_Click(int index);

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void keyPress(QObject* control, int& keyAscii) override;
    void labelsChanged() override;

private:
    QLabel* Label2 = nullptr;
    QLabel* lblScoreCaption = nullptr;
    QLineEdit* txtScore = nullptr;
    QLabel* lblReliabilityCaption = nullptr;
    QLineEdit* txtReliability = nullptr;
    QGroupBox* fraScale = nullptr;
    std::array<QRadioButton*, kScaleCount> optScale{};
    QGroupBox* fraConfidence = nullptr;
    QRadioButton* optConfidence0 = nullptr;
    QRadioButton* optConfidence1 = nullptr;
    QGroupBox* fraCentre = nullptr;
    QRadioButton* optCentre0 = nullptr;
    QRadioButton* optCentre1 = nullptr;
    QLabel* lblPercentile = nullptr;
    QLabel* lblScaled = nullptr;
    QLabel* lblStandard = nullptr;
    QLabel* lblTScore = nullptr;
    QLabel* lblZScore = nullptr;
    QLabel* lblStanine = nullptr;
    QLabel* lblSten = nullptr;
    QLabel* lblNCE = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblInterval = nullptr;
    QLabel* lblPercentileBand = nullptr;
    QLabel* lblCentre = nullptr;
    BellCurve* picBellCurve = nullptr;
    QAbstractButton* cmdCopyPicture = nullptr;
    QAbstractButton* cmdSavePicture = nullptr;
    QAbstractButton* cmdCopy = nullptr;
    QLabel* lblNumberOfDecimals = nullptr;
    UpDown* UpDown1 = nullptr;
    QAbstractButton* cmdClear = nullptr;
    QAbstractButton* cmdCalculate = nullptr;
    OutOfDateResults* outOfDate_ = nullptr;
    ResultControls* results_ = nullptr;

    // The labels that show a result, in the order of the scales, then stanine, sten and NCE.
    QList<QLabel*> scoreLabels() const;
    QList<QLabel*> resultLabels() const;
    void storeChoice();
    void emptyResults();
    void clearPicture();
    void showPicture();
    void addResultToSession(const IntervalEntry& entry, const IntervalReport& report);
    void describePicture();

    Settings::IntervalChoices choices_;
    float labelledZ_ = 0;                // the z of the result on show, which its label describes
    std::optional<BellCurveModel> picture_;  // of the result on show
};

}  // namespace modVelmora
