#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "recordingplatform.h"
#include "scenario.h"
#include "shell/aboutanimation.h"
#include "shell/frmabout.h"
#include "shell/frmlicense.h"

using namespace modVelmora;

// The About box, its closing animation, fade and sounds, and the terms dialog.
class TestAbout : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    std::unique_ptr<frmAbout> about;

    template <class T = QWidget>
    T* part(const char* name) const { return about->findChild<T*>(name); }
    void open() {
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    }

private slots:
    void init() {
        platform.reset();
        about = std::make_unique<frmAbout>();
    }
    void cleanup() { about.reset(); }

    void greetsAndLinks() {
        open();
        QCOMPARE(part<QLabel>("lblVersion")->text(), QString("Version 5.4.0"));
        QCOMPARE(platform.sounds, QList<int>{2});
        QTest::mouseClick(part("lblMyWebSite"), Qt::LeftButton);
        QCOMPARE(platform.openedUrls, QStringList{WebSiteAddress()});
        about->close();  // by the title bar: at once, without the animation or its sound
        QCOMPARE(platform.sounds, QList<int>{2});
    }

    void closingGlidesFadesAndSounds_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("canFade");
        QTest::newRow("Enter where windows fade") << int(Qt::Key_Return) << true;
        QTest::newRow("Esc where they cannot") << int(Qt::Key_Escape) << false;
    }
    void closingGlidesFadesAndSounds() {
        QFETCH(int, key);
        QFETCH(bool, canFade);
        platform.windowOpacity = canFade;
        open();
        QTest::keyClick(part("cmdOK"), Qt::Key(key));
        auto* glide = part<QTimer>("tmrExit");
        auto* fade = part<QTimer>("tmrTransparency");
        QList<int> intervals, levels;
        while (about->isVisible() && intervals.size() < 1000) {
            intervals << glide->interval();
            about->tmrExit_Timer();
            if (intervals.size() == 60) part<QPushButton>("cmdOK")->click();  // again while it glides: nothing changes
            if (intervals.size() == 50) QVERIFY(!fade->isActive());
            if (fade->isActive() && intervals.size() % 5 == 0) {
                about->tmrTransparency_Timer();
                if (fade->isActive()) levels << about->alphaLevel();
            }
        }
        QCOMPARE(intervals, QList<int>(50, 2) + QList<int>(51, 5));
        QCOMPARE(platform.sounds, QList<int>({2, 1}));
        QCOMPARE(levels, canFade ? QList<int>({220, 185, 150, 115, 80, 45, 10}) : QList<int>());
        QCOMPARE(about->alphaLevel(), 0);
        open();  // every opening starts opaque and still
        QCOMPARE(about->windowOpacity(), 1.0);
        QCOMPARE(about->animation().stage(), 0);
    }

    void animationGlidesOutToTheCornerAndBack() {
        // The window's width in the top and its height in the left, as designed: (15360 - 6165) / 0.5 at the first tick.
        AboutAnimation animation;
        QList<AboutAnimation::Step> steps;
        for (int i = 0; i < 101; ++i) steps << animation.tick(19200, 15360, 6165, 3210);
        QCOMPARE(QList<float>({steps[0].top, steps[0].left, steps[99].top}), QList<float>({18390, 10660, 91950}));
        for (int i = 0; i < 101; ++i) QCOMPARE(steps[i].close, i == 100);
    }

    void decliningTheTermsEndsTheProgramWithoutSaving_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("ends");
        for (const auto& [answer, ends] : {std::pair{"cmdIDoNotAgree", 1}, {"Esc", 1}, {"Enter at once", 1}, {"cmdIAgree", 0}, {"close", 0}})
            QTest::newRow(answer) << answer << ends;  // the title bar's close counts as agreeing
    }
    void decliningTheTermsEndsTheProgramWithoutSaving() {
        QFETCH(QString, answer);
        QFETCH(int, ends);
        open();
        frmLicense license(about.get());
        license.show();
        license.activateWindow();
        QTRY_COMPARE(FocusName(), QString("cmdIDoNotAgree"));
        StoreWriteLog log;
        if (answer.startsWith("cmd")) license.findChild<QPushButton*>(answer)->click();
        else if (answer == "close") license.close();
        else QTest::keyClick(QApplication::focusWidget(), answer == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(platform.immediateEnds, ends);
        QVERIFY(log.writes.isEmpty());
        QVERIFY(ends == 1 || (!license.isVisible() && about->isVisible()));
    }

    void soundsAreUncompressedWaves() {
        // Channels, rate, bits and size of each, as designed.
        for (const auto& [path, format] : {std::pair{":/sounds/wave1.wav", QList<int>{2, 44100, 16, 187844}},
                                           {":/sounds/wave2.wav", QList<int>{1, 22050, 8, 4719}}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            const auto u16 = [&](int at) { return int(quint8(data[at]) | quint8(data[at + 1]) << 8); };
            const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
            QVERIFY(data.startsWith("RIFF") && data.mid(8, 8) == "WAVEfmt " && u32(4) == data.size() - 8 && u16(20) == 1);  // PCM
            QCOMPARE(QList<int>({u16(22), u32(24), u16(34), int(data.size())}), format);
        }
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
