#pragma once

#include <array>

#include "converter/conversions.h"
#include "shell/moduleframe.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace modVelmora {

class NumberBox;
class OutOfDateResults;
class ResultControls;
class UpDown;

// Module 2: converts a score between percentile, scaled score, standard
// score, T-score and z-score. The two chosen scales are stored at once.
class frmScoreConverter : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmScoreConverter(Settings& settings);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopy_Click();
    void optFrom_Click(int index);
    void optTo_Click(int index);

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void keyPress(QObject* control, int& keyAscii) override;
    void labelsChanged() override;

private:
    QLabel* Label2 = nullptr;
    QLabel* lblFrom = nullptr;
    QLabel* lblTo = nullptr;
    NumberBox* txtFrom = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblAnswer = nullptr;
    QLabel* lblDescription = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, kScaleCount> optFrom{};
    std::array<QRadioButton*, kScaleCount> optTo{};
    QAbstractButton* cmdCopy = nullptr;
    QLabel* lblNumberOfDecimals = nullptr;
    UpDown* UpDown1 = nullptr;
    QAbstractButton* cmdClear = nullptr;
    OutOfDateResults* outOfDate_ = nullptr;
    ResultControls* results_ = nullptr;
    QAbstractButton* cmdCalculate = nullptr;

    std::array<QRadioButton*, kScaleCount> optionGroup(QGroupBox* frame, const char* name);

    ScoreScale fromScale_ = ScoreScale::ZScore;
    ScoreScale toScale_ = ScoreScale::Percentile;
    float labelledZ_ = 0;  // the z of the answer on show, which its descriptive label describes
};

}  // namespace modVelmora
