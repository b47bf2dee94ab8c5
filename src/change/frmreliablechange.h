#pragma once

#include <array>

#include "change/reliablechange.h"
#include "shell/moduleframe.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace modVelmora {

class OutOfDateResults;

// Module 8: whether a patient's retest score differs from the test score by more than the
// test's unreliability and the practice effect of a retest study explain, by four methods
// side by side. The confidence and Reverse are stored at once.
class frmReliableChange : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmReliableChange(Settings& settings);

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCopy_Click();
    void optConfidence_Click(int index);
    void chkReverse_Click();

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void keyPress(QObject* control, int& keyAscii) override;

private:
    QLabel* Label2 = nullptr;
    QGroupBox* fraPatient = nullptr;
    QGroupBox* fraNorms = nullptr;
    QGroupBox* fraOptions = nullptr;
    QLineEdit* txtTest = nullptr;
    QLineEdit* txtRetest = nullptr;
    QLineEdit* txtMeanTest = nullptr;
    QLineEdit* txtMeanRetest = nullptr;
    QLineEdit* txtSDTest = nullptr;
    QLineEdit* txtSDRetest = nullptr;
    QLineEdit* txtCorrelation = nullptr;
    QLineEdit* txtSampleSize = nullptr;
    std::array<QRadioButton*, 2> optConfidence{};
    QCheckBox* chkReverse = nullptr;
    QTableWidget* tblResults = nullptr;
    QAbstractButton* cmdCopy = nullptr;
    QAbstractButton* cmdClear = nullptr;
    QAbstractButton* cmdCalculate = nullptr;
    OutOfDateResults* outOfDate_ = nullptr;

    // The boxes in ChangeField's order.
    std::array<QLineEdit*, 8> boxes() const;
    int tableWidthNeeded() const;
    void addResultToSession(const ChangeEntry& entry, const ChangeReport& report);
    void storeChoices();
    void showResults(const ChangeReport& report);
    void clearResults();
};

}  // namespace modVelmora
