#pragma once

#include <QDate>
#include <QPointer>
#include <QWidget>

class QCalendarWidget;

namespace modVelmora {

// The borderless month calendar that pops up beside a date box of the age
// calculator: one click (or Enter) picks the framed day, Esc cancels, "t"
// goes to today, and going back to the age window closes it without a pick.
class frmCalendar : public QWidget {
    Q_OBJECT
public:
    frmCalendar();

    // Which date box the pop-up serves.
    enum class Target { BirthDate = 1, TestDate = 2 };

    // Opens beside the age window's box for target, showing start.
    void open(QWidget* ageWindow, Target target, const QDate& start);

signals:
    // A day was picked; the pop-up then closes.
    void datePicked(const QDate& date);
    // The pop-up closed, with or without a pick.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MonthView1_DateClick(const QDate& date);
    void showToday();
    void keepDayOnPage(int year, int month);

    QCalendarWidget* MonthView1;
    QPointer<QWidget> ageWindow_;
    QDate pickedDate_;  // the day picked in this opening, or none
};

}  // namespace modVelmora
