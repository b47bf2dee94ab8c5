#pragma once

#include <memory>
#include <optional>

#include "age/frmcalendar.h"
#include "shell/moduleframe.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace modVelmora {

// Module 4: the age in years, months and days between a birth date and a
// test date, typed or picked from a calendar pop-up.
class frmAgeCalculator : public ModuleWindow {
    Q_OBJECT
public:
    frmAgeCalculator();
    ~frmAgeCalculator() override;

    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdShowBirthDateCalendar_Click();
    void cmdShowTestDateCalendar_Click();
    void txtTestDate_DblClick();

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    void beforeUnload() override;
    bool controlEvent(QObject* control, QEvent* event) override;

private:
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

    // Reads a box as a date when it is left: reformats it, or reports "Invalid Date" and empties it.
    void checkDateBox(QLineEdit* box);
    void showCalendar(frmCalendar::Target target);
    QLineEdit* boxFor(frmCalendar::Target target) const;
    void ComputeAge();

    std::unique_ptr<frmCalendar> calendar_;
    std::optional<frmCalendar::Target> calendarTarget_;  // the box the open pop-up serves
};

}  // namespace modVelmora
