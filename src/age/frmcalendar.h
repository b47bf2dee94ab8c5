#pragma once

#include <QPointer>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;

namespace modVelmora {

// The borderless month calendar that pops up beside a date box of the age
// calculator: one click (or Enter) picks the framed day, Esc cancels, "t"
// goes to today, and going back to the age window closes it without a pick.
class frmCalendar : public QWidget {
    Q_OBJECT
public:
    frmCalendar();

    // Opens beside the age window for the box named by CalendarTarget.
    void open(QWidget* ageWindow, QLineEdit* birthBox, QLineEdit* testBox);

    QCalendarWidget* MonthView1;

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MonthView1_DateClick(const QDate& date);
    void showToday();
    void keepDayOnPage(int year, int month);

    QPointer<QWidget> ageWindow_;
    QPointer<QLineEdit> birthBox_;
    QPointer<QLineEdit> testBox_;
};

}  // namespace modVelmora
