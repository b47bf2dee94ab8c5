#include <QApplication>
#include <QLabel>
#include <QPushButton>
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
        auto* fade = part<QTimer>("tmrTransparency");
        int ticks = 0;
        QList<qreal> opacities;
        while (about->isVisible() && ticks < 1000) {
            ++ticks;
            about->tmrExit_Timer();
            if (ticks == 60) part<QPushButton>("cmdOK")->click();  // again while it glides: nothing changes
            if (ticks == 50) QVERIFY(!fade->isActive());           // the fade goes with the way back
            if (fade->isActive() && ticks % 5 == 0) {
                about->tmrTransparency_Timer();
                opacities << about->windowOpacity();
            }
        }
        QCOMPARE(ticks, 101);
        QCOMPARE(platform.sounds, QList<int>({2, 1}));
        // Where windows fade, the box grows fainter step by step but never quite vanishes.
        QVERIFY(std::is_sorted(opacities.rbegin(), opacities.rend()));
        QCOMPARE(opacities.isEmpty() || opacities.last() == 1.0, !canFade);
        if (canFade) QVERIFY(opacities.last() > 0);
        QCOMPARE(about->alphaLevel(), 0);
        open();  // every opening starts opaque and still
        QCOMPARE(about->windowOpacity(), 1.0);
        QCOMPARE(about->animation().stage(), 0);
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
        if (answer.startsWith("cmd")) license.findChild<QPushButton*>(answer)->click();
        else if (answer == "close") license.close();
        else QTest::keyClick(QApplication::focusWidget(), answer == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(platform.immediateEnds, ends);
        QVERIFY(ends == 1 || (!license.isVisible() && about->isVisible()));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
