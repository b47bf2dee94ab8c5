#include <QLocale>
#include <QtTest>

#include "rows.h"
#include "scenario.h"
#include "shell/twips.h"

const QString kInvalid = "!Invalid Date";
const QString kBirth = "[txtBirthdate=17 sep 98]";
const QString kTestCalendar = "[cmdShowTestDateCalendar]";
const QString kClosed = "shown:frmCalendar=0";

// The age window and its calendar pop-up as a user works them, with today Jan 14, 2018.
const Scenario kRows[] = {
    {"opens with today as the test date", 4, {}, "\r", {"txtTestDate={date:2018-01-14}", "txtBirthdate=", "beeps=1", "focus=txtBirthdate"}},
    {"a double-click puts today back", 4, {}, "[txtTestDate=Jan 1, 2000][2:txtTestDate]", {"txtTestDate={date:2018-01-14}"}},
    // Leaving a box reads it as a date: reformatted, or refused and emptied.
    {"day month year", 4, {}, "17 sep 98\t", {"txtBirthdate={date:1998-09-17}", "messages=", "focus=txtTestDate"}},
    {"a time is dropped", 4, {}, "September 17, 1998 9:15\t", {"txtBirthdate={date:1998-09-17}"}},
    {"not a date", 4, {}, "2000-01-01\r[txtBirthdate]abc\t",
     {"messages=" + kInvalid, "txtBirthdate=", "focus=txtBirthdate", "lblAge="}},
    {"February 30", 4, {}, "Feb 30, 2000\t", {"messages=" + kInvalid, "txtBirthdate="}},
    // Calculate.
    {"both dates", 4, {}, kBirth + "\r", {"lblAge=19 - 3 - 27", "messages=", "focus=txtBirthdate"}},
    {"equal dates", 4, {}, "[txtBirthdate=2010-05-10][txtTestDate=May 10, 2010]\r", {"lblAge=0 - 0 - 0"}},
    {"no test date moves the focus only", 4, {}, kBirth + "[txtTestDate=]\r", {"focus=txtTestDate", "beeps=0", "messages=", "lblAge="}},
    {"a bad birth date, no second message", 4, {}, "[txtBirthdate=abc]\r", {"messages=" + kInvalid, "lblAge="}},
    {"both bad: two messages, the focus on the test box", 4, {}, "[txtBirthdate=abc][txtTestDate=xyz]\r",
     {"messages=" + kInvalid + "|" + kInvalid, "focus=txtTestDate"}},
    {"a test date a day early", 4, {}, "[txtBirthdate=May 10, 2010][txtTestDate=May 9, 2010]\r",
     {"messages=!The test date cannot be less than the birth date.", "lblAge=", "focus=txtBirthdate", "txtTestDate={date:2010-05-09}"}},
    {"Esc clears, the stored birth date stays for the calendar", 4, {}, kBirth + "\r\x1b[cmdShowBirthDateCalendar]\r",
     {"lblAge=", "txtBirthdate={date:1998-09-17}", "txtTestDate="}},
    // Opening a menu is not leaving the box; File > Exit works from the keyboard.
    {"Alt and back", 4, {}, "abc{Alt}\x1b", {"messages=", "txtBirthdate=abc", "focus=txtBirthdate"}},
    {"F10 and back", 4, {}, "17 sep 98{F10}\x1b\x1b", {"messages=", "txtBirthdate=17 sep 98", "focus=txtBirthdate"}},
    {"Alt+F and back", 4, {}, "abc{Alt+F}\x1b\x1b", {"messages=", "txtBirthdate=abc", "focus=txtBirthdate"}},
    {"Alt+M and back", 4, {}, "17 sep 98{Alt+M}\x1b\x1b", {"messages=", "txtBirthdate=17 sep 98"}},
    {"Alt+H and back", 4, {}, "abc{Alt+H}\x1b\x1b", {"messages=", "txtBirthdate=abc"}},
    {"File > Exit from the keyboard with a bad date", 4, {}, "abc{Alt+F}x", {"messages=", "ends=1"}},
    // The calendar pop-up.
    {"a picked day fills its box, which turns white again", 4, {}, kTestCalendar + "{Down}\r",
     {"txtTestDate={date:2018-01-21}", kClosed, "colour:txtTestDate=#ffffff"}},
    {"the box being filled is yellow", 4, {}, kTestCalendar, {"colour:txtTestDate=#ffff00", "colour:txtBirthdate=#ffffff"}},
    {"an empty box starts on today", 4, {}, "[cmdShowBirthDateCalendar]\r", {"txtBirthdate={date:2018-01-14}"}},
    {"Esc closes without a pick", 4, {}, kBirth + "[cmdShowBirthDateCalendar]{Down}\x1b",
     {kClosed, "txtBirthdate={date:1998-09-17}", "colour:txtBirthdate=#ffffff"}},
    {"one click on Calculate closes it and calculates", 4, {}, kBirth + kTestCalendar + "{Down}[cmdCalculate]",
     {kClosed, "lblAge=19 - 3 - 27", "txtTestDate={date:2018-01-14}"}},
    {"a module switch closes it", 4, {}, kTestCalendar + "[mnuModule5]", {kClosed}},
    {"two months on keeps the day", 4, {}, kTestCalendar + "[qt_calendar_nextmonth][qt_calendar_nextmonth]\r",
     {"txtTestDate={date:2018-03-14}"}},
    {"a shorter month takes its last day", 4, {}, "[txtTestDate=Jan 31, 2018]" + kTestCalendar + "[qt_calendar_nextmonth]\r",
     {"txtTestDate={date:2018-02-28}"}},
    {"a shortened day carries on month by month", 4, {}, "[txtTestDate=Mar 31, 2018]" + kTestCalendar +
     "[qt_calendar_prevmonth][qt_calendar_prevmonth][qt_calendar_prevmonth][qt_calendar_prevmonth]\r",
     {"txtTestDate={date:2017-11-28}"}},
    {"an upper-case T and digits do nothing", 4, {}, kTestCalendar + "{Shift+T}3\r", {"txtTestDate={date:2018-01-14}"}},
    {"a lower-case t goes back to today", 4, {}, "[txtTestDate=Sep 17, 1998]" + kTestCalendar + "t\r",
     {"txtTestDate={date:2018-01-14}"}},
};

class TestAgeWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void init() { platform.todayDate = QDate(2018, 1, 14); }

    void scenarios_data() { AddRows(kRows); }
    void scenarios() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    void numericDatesFollowTheLocalesOrder() {
        const QString typed = QLocale::system().toString(QDate(1998, 9, 17), QLocale::ShortFormat);
        Run({"", 4, {}, typed + "\t", {"txtBirthdate={date:1998-09-17}"}}, platform);
    }

    void calendarsOpenBesideTheirBoxes() {
        QWidget* form = StartProgram(4);
        form->move(100, 80);
        const QPoint corner = form->frameGeometry().topLeft();
        for (const auto& [button, top] : {std::pair{"cmdShowBirthDateCalendar", 600}, {"cmdShowTestDateCalendar", 1600}}) {
            Play(QString("[%1]").arg(button));
            QWidget* calendar = QApplication::activeWindow();
            QCOMPARE(calendar->objectName(), QString("frmCalendar"));
            QCOMPARE(calendar->frameGeometry().topLeft(), corner + QPoint(modVelmora::TwipsToPixels(3300), modVelmora::TwipsToPixels(top)));
            Play("\x1b");
        }
        StopProgram();
    }
};

QTEST_MAIN(TestAgeWindow)
#include "tst_agewindow.moc"
