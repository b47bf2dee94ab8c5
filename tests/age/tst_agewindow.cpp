#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "age/agestate.h"
#include "age/datetext.h"
#include "age/frmagecalculator.h"
#include "age/frmcalendar.h"
#include "shell/twips.h"
#include "rows.h"
#include "windowfixture.h"

using namespace modVelmora;

struct CalculateRow { const char* name; const char* birth; const char* test; const char* age; QStringList messages; int beeps; const char* focus; };
Q_DECLARE_METATYPE(CalculateRow)

const QString kInvalid = "Invalid Date";
const CalculateRow kCalculateRows[] = {
    {"both dates", "17 sep 98", "Jan 14, 2018", "19 - 3 - 27", {}, 0, "txtBirthdate"},
    {"equal dates", "2010-05-10", "May 10, 2010", "0 - 0 - 0", {}, 0, "txtBirthdate"},
    {"no test date moves the focus only", "17 sep 98", "", "previous", {}, 0, "txtTestDate"},
    {"no birth date beeps", "", "Jan 14, 2018", "previous", {}, 1, "txtBirthdate"},
    {"a bad birth date, no second message", "abc", "Jan 14, 2018", "", {kInvalid}, 0, "txtBirthdate"},
    {"both bad: two messages, the focus on the test box", "abc", "xyz", "", {kInvalid, kInvalid}, 0, "txtTestDate"},
    {"test date a day early", "May 10, 2010", "May 9, 2010", "", {"The test date cannot be less than the birth date."}, 0, "txtBirthdate"},
};

// The age calculator and its calendar pop-up, with today fixed at Jan 14, 2018.
class TestAgeWindow : public QObject, WindowFixture<frmAgeCalculator> {
    Q_OBJECT

    void open(const QString& birth = {}, const QString& test = "Jan 14, 2018") {
        WindowFixture::open();
        window->txtBirthdate->setText(birth);
        window->txtTestDate->setText(test);
        window->txtBirthdate->setFocus();
    }
    bool yellow(const QLineEdit* box) const { return box->palette().color(QPalette::Base) == QColor(255, 255, 0); }
    QCalendarWidget* monthView() const { return window->calendar()->MonthView1; }

private slots:
    void init() {
        ClearStore();
        AgeState() = AgeCalculatorState{};
        platform.todayDate = QDate(2018, 1, 14);
    }
    void cleanup() { close(); }

    void opensWithTodayAsTheTestDate() {
        WindowFixture::open();
        const QString today = DateText(QDate(2018, 1, 14));
        QCOMPARE(window->txtTestDate->text(), today);
        QVERIFY(window->txtBirthdate->text().isEmpty() && !AgeState().testDate.isValid());
        window->txtTestDate->setText("Jan 1, 2000");
        QTest::mouseDClick(window->txtTestDate, Qt::LeftButton);
        QCOMPARE(window->txtTestDate->text(), today);
    }

    void leavingABoxReformatsOrRefusesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const QString shown = DateText(QDate(1998, 9, 17));
        QTest::newRow("day month year") << "17 sep 98" << shown;
        QTest::newRow("numbers in the locale's order")
            << QLocale::system().toString(QDate(1998, 9, 17), QLocale::ShortFormat) << shown;
        QTest::newRow("a time is dropped") << "September 17, 1998 9:15" << shown;
        QTest::newRow("not a date") << "abc" << "";
        QTest::newRow("February 30") << "Feb 30, 2000" << "";
    }
    void leavingABoxReformatsOrRefusesIt() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        open();
        window->lblAge->setText("1 - 2 - 3");
        AgeState().birthDate = QDate(1990, 1, 1);
        TypeKeys(typed + "\t");
        QCOMPARE(window->txtBirthdate->text(), shown);
        const bool good = !shown.isEmpty();
        QCOMPARE(platform.messageTexts(), good ? QStringList() : QStringList{"Invalid Date"});
        QVERIFY(good || platform.messages.first().icon == MessageIcon::Exclamation);
        QCOMPARE(AgeState().birthDate, good ? QDate(1998, 9, 17) : QDate(1990, 1, 1));
        QCOMPARE(window->lblAge->text(), good ? QString("1 - 2 - 3") : QString());
        QCOMPARE(FocusName(), good ? QString("txtTestDate") : QString("txtBirthdate"));
    }

    void calculate_data() { AddRows(kCalculateRows); }
    void calculate() {
        QFETCH(CalculateRow, row);
        open(row.birth, row.test);
        window->lblAge->setText("previous");
        TypeKeys("\r");  // Enter anywhere calculates, without leaving the box
        QCOMPARE(platform.messageTexts(), row.messages);
        for (const auto& message : platform.messages) QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(platform.beeps, row.beeps);
        QCOMPARE(FocusName(), QString(row.focus));
        QCOMPARE(window->lblAge->text(), QString(row.age));
    }

    void clearKeepsTheStoredDates() {
        open("17 sep 98");
        window->cmdCalculate->click();
        TypeKeys("\x1b");
        QVERIFY(window->txtBirthdate->text().isEmpty() && window->txtTestDate->text().isEmpty());
        QVERIFY(window->lblAge->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtBirthdate"));
        // The birth date calendar still starts at the last birth date read.
        window->cmdShowBirthDateCalendar->click();
        QCOMPARE(monthView()->selectedDate(), QDate(1998, 9, 17));
    }

    void calendarsOpenBesideTheirBoxesAndFillThem() {
        open();
        window->form()->move(100, 80);
        const QPoint corner = window->form()->frameGeometry().topLeft();
        window->cmdShowBirthDateCalendar->click();
        QCOMPARE(window->calendar()->frameGeometry().topLeft(), corner + QPoint(TwipsToPixels(3300), TwipsToPixels(600)));
        QVERIFY(yellow(window->txtBirthdate) && !yellow(window->txtTestDate));
        QCOMPARE(monthView()->selectedDate(), QDate(2018, 1, 14));  // an empty box starts on today
        window->calendar()->close();

        window->cmdShowTestDateCalendar->click();
        QCOMPARE(window->calendar()->frameGeometry().topLeft(), corner + QPoint(TwipsToPixels(3300), TwipsToPixels(1600)));
        QVERIFY(yellow(window->txtTestDate) && !yellow(window->txtBirthdate));
        emit monthView()->clicked(QDate(2018, 1, 17));
        QVERIFY(!window->calendar()->isVisible());
        QCOMPARE(window->txtTestDate->text(), DateText(QDate(2018, 1, 17)));
        QVERIFY(!yellow(window->txtTestDate));
        QCOMPARE(AgeState().calendarTarget, 0);
    }

    void escapeFocusLossAndLeavingCloseWithoutAPick_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("age");
        QTest::newRow("Esc") << "escape" << "";
        QTest::newRow("one click on Calculate closes it and calculates") << "click" << "19 - 3 - 27";
        QTest::newRow("a module switch") << "switch" << "";
    }
    void escapeFocusLossAndLeavingCloseWithoutAPick() {
        QFETCH(QString, how);
        QFETCH(QString, age);
        open(DateText(QDate(1998, 9, 17)));
        window->cmdShowBirthDateCalendar->click();
        QVERIFY(window->calendar()->isVisible());
        if (how == "escape") QTest::keyClick(monthView()->findChild<QTableView*>(), Qt::Key_Escape);
        if (how == "click") {
            // As the window system does for a click on another window: activate it, then deliver the click.
            QVERIFY(Activate(window->form()));
            QTest::mouseClick(window->form()->windowHandle(), Qt::LeftButton, {},
                              window->cmdCalculate->mapTo(window->form(), QPoint(20, 20)));
        }
        if (how == "switch") leave();
        QTRY_VERIFY(!window->calendar()->isVisible());
        if (how != "switch") QCOMPARE(window->txtBirthdate->text(), DateText(QDate(1998, 9, 17)));
        QCOMPARE(window->lblAge->text(), age);
        QCOMPARE(AgeState().calendarTarget, 0);
        QVERIFY(!AgeState().pickedDate.isValid());
    }

    void openingAMenuIsNotLeavingTheBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifier");
        for (const char* typed : {"abc", "17 sep 98"}) {
            QTest::newRow(qPrintable(QString("Alt with %1").arg(typed))) << typed << int(Qt::Key_Alt) << int(Qt::NoModifier);
            QTest::newRow(qPrintable(QString("F10 with %1").arg(typed))) << typed << int(Qt::Key_F10) << int(Qt::NoModifier);
            for (const Qt::Key menu : {Qt::Key_F, Qt::Key_M, Qt::Key_H})
                QTest::newRow(qPrintable(QString("Alt+%1 with %2").arg(QChar(menu)).arg(typed))) << typed << int(menu) << int(Qt::AltModifier);
        }
    }
    void openingAMenuIsNotLeavingTheBox() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifier);
        open();
        TypeKeys(typed);
        QTest::keyClick(window->txtBirthdate, Qt::Key(key), Qt::KeyboardModifiers(modifier));
        // Esc until the menu and the menu bar have let go; one more would clear the window.
        for (int back = 0; back < 2 && QApplication::focusWidget() != window->txtBirthdate; ++back)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(window->txtBirthdate->text(), typed);
        QCOMPARE(FocusName(), QString("txtBirthdate"));
    }

    void fileExitFromTheKeyboardWithABadDate() {
        open();
        TypeKeys("abc");
        QTest::keyClick(window->txtBirthdate, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
        QCOMPARE(platform.programEnds, 1);
        QVERIFY(platform.messages.isEmpty());
    }

    void enterPicksTheDayFramedOnScreen_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("picked");
        QTest::newRow("two months on keeps the day") << QDate(2018, 1, 14) << ">>" << QDate(2018, 3, 14);
        QTest::newRow("a shorter month takes its last day") << QDate(2018, 1, 31) << ">" << QDate(2018, 2, 28);
        QTest::newRow("a shortened day carries on month by month") << QDate(2018, 3, 31) << "<<<<" << QDate(2017, 11, 28);
        QTest::newRow("an upper-case T and digits do nothing") << QDate(2018, 1, 14) << "T3" << QDate(2018, 1, 14);
        QTest::newRow("arrow keys still move the day") << QDate(2018, 1, 31) << "v" << QDate(2018, 2, 7);
    }
    void enterPicksTheDayFramedOnScreen() {
        QFETCH(QDate, start);
        QFETCH(QString, keys);
        QFETCH(QDate, picked);
        open("", DateText(start));
        window->cmdShowTestDateCalendar->click();
        auto* days = monthView()->findChild<QTableView*>();
        const QList<QWidget*> shownBefore = window->calendar()->findChildren<QWidget*>();
        for (const QChar key : keys) {
            if (key == '>' || key == '<')
                QTest::mouseClick(monthView()->findChild<QWidget*>(key == '>' ? "qt_calendar_nextmonth" : "qt_calendar_prevmonth"),
                                  Qt::LeftButton);
            else if (key == 'v')
                QTest::keyClick(days, Qt::Key_Down);
            else
                QTest::keyClick(days, key.toLatin1(), key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
        }
        // No editor of the calendar's own has opened over the days.
        for (QWidget* child : window->calendar()->findChildren<QWidget*>())
            QVERIFY2(shownBefore.contains(child) || !child->isVisible(), qPrintable(child->metaObject()->className()));
        QTest::keyClick(days, Qt::Key_Return);
        QVERIFY(!window->calendar()->isVisible());
        QCOMPARE(window->txtTestDate->text(), DateText(picked));
    }

    void lowerCaseTGoesBackToToday() {
        open("Sep 17, 1998");
        window->cmdShowBirthDateCalendar->click();
        QCOMPARE(monthView()->yearShown(), 1998);
        QTest::keyClick(monthView()->findChild<QTableView*>(), 't');
        QVERIFY(window->calendar()->isVisible());
        QCOMPARE(monthView()->selectedDate(), QDate(2018, 1, 14));
        QCOMPARE(monthView()->yearShown(), 2018);
    }
};

QTEST_MAIN(TestAgeWindow)
#include "tst_agewindow.moc"
