#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "age/agestate.h"
#include "age/frmagecalculator.h"
#include "age/frmcalendar.h"
#include "recordingplatform.h"
#include "shell/settingsrecord.h"
#include "shell/twips.h"
#include "teststore.h"
#include "typing.h"

using namespace modVelmora;

// The age calculator and its calendar pop-up, with today fixed at Jan 14, 2018.
class TestAgeWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    std::unique_ptr<frmAgeCalculator> window;

    void open() {
        window = std::make_unique<frmAgeCalculator>();
        window->show();
        QVERIFY(Activate(window->form()));
        window->txtBirthdate->setFocus();
        platform.reset();
    }
    void enter(const QString& birth, const QString& test) {
        window->txtBirthdate->setText(birth);
        window->txtTestDate->setText(test);
    }
    QColor background(const QLineEdit* box) const { return box->palette().color(QPalette::Base); }
    frmCalendar* calendar() const { return window->calendar(); }
    void clickDay(const QDate& date) {
        // The day cells are the calendar's own; a click on one is its clicked signal.
        emit calendar()->MonthView1->clicked(date);
    }

private slots:
    void init() {
        ClearStore();
        Settings() = SettingsRecord{};
        AgeState() = AgeCalculatorState{};
        platform.todayDate = QDate(2018, 1, 14);
    }
    void cleanup() {
        Settings().switching = true;
        window.reset();
        Settings().switching = false;
    }

    void opensWithTodayAsTheTestDate() {
        open();
        QCOMPARE(window->txtTestDate->text(), QString("Jan 14, 2018"));
        QVERIFY(window->txtBirthdate->text().isEmpty());
        QVERIFY(!AgeState().testDate.isValid());
        QCOMPARE(window->txtBirthdate->maxLength(), 18);
        TypeKeys("\r");
        QCOMPARE(platform.beeps, 1);
        QCOMPARE(FocusName(), QString("txtBirthdate"));
    }

    void leavingABoxReformatsOrRefusesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("day month year") << "17 sep 98" << "Sep 17, 1998" << QStringList{};
        QTest::newRow("numbers") << "09/17/98" << "Sep 17, 1998" << QStringList{};
        QTest::newRow("a time is dropped") << "September 17, 1998 9:15" << "Sep 17, 1998" << QStringList{};
        QTest::newRow("not a date") << "abc" << "" << QStringList{"Invalid Date"};
        QTest::newRow("February 30") << "Feb 30, 2000" << "" << QStringList{"Invalid Date"};
    }
    void leavingABoxReformatsOrRefusesIt() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        open();
        window->lblAge->setText("1 - 2 - 3");
        AgeState().birthDate = QDate(1990, 1, 1);
        TypeKeys(typed + "\t");
        QCOMPARE(window->txtBirthdate->text(), shown);
        QCOMPARE(platform.messageTexts(), messages);
        if (messages.isEmpty()) {
            QCOMPARE(AgeState().birthDate, QDate(1998, 9, 17));
            QCOMPARE(FocusName(), QString("txtTestDate"));
        } else {
            QCOMPARE(platform.messages.first().icon, MessageIcon::Exclamation);
            QCOMPARE(AgeState().birthDate, QDate(1990, 1, 1));
            QVERIFY(window->lblAge->text().isEmpty());
            QCOMPARE(FocusName(), QString("txtBirthdate"));
        }
    }

    void calculate_data() {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("focus");
        const QString invalid = "Invalid Date";
        const QString order = "The test date cannot be less than the birth date.";
        QTest::newRow("both dates") << "17 sep 98" << "Jan 14, 2018" << "19 - 3 - 27" << QStringList{} << 0
                                    << "txtBirthdate";
        QTest::newRow("equal dates") << "5/10/10" << "May 10, 2010" << "0 - 0 - 0" << QStringList{} << 0
                                     << "txtBirthdate";
        QTest::newRow("no test date moves the focus only") << "17 sep 98" << "" << "" << QStringList{} << 0
                                                           << "txtTestDate";
        QTest::newRow("no birth date beeps") << "" << "Jan 14, 2018" << "" << QStringList{} << 1 << "txtBirthdate";
        QTest::newRow("a bad birth date, no second message")
            << "abc" << "Jan 14, 2018" << "" << QStringList{invalid} << 0 << "txtBirthdate";
        QTest::newRow("both bad: two messages, focus on the test box")
            << "abc" << "xyz" << "" << QStringList{invalid, invalid} << 0 << "txtTestDate";
        QTest::newRow("test date one day before") << "May 10, 2010" << "May 9, 2010" << "" << QStringList{order}
                                                  << 0 << "txtBirthdate";
    }
    void calculate() {
        QFETCH(QString, birth);
        QFETCH(QString, test);
        QFETCH(QString, age);
        QFETCH(QStringList, messages);
        QFETCH(int, beeps);
        QFETCH(QString, focus);
        open();
        enter(birth, test);
        window->lblAge->setText("previous");
        TypeKeys("\r");  // Enter anywhere calculates, without leaving the box
        QCOMPARE(platform.messageTexts(), messages);
        for (const auto& message : platform.messages) QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(platform.beeps, beeps);
        QCOMPARE(FocusName(), focus);
        if (!age.isEmpty() || !messages.isEmpty()) QCOMPARE(window->lblAge->text(), age);
    }

    void clearKeepsTheStoredDates() {
        open();
        enter("17 sep 98", "Jan 14, 2018");
        window->cmdCalculate->click();
        TypeKeys("\x1b");
        QVERIFY(window->txtBirthdate->text().isEmpty() && window->txtTestDate->text().isEmpty());
        QVERIFY(window->lblAge->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtBirthdate"));
        QCOMPARE(AgeState().birthDate, QDate(1998, 9, 17));
        // The birth date calendar still starts at the last birth date read.
        window->cmdShowBirthDateCalendar->click();
        QCOMPARE(calendar()->MonthView1->selectedDate(), QDate(1998, 9, 17));
    }

    void doubleClickEntersToday() {
        open();
        window->txtTestDate->setText("Jan 1, 2000");
        QTest::mouseDClick(window->txtTestDate, Qt::LeftButton);
        QCOMPARE(window->txtTestDate->text(), QString("Jan 14, 2018"));
        QVERIFY(!AgeState().testDate.isValid());
    }

    void calendarsOpenBesideTheirBoxes() {
        open();
        window->form()->move(100, 80);
        window->cmdShowBirthDateCalendar->click();
        const QPoint corner = window->form()->frameGeometry().topLeft();
        QVERIFY(calendar()->isVisible());
        QCOMPARE(calendar()->frameGeometry().topLeft(), corner + QPoint(TwipsToPixels(3300), TwipsToPixels(600)));
        QCOMPARE(AgeState().calendarTarget, kBirthDateTarget);
        QCOMPARE(background(window->txtBirthdate), QColor(255, 255, 0));
        QCOMPARE(calendar()->MonthView1->selectedDate(), QDate(2018, 1, 14));
        QCOMPARE(calendar()->MonthView1->toolTip(), QString("Press ESC to cancel or 'T' to return to today's date"));
        calendar()->close();

        window->cmdShowTestDateCalendar->click();
        QCOMPARE(calendar()->frameGeometry().topLeft(), corner + QPoint(TwipsToPixels(3300), TwipsToPixels(1600)));
        QCOMPARE(background(window->txtTestDate), QColor(255, 255, 0));
        QCOMPARE(background(window->txtBirthdate), QColor(255, 255, 255));
    }

    void aPickedDayFillsTheBox() {
        open();
        window->txtTestDate->setText("Jan 14, 2018");
        window->cmdShowTestDateCalendar->click();
        QCOMPARE(AgeState().testDate, QDate(2018, 1, 14));
        QCOMPARE(calendar()->MonthView1->monthShown(), 1);
        QCOMPARE(calendar()->MonthView1->yearShown(), 2018);
        clickDay(QDate(2018, 1, 17));
        QVERIFY(!calendar()->isVisible());
        QCOMPARE(window->txtTestDate->text(), QString("Jan 17, 2018"));
        QCOMPARE(background(window->txtTestDate), QColor(255, 255, 255));
        QCOMPARE(AgeState().calendarTarget, 0);
        // The stored date follows when the box is next checked.
        QCOMPARE(AgeState().testDate, QDate(2018, 1, 14));
    }

    void escapeAndFocusLossCloseWithoutAPick_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("a click back in the age window") << false;
    }
    void escapeAndFocusLossCloseWithoutAPick() {
        QFETCH(bool, escape);
        open();
        window->txtBirthdate->setText("Sep 17, 1998");
        window->cmdShowBirthDateCalendar->click();
        QVERIFY(calendar()->isVisible());
        if (escape) {
            QTest::keyClick(calendar()->MonthView1->findChild<QTableView*>(), Qt::Key_Escape);
        } else {
            const QPoint inside = window->lblAge->mapTo(window->form(), QPoint(5, 5));
            QTest::mouseClick(window->form()->windowHandle(), Qt::LeftButton, {}, inside);
        }
        QTRY_VERIFY(!calendar()->isVisible());
        QCOMPARE(window->txtBirthdate->text(), QString("Sep 17, 1998"));
        QCOMPARE(background(window->txtBirthdate), QColor(255, 255, 255));
        QCOMPARE(AgeState().calendarTarget, 0);
        QVERIFY(!AgeState().pickedDate.isValid());
    }

    void lowerCaseTGoesBackToToday() {
        open();
        window->txtBirthdate->setText("Sep 17, 1998");
        window->cmdShowBirthDateCalendar->click();
        auto* days = calendar()->MonthView1->findChild<QTableView*>();
        QTest::keyClick(days, 'T');  // an upper-case T is not special
        QCOMPARE(calendar()->MonthView1->yearShown(), 1998);
        QTest::keyClick(days, 't');
        QVERIFY(calendar()->isVisible());
        QCOMPARE(calendar()->MonthView1->selectedDate(), QDate(2018, 1, 14));
        QCOMPARE(calendar()->MonthView1->yearShown(), 2018);
    }

    void leavingTheWindowClosesThePopUp() {
        open();
        window->cmdShowBirthDateCalendar->click();
        Settings().switching = true;
        window->unload();
        Settings().switching = false;
        QVERIFY(!calendar()->isVisible());
        QCOMPARE(AgeState().calendarTarget, 0);
    }
};

QTEST_MAIN(TestAgeWindow)
#include "tst_agewindow.moc"
