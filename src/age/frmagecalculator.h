#pragma once

#include <memory>

#include "shell/moduleframe.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace modVelmora {

class frmCalendar;

// Module 4: the age in years, months and days between a birth date and a
// test date, typed or picked from a calendar pop-up.
class frmAgeCalculator : public ModuleWindow {
    Q_OBJECT
public:
    static constexpr int kModuleNumber = 4;

    frmAgeCalculator();
    ~frmAgeCalculator() override;

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdShowBirthDateCalendar_Click();
    void cmdShowTestDateCalendar_Click();
    void txtTestDate_DblClick();

    // The pop-up, once a calendar button has been pressed in this run.
    frmCalendar* calendar() const { return calendar_.get(); }

    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtBirthdate = nullptr;
    QAbstractButton* cmdShowBirthDateCalendar = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtTestDate = nullptr;
    QAbstractButton* cmdShowTestDateCalendar = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblAge = nullptr;
    QAbstractButton* cmdCalculate = nullptr;
    QAbstractButton* cmdClear = nullptr;

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void beforeUnload() override;
    bool controlEvent(QObject* control, QEvent* event) override;

private:
    // Reads a box as a date when it is left: reformats it, or reports "Invalid Date" and empties it.
    void checkDateBox(QLineEdit* box);
    void showCalendar(std::uint8_t target);
    void ComputeAge();

    std::unique_ptr<frmCalendar> calendar_;
};

}  // namespace modVelmora
