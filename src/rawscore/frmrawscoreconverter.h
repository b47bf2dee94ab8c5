#pragma once

#include "rawscore/rawscore.h"
#include "shell/moduleframe.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace modVelmora {

class OutOfDateResults;
class UpDown;

// Module 1: a raw score with the norms' mean and SD gives a z-score and a
// percentile; with "Use t-test" and the normative sample's size, also t and
// an adjusted percentile.
class frmRawScoreConverter : public ModuleWindow {
    Q_OBJECT
public:
    // Outer heights with and without the t-test controls, and one step between them.
    static constexpr int kExpandedHeight = 5415;
    static constexpr int kCollapsedHeight = 4671;
    static constexpr int kStep = 6;

    explicit frmRawScoreConverter(Settings& settings);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopy_Click();
    void chkUseTtest_Click();
    void UpDown1_Change();

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void keyPress(QObject* control, int& keyAscii) override;
    void labelsChanged() override;

private:
    QLabel* Label2 = nullptr;
    QLabel* lblSubjectScore = nullptr;
    QLineEdit* txtRawScore = nullptr;
    QLabel* lblSampleMean = nullptr;
    QLineEdit* txtMean = nullptr;
    QLabel* lblSampleSD = nullptr;
    QLineEdit* txtSD = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblZscore = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblAnswer = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTScoreTitle = nullptr;
    QLabel* lblTScore = nullptr;
    QLabel* lblAdjustedPercentileTitle = nullptr;
    QLabel* lblAdjustedPercentile = nullptr;
    QLabel* lblInterval = nullptr;
    QGroupBox* frmOptions = nullptr;
    QCheckBox* chkReverse = nullptr;
    QCheckBox* chkUseTtest = nullptr;
    QLabel* lblSampleN = nullptr;
    QLineEdit* txtSampleN = nullptr;
    QAbstractButton* cmdCopy = nullptr;
    QLabel* lblNumberOfDecimals = nullptr;
    UpDown* UpDown1 = nullptr;
    QAbstractButton* cmdCalculate = nullptr;
    QAbstractButton* cmdClear = nullptr;
    OutOfDateResults* outOfDate_ = nullptr;

    void expand();
    void collapse();
    // Moves the controls below the options by the steps taken and sizes the window.
    void applyHeight();
    void setTTestTooltips(bool useTTest);
    void showInterval(const SmallSampleTexts& small, bool reverse);
    void filterNumberKey(QLineEdit* box, int& keyAscii);

    int outerHeight_ = kExpandedHeight;
    // The z of the percentile on show, which its descriptive label describes.
    float labelledZ_ = 0;
};

}  // namespace modVelmora
