#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "recordingplatform.h"
#include "shell/aboutanimation.h"
#include "shell/frmabout.h"
#include "shell/frmlicense.h"
#include "shell/modvelmora.h"
#include "teststore.h"

using namespace modVelmora;

namespace {

// Format, channels, rate, bits and size of a RIFF/WAVE file; empty when the header is not one.
QList<int> waveHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    const auto u16 = [&](int at) { return int(quint8(data[at]) | quint8(data[at + 1]) << 8); };
    const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    if (!data.startsWith("RIFF") || data.mid(8, 8) != "WAVEfmt " || u32(4) != data.size() - 8) return {};
    return {u16(20), u16(22), u32(24), u16(34), int(data.size())};
}

}  // namespace

// The About box, its closing animation and sounds, and the terms dialog.
class TestAbout : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    std::unique_ptr<frmAbout> about;

    void open() {
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    }
    // Runs the closing animation tick by tick, as the timer would, noting each interval.
    QList<int> runAnimation() {
        QList<int> intervals;
        while (about->isVisible() && intervals.size() < 1000) {
            intervals << about->tmrExit->interval();
            about->tmrExit_Timer();
        }
        return intervals;
    }

private slots:
    void init() {
        ClearStore();
        platform.reset();
        platform.windowOpacity = false;
        about = std::make_unique<frmAbout>();
    }
    void cleanup() { about.reset(); }

    void greetsAndLinks() {
        open();
        QCOMPARE(about->lblVersion->text(), QString("Version 5.4.0"));
        QCOMPARE(platform.sounds, QList<int>{2});
        QTest::mouseClick(about->lblMyWebSite, Qt::LeftButton);
        QCOMPARE(platform.openedUrls, QStringList{WebSiteAddress()});
    }

    void closingTakes101TicksAndEndsWithTheLongSound() {
        open();
        about->cmdOK->click();
        const QList<int> intervals = runAnimation();
        QCOMPARE(intervals.size(), 101);
        QCOMPARE(intervals.mid(0, 50), QList<int>(50, 2));
        QCOMPARE(intervals.mid(50), QList<int>(51, 5));
        QCOMPARE(platform.sounds, QList<int>({2, 1}));
        QVERIFY(!about->tmrExit->isActive());
        QCOMPARE(about->alphaLevel(), 0);
        QCOMPARE(about->animation().scale(), 0.0f);
    }

    void enterAndEscStartTheAnimationAndOkAgainChangesNothing_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscStartTheAnimationAndOkAgainChangesNothing() {
        QFETCH(int, key);
        open();
        QTest::keyClick(about->cmdOK, Qt::Key(key));
        QVERIFY(about->isVisible() && about->tmrExit->isActive());
        for (int i = 0; i < 60; ++i) about->tmrExit_Timer();
        const float scale = about->animation().scale();
        about->cmdOK->click();
        QCOMPARE(about->animation().scale(), scale);
        QCOMPARE(about->tmrExit->interval(), 5);
    }

    void theFadeRunsOnlyWhereWindowsCanFade_data() {
        QTest::addColumn<bool>("canFade");
        QTest::newRow("can fade") << true;
        QTest::newRow("cannot fade") << false;
    }
    void theFadeRunsOnlyWhereWindowsCanFade() {
        QFETCH(bool, canFade);
        platform.windowOpacity = canFade;
        open();
        about->cmdOK->click();
        for (int i = 0; i < 50; ++i) about->tmrExit_Timer();
        QVERIFY(!about->tmrTransparency->isActive());
        about->tmrExit_Timer();
        QCOMPARE(about->tmrTransparency->isActive(), canFade);
        QList<int> levels;
        for (int i = 0; canFade && i < 9; ++i) {
            about->tmrTransparency_Timer();
            levels << about->alphaLevel();
        }
        QCOMPARE(levels, canFade ? QList<int>({220, 185, 150, 115, 80, 45, 10, 10, 10}) : QList<int>());
        QVERIFY(!about->tmrTransparency->isActive());
        QCOMPARE(qRound(about->windowOpacity() * 255), canFade ? 10 : 255);
        runAnimation();
        open();  // every opening starts opaque and still
        QCOMPARE(about->alphaLevel(), 255);
        QCOMPARE(about->windowOpacity(), 1.0);
        QCOMPARE(about->animation().stage(), 0);
    }

    void theTitleBarClosesAtOnce() {
        open();
        about->close();
        QVERIFY(!about->isVisible());
        QCOMPARE(platform.sounds, QList<int>{2});
    }

    void decliningTheTermsEndsTheProgramWithoutSaving_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("ends");
        QTest::newRow("I do NOT agree") << "decline" << 1;
        QTest::newRow("Esc") << "escape" << 1;
        QTest::newRow("Enter at once") << "enter" << 1;
        QTest::newRow("I AGREE") << "agree" << 0;
        QTest::newRow("title bar counts as agreeing") << "close" << 0;
    }
    void decliningTheTermsEndsTheProgramWithoutSaving() {
        QFETCH(QString, answer);
        QFETCH(int, ends);
        open();
        frmLicense license(about.get());
        license.show();
        license.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), license.cmdIDoNotAgree);
        StoreWriteLog log;
        if (answer == "escape" || answer == "enter") QTest::keyClick(license.cmdIDoNotAgree, answer == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        if (answer == "decline" || answer == "agree") (answer == "agree" ? license.cmdIAgree : license.cmdIDoNotAgree)->click();
        if (answer == "close") license.close();
        QCOMPARE(platform.immediateEnds, ends);
        QVERIFY(log.writes.isEmpty());
        QVERIFY(ends == 1 || (!license.isVisible() && about->isVisible()));
    }

    void soundsAreUncompressedWaves() {
        // PCM format 1; channels, rate, bits and size as the two sounds were designed.
        QCOMPARE(waveHeader(":/sounds/wave1.wav"), QList<int>({1, 2, 44100, 16, 187844}));
        QCOMPARE(waveHeader(":/sounds/wave2.wav"), QList<int>({1, 1, 22050, 8, 4719}));
    }

    void animationPositionsFollowTheFormulas() {
        const double screenWidth = 19200, screenHeight = 15360, windowWidth = 6165, windowHeight = 3210;
        AboutAnimation animation;
        QList<AboutAnimation::Step> steps;
        for (int i = 0; i < 101; ++i) steps << animation.tick(screenWidth, screenHeight, windowWidth, windowHeight);
        // The first tick: twice the height less the width, two thirds of the width less the height.
        QCOMPARE(steps[0].top, float((screenHeight - windowWidth) / 0.5));
        QCOMPARE(steps[0].left, float((screenWidth - windowHeight) / 1.5));
        QCOMPARE(steps[50].top, float((screenHeight - windowWidth) / 24.5));
        // The last move uses 0.1: ten times the height less the width.
        QCOMPARE(steps[99].top, float((screenHeight - windowWidth) / 0.1f));
        QCOMPARE(steps[99].left, float((screenWidth - windowHeight) / (0.1f + 1.0)));
        for (int i = 0; i < 101; ++i) QCOMPARE(steps[i].close, i == 100);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
