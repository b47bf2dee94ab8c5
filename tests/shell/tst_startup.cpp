#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <map>
#include <QtTest>

#include "modules.h"
#include "rawscore/frmrawscoreconverter.h"
#include "recordingplatform.h"
#include "shell/frmsplash.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "shell/twips.h"
#include "shell/updown.h"
#include "rows.h"
#include "program.h"

using namespace modVelmora;

struct StartRow { const char* name; QStringList stored; int module; QPoint position; QStringList saved; };
Q_DECLARE_METATYPE(StartRow)

QStringList saved(int view, const char* decimals, const char* left, const char* top, const char* useTTest) {
    return {QString("View=%1").arg(view), QString("Number of Decimals=") + decimals, QString("Left Coordinates=") + left,
            QString("Top Coordinates=") + top, QString("UseTTest=") + useTTest};
}

// What the store holds at start, the window opened and where, and what closing it saves.
const StartRow kStartRows[] = {
    {"first run", {}, 1, {49, 49}, saved(1, "1", "729", "729", "0")},
    {"saved position and options", {"Left Coordinates=1500", "Top Coordinates=3000", "Number of Decimals=3", "UseTTest=1"}, 1,
     {100, 200}, saved(1, "3", "1500", "3000", "1")},
    {"negative position", {"Left Coordinates=-300", "Top Coordinates=-150"}, 1, {-20, -10}, saved(1, "1", "-300", "-150", "0")},
    {"view 2", {"View=2"}, 2, {49, 49}, saved(2, "1", "729", "729", "0")},
    {"view 4", {"View=4"}, 4, {49, 49}, saved(4, "1", "729", "729", "0")},
    {"view 5", {"View=5"}, 5, {49, 49}, saved(5, "1", "729", "729", "0")},
    {"view 3 opens the raw score window", {"View=3"}, 1, {49, 49}, saved(1, "1", "729", "729", "0")},
    {"view 0 opens the raw score window", {"View=0"}, 1, {49, 49}, saved(1, "1", "729", "729", "0")},
    {"a damaged store is saved clean", {"View=x", "Number of Decimals=x", "UseTTest=5", "Top Coordinates=1e9"}, 1, {49, 49},
     saved(1, "1", "729", "729", "1")},
};

// The program from its start: splash, settings read from the store, the
// window of the last run, and the settings saved when that window closes.
class TestStartUp : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    ModuleWindow* shownWindow() const { return ShownModules().value(0); }

private slots:
    void init() {
        ResetProgram();
        RegisterModuleWindows();
        platform.reset();
    }
    void cleanup() {
        ReleaseProgram();
    }

    void splashEndsOnceOnItsFirstTrigger_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("startUps");
        for (const char* trigger : {"timer", "window", "picture", "Enter", "Escape", "Backspace", "letter", "close request"})
            QTest::newRow(trigger) << trigger << 1;
        QTest::newRow("a click on the version does nothing") << "version" << 0;
        QTest::newRow("a key that types nothing") << "Shift" << 0;
    }
    void splashEndsOnceOnItsFirstTrigger() {
        QFETCH(QString, trigger);
        QFETCH(int, startUps);
        int count = 0;
        auto* splash = new frmSplash([&] { ++count; });
        QPointer<frmSplash> alive(splash);
        splash->show();
        QCOMPARE(splash->lblVersion->text(), QString("Version 5.4.0"));
        const std::map<QString, Qt::Key> keys{{"Enter", Qt::Key_Return}, {"Escape", Qt::Key_Escape},
                                              {"Backspace", Qt::Key_Backspace}, {"letter", Qt::Key_X},
                                              {"Shift", Qt::Key_Shift}};
        if (keys.count(trigger)) QTest::keyClick(splash, keys.at(trigger));
        if (trigger == "timer") emit splash->tmrSplashTimer->timeout({});
        if (trigger == "window") QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3));
        if (trigger == "picture") QTest::mouseClick(splash->imgSplash, Qt::LeftButton);
        if (trigger == "version") QTest::mouseClick(splash->lblVersion, Qt::LeftButton);
        if (trigger == "close request") splash->close();  // Alt+F4 or the window system's close
        QCOMPARE(count, startUps);
        QCOMPARE(splash->tmrSplashTimer->isActive(), startUps == 0);
        splash->EndSplash();  // a later trigger does nothing more
        QCOMPARE(count, 1);
        QTRY_VERIFY(alive.isNull());
    }

    void startUpOpensTheSavedWindowAndClosingSavesOnce_data() { AddRows(kStartRows); }
    void startUpOpensTheSavedWindowAndClosingSavesOnce() {
        QFETCH(StartRow, row);
        for (const QString& line : row.stored) Store(line.section('=', 0, 0), line.section('=', 1));
        StartUp();
        ModuleWindow* window = shownWindow();
        QVERIFY(window);
        QCOMPARE(window->moduleNumber(), row.module);
        QCOMPARE(window->form()->pos(), row.position);
        StoreWriteLog log;
        window->form()->close();
        QCOMPARE(log.writes, row.saved);
        QCOMPARE(platform.programEnds, 1);
        QVERIFY(!shownWindow());
        for (const QString& line : row.saved) QCOMPARE(Stored(line.section('=', 0, 0)), line.section('=', 1));
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
        StartUp();
        QVERIFY(shownWindow());
        QCOMPARE(Settings().numberOfDecimals, 1);
        shownWindow()->form()->close();
        QCOMPARE(platform.programEnds, 1);
        if (content.isEmpty()) {
            QVERIFY(QDir().rmdir(path));
        } else {
            QCOMPARE(Stored("Number of Decimals"), QString("1"));  // saved clean
        }
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
