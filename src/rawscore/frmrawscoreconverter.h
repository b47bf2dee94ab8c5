#pragma once

#include <memory>

#include "rawscore/normsets.h"
#include "rawscore/rawscore.h"
#include "shell/moduleframe.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace modVelmora {

class OutOfDateResults;
class ResultControls;
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
    void cboNorms_Click(int index);
    void cmdSaveNorms_Click();
    void cmdManageNorms_Click();

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void keyPress(QObject* control, int& keyAscii) override;
    void labelsChanged() override;
    void createStripControls() override;

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
    ResultControls* results_ = nullptr;
    QComboBox* cboNorms = nullptr;
    QAbstractButton* cmdSaveNorms = nullptr;
    QAbstractButton* cmdManageNorms = nullptr;

    void expand();
    void collapse();
    // Moves the controls below the options by the steps taken and sizes the window.
    void applyHeight();
    void setTTestTooltips(bool useTTest);
    void showInterval(const SmallSampleTexts& small, bool reverse);
    void addResultToSession(const RawScoreEntry& entry, const RawScoreReport& report);
    void filterNumberKey(QLineEdit* box, int& keyAscii);
    // The saved sets in the Norms list, the one whose numbers the boxes hold chosen.
    void listNorms();
    // The saved set the Norms list names, whose numbers the boxes hold; nullptr for typed norms.
    const NormSet* chosenNorms() const;
    // The boxes' norms as a set of that name.
    NormSet typedNorms(const QString& name) const;
    // Tells of a change to the saved sets that did not happen.
    void tellNorms(const NormSetsResult& result);

    int outerHeight_ = kExpandedHeight;
    // The saved norm sets, read when the window is first shown.
    std::unique_ptr<NormSetStore> norms_;
    // The z of the percentile on show, which its descriptive label describes.
    float labelledZ_ = 0;
};

}  // namespace modVelmora
