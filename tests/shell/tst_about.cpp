#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "recordingplatform.h"
#include "shell/aboutanimation.h"
#include "shell/frmabout.h"
#include "shell/frmlicense.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "teststore.h"

using namespace modVelmora;

namespace {

class EmptyModule : public ModuleWindow {
public:
    EmptyModule() : ModuleWindow(1, QSize(4425, 3000)) {}

protected:
    void createControls(QWidget*) override {}
    void initialise() override {}
};

struct WaveHeader {
    quint16 format, channels;
    quint32 rate;
    quint16 bits;
    qint64 size;
};

WaveHeader readWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    const auto u16 = [&](int at) { return quint16(quint8(data[at]) | quint8(data[at + 1]) << 8); };
    const auto u32 = [&](int at) { return quint32(u16(at) | quint32(u16(at + 2)) << 16); };
    if (!data.startsWith("RIFF") || data.mid(8, 8) != "WAVEfmt " || u32(4) != quint32(data.size() - 8)) return {};
    return {u16(20), u16(22), u32(24), u16(34), data.size()};
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
    // Runs the closing animation tick by tick, as the timers would.
    int runAnimation(QList<int>* intervals = nullptr) {
        int ticks = 0;
        while (about->isVisible() && ticks < 1000) {
            if (intervals) *intervals << about->tmrExit->interval();
            about->tmrExit_Timer();
            ++ticks;
        }
        return ticks;
    }

private slots:
    void init() {
        ClearStore();
        platform.reset();
        platform.windowOpacity = false;
        about = std::make_unique<frmAbout>();
    }
    void cleanup() { about.reset(); }

    void showsTheProgramAndGreets() {
        open();
        QCOMPARE(about->windowTitle(), QString("About The Velmora..."));
        QCOMPARE(about->lblTitle->text(), QString("The Velmora"));
        QCOMPARE(about->lblVersion->text(), QString("Version 5.4.0"));
        QCOMPARE(about->lblMyWebSite->toolTip(), QString("Visit my web site!"));
        QCOMPARE(about->lblMyWebSite->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(about->cmdOK->isDefault());
        QCOMPARE(about->tmrTransparency->interval(), 100);
        QCOMPARE(platform.sounds, QList<int>{2});
        QTest::mouseClick(about->lblMyWebSite, Qt::LeftButton);
        QCOMPARE(platform.openedUrls, QStringList{WebSiteAddress()});
    }

    void closingTakes101TicksAndEndsWithTheLongSound() {
        open();
        about->cmdOK->click();
        QVERIFY(about->tmrExit->isActive());
        QList<int> intervals;
        QCOMPARE(runAnimation(&intervals), 101);
        QCOMPARE(intervals.count(2), 50);
        QCOMPARE(intervals.count(5), 51);
        QCOMPARE(intervals.first(), 2);
        QCOMPARE(intervals.last(), 5);
        QCOMPARE(platform.sounds, QList<int>({2, 1}));
        QVERIFY(!about->tmrExit->isActive());
        QCOMPARE(about->alphaLevel(), 0);
        QCOMPARE(about->animation().stage(), 0);
        QCOMPARE(about->animation().scale(), 0.0f);
    }

    void enterAndEscStartTheAnimation_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscStartTheAnimation() {
        QFETCH(int, key);
        open();
        about->cmdOK->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(about->isVisible());
        QVERIFY(about->tmrExit->isActive());
    }

    void okAgainChangesNothing() {
        open();
        about->cmdOK->click();
        for (int i = 0; i < 60; ++i) about->tmrExit_Timer();
        const float scale = about->animation().scale();
        about->cmdOK->click();
        QCOMPARE(about->animation().scale(), scale);
        QCOMPARE(about->animation().stage(), 1);
        QCOMPARE(about->tmrExit->interval(), 5);
    }

    void theFadeRunsOnlyWhereWindowsCanFade() {
        platform.windowOpacity = true;
        open();
        about->cmdOK->click();
        for (int i = 0; i < 50; ++i) about->tmrExit_Timer();
        QVERIFY(!about->tmrTransparency->isActive());
        about->tmrExit_Timer();
        QVERIFY(about->tmrTransparency->isActive());
        QList<int> levels;
        for (int i = 0; i < 9; ++i) {
            about->tmrTransparency_Timer();
            levels << about->alphaLevel();
        }
        QCOMPARE(levels, QList<int>({220, 185, 150, 115, 80, 45, 10, 10, 10}));
        QVERIFY(!about->tmrTransparency->isActive());
        QCOMPARE(qRound(about->windowOpacity() * 255), 10);
        runAnimation();

        // Reopened, the box starts opaque and still.
        open();
        QCOMPARE(about->alphaLevel(), 255);
        QCOMPARE(about->windowOpacity(), 1.0);
        QCOMPARE(about->animation().stage(), 0);
    }

    void withoutFadingTheOpacityNeverChanges() {
        open();
        about->cmdOK->click();
        while (about->isVisible()) {
            about->tmrExit_Timer();
            QVERIFY(!about->tmrTransparency->isActive());
        }
        QVERIFY(!about->canFade());
        QCOMPARE(about->windowOpacity(), 1.0);
    }

    void theTitleBarClosesAtOnce() {
        open();
        about->close();
        QVERIFY(!about->isVisible());
        QCOMPARE(platform.sounds, QList<int>{2});
        QCOMPARE(about->alphaLevel(), 0);
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
        QTRY_COMPARE(QApplication::activeWindow(), &license);
        QCOMPARE(license.windowTitle(), QString("The Velmora License Agreement"));
        QCOMPARE(QApplication::focusWidget(), license.cmdIDoNotAgree);
        StoreWriteLog log;
        if (answer == "decline") license.cmdIDoNotAgree->click();
        if (answer == "escape") QTest::keyClick(license.cmdIDoNotAgree, Qt::Key_Escape);
        if (answer == "enter") QTest::keyClick(license.cmdIDoNotAgree, Qt::Key_Return);
        if (answer == "agree") license.cmdIAgree->click();
        if (answer == "close") license.close();
        QCOMPARE(platform.immediateEnds, ends);
        QVERIFY(log.writes.isEmpty());
        if (ends == 0) {
            QVERIFY(!license.isVisible());
            QVERIFY(about->isVisible());
        }
    }

    void termsTextIsLaidOutAsDesigned() {
        frmLicense license;
        const QString html = license.txtLicense->toHtml();
        QVERIFY(license.txtLicense->toPlainText().startsWith("The Velmora"));
        QVERIFY(license.txtLicense->toPlainText().contains("as is"));
        QVERIFY(html.contains("#ff0000"));
        QCOMPARE(license.cmdIDoNotAgree->accessibleName(), QString("I do NOT agree to these terms and conditions"));
        QCOMPARE(license.cmdIAgree->accessibleName(), QString("I AGREE to these terms and conditions"));
    }

    void helpAboutShowsTheBoxModally() {
        Settings() = SettingsRecord{};
        ClearModules();
        RegisterModule(1, [] { return std::make_unique<EmptyModule>(); });
        ModuleWindowFor(1)->show();
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            modal = box && box->objectName() == "frmAbout";
            if (box) box->close();
        });
        ModuleWindowFor(1)->form()->findChild<QAction*>("mnuAbout")->trigger();
        QVERIFY(modal);
        Settings().switching = true;
        ReleaseWindows();
        Settings().switching = false;
    }

    void soundsAreUncompressedWaves_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("size");
        QTest::newRow("id 1, closing") << ":/sounds/wave1.wav" << 44100 << 16 << 2 << 187844;
        QTest::newRow("id 2, opening") << ":/sounds/wave2.wav" << 22050 << 8 << 1 << 4719;
    }
    void soundsAreUncompressedWaves() {
        QFETCH(QString, resource);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, channels);
        QFETCH(int, size);
        const WaveHeader header = readWave(resource);
        QCOMPARE(header.format, quint16(1));
        QCOMPARE(int(header.rate), rate);
        QCOMPARE(int(header.bits), bits);
        QCOMPARE(int(header.channels), channels);
        QCOMPARE(int(header.size), size);
    }
};

// The animation's arithmetic on its own: positions from the formulas.
class TestAboutAnimation : public QObject {
    Q_OBJECT
private slots:
    void positionsFollowTheFormulas() {
        const double screenWidth = 19200, screenHeight = 15360, windowWidth = 6165, windowHeight = 3210;
        AboutAnimation animation;
        QList<AboutAnimation::Step> steps;
        for (int i = 0; i < 101; ++i) steps << animation.tick(screenWidth, screenHeight, windowWidth, windowHeight);
        // The first tick: twice the height less the width, two thirds of the width less the height.
        QCOMPARE(steps[0].top, float((screenHeight - windowWidth) / 0.5));
        QCOMPARE(steps[0].left, float((screenWidth - windowHeight) / 1.5));
        QCOMPARE(steps[49].top, float((screenHeight - windowWidth) / 25));
        QVERIFY(!steps[49].fade && steps[50].fade);
        QCOMPARE(steps[50].top, float((screenHeight - windowWidth) / 24.5));
        // The last move uses 0.1: ten times the height less the width.
        QCOMPARE(steps[99].top, float((screenHeight - windowWidth) / 0.1f));
        QCOMPARE(steps[99].left, float((screenWidth - windowHeight) / (0.1f + 1.0)));
        QVERIFY(steps[100].close);
        for (int i = 0; i < 100; ++i) QVERIFY(!steps[i].close);
        QCOMPARE(animation.stage(), 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TestAbout about;
    TestAboutAnimation animation;
    return QTest::qExec(&about, argc, argv) | QTest::qExec(&animation, argc, argv);
}

#include "tst_about.moc"
