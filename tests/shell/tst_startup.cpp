#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "modules.h"
#include "rows.h"
#include "scenario.h"
#include "shell/frmsplash.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "shell/settingsstore.h"

using namespace modVelmora;

const QString kDefaultsSaved = "stored:Number of Decimals=1|stored:Left Coordinates=729|stored:Top Coordinates=729|stored:UseTTest=0";

// What the store holds at start, the window shown and where; then what File > Exit saves.
const Scenario kStartRows[] = {
    {"first run", 1, {}, "", ("window=frmRawScoreConverter|position=49,49|stored:View=1|" + kDefaultsSaved).split('|')},
    {"saved position and options", 1, {"Left Coordinates=1500", "Top Coordinates=3000", "Number of Decimals=3", "UseTTest=1"}, "",
     {"position=100,200", "checked:chkUseTtest=1", "stored:Number of Decimals=3", "stored:Left Coordinates=1500", "stored:UseTTest=1"}},
    {"negative position", 1, {"Left Coordinates=-300", "Top Coordinates=-150"}, "",
     {"position=-20,-10", "stored:Left Coordinates=-300", "stored:Top Coordinates=-150"}},
    {"view 2", 2, {}, "", {"window=frmScoreConverter", "stored:View=2"}},
    {"view 4", 4, {}, "", {"window=frmAgeCalculator", "stored:View=4"}},
    {"view 5", 5, {}, "", {"window=frmCalculator", "position=49,49", "stored:View=5"}},
    {"view 3 opens the raw score window", 3, {}, "", {"window=frmRawScoreConverter", "stored:View=1"}},
    {"view 0 opens the raw score window", 0, {}, "", {"window=frmRawScoreConverter", "stored:View=1"}},
    {"a damaged store is saved clean", 1, {"View=x", "Number of Decimals=1.5", "UseTTest=yes", "Top Coordinates=1e9", "Left Coordinates= 12"},
     "", {"window=frmRawScoreConverter", "checked:chkUseTtest=0", "position=49,49", "stored:View=1", "stored:Number of Decimals=1"}},
    {"out of range values take their defaults", 1, {"View=256", "UseTTest=-1", "Number of Decimals=-2", "Top Coordinates=32768",
     "Left Coordinates=-99999999999999999999"}, "", {"window=frmRawScoreConverter", "lblNumberOfDecimals= 1", "position=49,49"}},
    {"decimals above 4 are 4, a t-test value but 0 is 1", 1, {"Number of Decimals=200", "UseTTest=7", "View=+2"}, "",
     {"window=frmRawScoreConverter", "lblNumberOfDecimals= 4", "checked:chkUseTtest=1", "stored:Number of Decimals=4", "stored:UseTTest=1"}},
};

// The program from its start: splash, settings read from the store, the
// window of the last run, and the settings saved when that window closes.
class TestStartUp : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void splashEndsOnceOnItsFirstTrigger_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("startUps");
        const std::pair<const char*, const char*> ending[] = {{"timer", "timer"}, {"window", "corner"}, {"picture", "[imgSplash]"},
            {"Enter", "\r"}, {"Esc", "\x1b"}, {"Backspace", "\b"}, {"a letter", "x"}, {"Alt+F4 or the window system", "close"}};
        for (const auto& [name, trigger] : ending) QTest::newRow(name) << trigger << 1;
        QTest::newRow("a click on the version does nothing") << "[lblVersion]" << 0;
        QTest::newRow("a key that types nothing") << "{Shift}" << 0;
    }
    void splashEndsOnceOnItsFirstTrigger() {
        QFETCH(QString, trigger);
        QFETCH(int, startUps);
        int count = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++count; });
        splash->show();
        Activate(splash);
        QPointer<QTimer> timer = splash->findChild<QTimer*>("tmrSplashTimer");
        QCOMPARE(splash->findChild<QLabel*>("lblVersion")->text(), QString("Version 5.4.0"));
        if (trigger == "timer") emit timer->timeout({});
        else if (trigger == "corner") QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3));
        else if (trigger == "close") splash->close();
        else Play(trigger);
        QCOMPARE(count, startUps);
        QCOMPARE(timer && timer->isActive(), startUps == 0);
        if (splash) splash->EndSplash();  // a later trigger does nothing more
        QCOMPARE(count, 1);
        QTRY_VERIFY(splash.isNull());
    }

    void startUpOpensTheSavedWindowAndExitSavesIt_data() { AddRows(kStartRows); }
    void startUpOpensTheSavedWindowAndExitSavesIt() {
        QFETCH(Scenario, row);
        StartProgram(row.module, row.stored);
        platform.reset();
        Check(row.seen.filter(QRegularExpression("^(?!stored:)")), platform);
        Play("[mnuExit]");
        QCOMPARE(platform.programEnds, 1);
        Check(row.seen.filter("stored:"), platform);
        StopProgram();
    }

    void aDamagedOrUnwritableStoreFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[Para\x01meters]\nView=\xff\xff", 20);
        QTest::newRow("cut off in the middle") << QByteArray("[Parameters]\nView=4\nNumber%20of%20Dec");
        QTest::newRow("a folder where the file belongs") << QByteArray();
    }
    void aDamagedOrUnwritableStoreFile() {
        QFETCH(QByteArray, content);
        const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Velmora").fileName();
        QFile::remove(path);
        QDir().mkpath(QFileInfo(path).path());
        if (content.isEmpty()) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        NewProgram().StartUp();
        QVERIFY(TheProgram().window(Settings().view)->isLoaded());
        QCOMPARE(Settings().numberOfDecimals, 1);
        platform.reset();
        Play("[mnuExit]");
        QCOMPARE(platform.programEnds, 1);
        if (content.isEmpty()) QVERIFY(QDir().rmdir(path));
        else QCOMPARE(ReadStoredValue("Number of Decimals"), QString("1"));  // saved clean
        StopProgram();
    }

    void optionsChangedInTheWindowAreSavedAtExitAndComeBack() {
        StartProgram(1);
        Play("[chkUseTtest][up]");
        QVERIFY(!ReadStoredValue("UseTTest"));
        Play("[mnuExit]");
        QCOMPARE(ReadStoredValue("UseTTest"), QString("1"));
        QCOMPARE(ReadStoredValue("Number of Decimals"), QString("2"));
        NewProgram().StartUp();
        Check({"checked:chkUseTtest=1", "lblNumberOfDecimals= 2"}, platform);
        StopProgram();
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
