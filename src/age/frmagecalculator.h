#pragma once

#include <QDate>
#include <memory>
#include <optional>

#include "age/agecalculation.h"
#include "age/frmcalendar.h"
#include "shell/moduleframe.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace modVelmora {

class OutOfDateResults;

// Module 4: the age in years, months and days between a birth date and a
// test date, typed or picked from a calendar pop-up.
class frmAgeCalculator : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmAgeCalculator(Settings& settings);
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
    QLabel* Label5 = nullptr;
    QLineEdit* txtGestation = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* lblCorrectedAge = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* lblAgeInMonths = nullptr;
    QLabel* lblCorrectedInMonths = nullptr;
    OutOfDateResults* outOfDate_ = nullptr;
    QAbstractButton* cmdCalculate = nullptr;
    QAbstractButton* cmdClear = nullptr;

    // Reads a box as a date when it is left: reformats it, or reports "Invalid Date" and empties it.
    void checkDateBox(AgeField field);
    // Remembers a date read from its box and writes it there in the user's form.
    void showDate(AgeField field, std::chrono::year_month_day date);
    QDate& remembered(AgeField field);
    QLineEdit* boxOf(AgeField field) const;
    void showCorrection(const std::optional<Correction>& correction);
    // "14 months 5 days", in the user's language.
    static QString monthsAndDays(const Age& age);
    void showCalendar(frmCalendar::Target target);

    // The last date read from each box; kept for the whole run, across module switches and Clear.
    QDate birthDate_, testDate_;
    std::unique_ptr<frmCalendar> calendar_;
    std::optional<frmCalendar::Target> calendarTarget_;  // the box the open pop-up serves
};

}  // namespace modVelmora
