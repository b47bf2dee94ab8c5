#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "modules.h"
#include "rawscore/frmrawscoreconverter.h"
#include "recordingplatform.h"
#include "shell/frmsplash.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "shell/twips.h"
#include "shell/updown.h"
#include "teststore.h"

using namespace modVelmora;

// The program from its start: splash, settings read from the store, the
// window of the last run, and the settings saved when that window closes.
class TestStartUp : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    ModuleWindow* shownWindow() const {
        for (int number = ModuleWindow::kFirstModule; number <= ModuleWindow::kLastModule; ++number)
            if (IsModuleAvailable(number) && ModuleWindowFor(number)->isLoaded()) return ModuleWindowFor(number);
        return nullptr;
    }

private slots:
    void init() {
        ClearStore();
        ClearModules();
        RegisterModuleWindows();
        Settings() = SettingsRecord{};
        platform.reset();
    }
    void cleanup() {
        Settings().switching = true;
        ClearModules();
        Settings().switching = false;
    }

    void splashShowsTheProgramVersion() {
        frmSplash splash([] {});
        QCOMPARE(splash.lblVersion->text(), QString("Version 5.4.0"));
        QCOMPARE(splash.imgSplash->pixmap().size(), QSize(522, 275));
        QCOMPARE(splash.size(), TwipSize(8520, 4530));
        QCOMPARE(splash.tmrSplashTimer->interval(), 3500);
        QVERIFY(splash.tmrSplashTimer->isActive());
    }

    void splashEndsOnceOnItsFirstTrigger_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("startUps");
        QTest::newRow("timer tick") << "timer" << 1;
        QTest::newRow("click on the window") << "window" << 1;
        QTest::newRow("click on the picture") << "picture" << 1;
        QTest::newRow("click on the version does nothing") << "version" << 0;
        QTest::newRow("Enter") << "enter" << 1;
        QTest::newRow("Escape") << "escape" << 1;
        QTest::newRow("Backspace") << "backspace" << 1;
        QTest::newRow("a letter") << "letter" << 1;
        QTest::newRow("a key that types nothing") << "shift" << 0;
    }
    void splashEndsOnceOnItsFirstTrigger() {
        QFETCH(QString, trigger);
        QFETCH(int, startUps);
        int count = 0;
        auto* splash = new frmSplash([&] { ++count; });
        QPointer<frmSplash> alive(splash);
        splash->show();
        if (trigger == "timer") emit splash->tmrSplashTimer->timeout({});
        if (trigger == "window") QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3));
        if (trigger == "picture") QTest::mouseClick(splash->imgSplash, Qt::LeftButton);
        if (trigger == "version") QTest::mouseClick(splash->lblVersion, Qt::LeftButton);
        if (trigger == "enter") QTest::keyClick(splash, Qt::Key_Return);
        if (trigger == "escape") QTest::keyClick(splash, Qt::Key_Escape);
        if (trigger == "backspace") QTest::keyClick(splash, Qt::Key_Backspace);
        if (trigger == "letter") QTest::keyClick(splash, 'x');
        if (trigger == "shift") QTest::keyClick(splash, Qt::Key_Shift);
        QCOMPARE(count, startUps);
        if (startUps == 0) {
            QVERIFY(splash->tmrSplashTimer->isActive());
            delete splash;
            return;
        }
        QVERIFY(!splash->tmrSplashTimer->isActive());
        // Later triggers do nothing more.
        splash->EndSplash();
        QCOMPARE(count, 1);
        QTRY_VERIFY(alive.isNull());
    }

    void startUpOpensTheSavedWindowAtItsPlace_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("module");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("first run") << QStringList{} << 1 << QPoint(49, 49);
        QTest::newRow("saved position") << QStringList{"Left Coordinates=1500", "Top Coordinates=3000"} << 1
                                        << QPoint(100, 200);
        QTest::newRow("negative position is used as stored")
            << QStringList{"Left Coordinates=-300", "Top Coordinates=-150"} << 1 << QPoint(-20, -10);
        QTest::newRow("view 2 opens the score converter") << QStringList{"View=2"} << 2 << QPoint(49, 49);
        QTest::newRow("view 4 opens the age calculator") << QStringList{"View=4"} << 4 << QPoint(49, 49);
        QTest::newRow("view 5 opens the calculator") << QStringList{"View=5"} << 5 << QPoint(49, 49);
        QTest::newRow("view 3 opens the raw score window") << QStringList{"View=3"} << 1 << QPoint(49, 49);
        QTest::newRow("view 0 opens the raw score window") << QStringList{"View=0"} << 1 << QPoint(49, 49);
        QTest::newRow("damaged view opens the raw score window") << QStringList{"View=x"} << 1 << QPoint(49, 49);
    }
    void startUpOpensTheSavedWindowAtItsPlace() {
        QFETCH(QStringList, stored);
        QFETCH(int, module);
        QFETCH(QPoint, position);
        for (const QString& line : stored) Store(line.section('=', 0, 0), line.section('=', 1));
        StartUp();
        ModuleWindow* window = shownWindow();
        QVERIFY(window);
        QCOMPARE(window->moduleNumber(), module);
        QCOMPARE(window->form()->pos(), position);
        QCOMPARE(Settings().view, module);
    }

    void closingSavesTheSettingsOnceInOrder_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("saved");
        QTest::newRow("first run") << QStringList{}
                                   << QStringList{"View=1", "Number of Decimals=1", "Left Coordinates=729",
                                                  "Top Coordinates=729", "UseTTest=0"};
        QTest::newRow("options kept") << QStringList{"Number of Decimals=3", "UseTTest=1", "Left Coordinates=-300"}
                                      << QStringList{"View=1", "Number of Decimals=3", "Left Coordinates=-300",
                                                     "Top Coordinates=729", "UseTTest=1"};
        QTest::newRow("damaged store is saved clean")
            << QStringList{"View=9", "Number of Decimals=x", "UseTTest=5", "Top Coordinates=1e9"}
            << QStringList{"View=1", "Number of Decimals=1", "Left Coordinates=729", "Top Coordinates=729",
                           "UseTTest=1"};
    }
    void closingSavesTheSettingsOnceInOrder() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, saved);
        for (const QString& line : stored) Store(line.section('=', 0, 0), line.section('=', 1));
        StartUp();
        StoreWriteLog log;
        shownWindow()->form()->close();
        QCOMPARE(log.writes, saved);
        QCOMPARE(platform.programEnds, 1);
        QVERIFY(!shownWindow());
        for (const QString& line : saved) QCOMPARE(Stored(line.section('=', 0, 0)), line.section('=', 1));
    }

    void aMovedWindowSavesItsNewPosition() {
        StartUp();
        shownWindow()->form()->move(200, 100);
        shownWindow()->form()->close();
        QCOMPARE(Stored("Left Coordinates"), QString("3000"));
        QCOMPARE(Stored("Top Coordinates"), QString("1500"));
    }

    void optionsChangedInTheWindowAreSavedAtExit() {
        StartUp();
        auto* window = static_cast<frmRawScoreConverter*>(shownWindow());
        window->chkUseTtest->click();
        window->UpDown1->setValue(2);
        QVERIFY(!Stored("UseTTest"));
        window->form()->close();
        QCOMPARE(Stored("UseTTest"), QString("1"));
        QCOMPARE(Stored("Number of Decimals"), QString("2"));

        // The next run opens expanded with two decimals.
        ClearModules();
        RegisterModuleWindows();
        StartUp();
        window = static_cast<frmRawScoreConverter*>(shownWindow());
        QVERIFY(window->chkUseTtest->isChecked());
        QCOMPARE(window->lblNumberOfDecimals->text(), QString(" 2"));
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
