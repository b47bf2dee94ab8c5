#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>
#include <clocale>

#include "common/filewrite.h"
#include "rows.h"
#include "scenario.h"
#include "shell/frmsplash.h"
#include "shell/gradient.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"

using namespace modVelmora;
constexpr Module Raw = Module::RawScore, Conv = Module::ScoreConverter, AgeWin = Module::AgeCalculator, Calc = Module::Calculator;

const QString kDefaultsSaved = "stored:Number of Decimals=1|stored:Left Coordinates=729|stored:Top Coordinates=729|stored:UseTTest=0";

// What the store holds at start, the window shown and where; then what File > Exit saves.
const Scenario kStartRows[] = {
    {"first run", Raw, {}, "", ("window=frmRawScoreConverter|position=49,49|stored:View=1|" + kDefaultsSaved).split('|')},
    {"saved position and options", Raw, {"Left Coordinates=1500", "Top Coordinates=3000", "Number of Decimals=3", "UseTTest=1"}, "",
     {"position=100,200", "checked:chkUseTtest=1", "stored:Number of Decimals=3", "stored:Left Coordinates=1500", "stored:UseTTest=1"}},
    {"negative position", Raw, {"Left Coordinates=-300", "Top Coordinates=-150"}, "",
     {"position=-20,-10", "stored:Left Coordinates=-300", "stored:Top Coordinates=-150"}},
    {"view 2", Conv, {}, "", {"window=frmScoreConverter", "stored:View=2"}},
    {"view 4", AgeWin, {}, "", {"window=frmAgeCalculator", "stored:View=4"}},
    {"view 5", Calc, {}, "", {"window=frmCalculator", "position=49,49", "stored:View=5"}},
    {"view 8", Module::ReliableChange, {}, "", {"window=frmReliableChange", "stored:View=8"}},
    {"view 9", Module::ScoreDifference, {}, "", {"window=frmScoreDifference", "stored:View=9"}},
    {"view 10", Module::ScoreProfile, {}, "", {"window=frmScoreProfile", "stored:View=10"}},
    {"view 3 opens the raw score window", Raw, {"View=3"}, "", {"window=frmRawScoreConverter", "stored:View=1"}},
    {"view 0 opens the raw score window", Raw, {"View=0"}, "", {"window=frmRawScoreConverter", "stored:View=1"}},
    {"a damaged store is saved clean", Raw, {"View=x", "Number of Decimals=1.5", "UseTTest=yes", "Top Coordinates=1e9", "Left Coordinates= 12"},
     "", {"window=frmRawScoreConverter", "checked:chkUseTtest=0", "position=49,49", "stored:View=1", "stored:Number of Decimals=1"}},
    {"out of range values take their defaults", Raw, {"View=256", "UseTTest=-1", "Number of Decimals=-2", "Top Coordinates=32768",
      "Left Coordinates=-99999999999999999999"}, "", {"window=frmRawScoreConverter", "lblNumberOfDecimals= 1", "position=49,49"}},
    {"decimals above 4 are 4, a t-test value but 0 is 1", Raw, {"Number of Decimals=200", "UseTTest=7", "View=+2"}, "",
     {"window=frmRawScoreConverter", "lblNumberOfDecimals= 4", "checked:chkUseTtest=1", "stored:Number of Decimals=4", "stored:UseTTest=1"}},
};

// Module switching from the menu and its shortcuts, whatever control has the focus; a switch stores nothing.
const Scenario kRows[] = {
    {"Ctrl+A from a text box", Raw, {}, "[txtMean]{Ctrl+A}", {"window=frmAgeCalculator", "stored:View=1", "stored:Left Coordinates=<none>"}},
    {"Ctrl+C over a text box's own copy", AgeWin, {}, "{Ctrl+C}", {"window=frmCalculator", "ends=0"}},
    {"Ctrl+S from a key", Calc, {}, "[Number7]{Ctrl+S}", {"window=frmScoreConverter"}},
    {"Ctrl+R from an option", Conv, {}, "[optTo1]{Ctrl+R}", {"window=frmRawScoreConverter"}},
    {"Ctrl+D from a box, with no rule before it", Module::ReliableChange, {}, "[txtTest]{Ctrl+D}", {"window=frmScoreDifference"}},
    {"Ctrl+B from a box", Module::ScoreDifference, {}, "{Ctrl+B}", {"window=frmScoreProfile"}},
    {"Ctrl+D from a cell being edited", Module::ScoreProfile, {}, "1{Ctrl+D}", {"window=frmScoreDifference"}},
    {"the window's own entry rebuilds it", Calc, {}, "12[mnuModule5]", {"window=frmCalculator", "Readout=0."}},
    {"Help > Instructions with no document changes nothing", Raw, {}, "12[mnuInstructions]", {"window=frmRawScoreConverter", "txtRawScore=12", "messages="}},
};

// A result stays on show, greyed and described as out of date, while an entry that made it differs.
const QString kGrey = "#808080", kBlack = "#000000";
const QString kStale = " Out of date: an entry has changed since Calculate.";
const QString kChangeExample = "104\t96\t100\t104.3\t13.8\t15\t.95\t50\r";
const Scenario kOutOfDateRows[] = {
    {"an edited mean greys z and the percentile", Raw, {}, "115\r100\r15\r[txtMean=101]",
     {"grey:lblZscore=" + kGrey, "grey:lblAnswer=" + kGrey, "lblAnswer=84.1", "description:lblAnswer=Percentile" + kStale}},
    {"typed back, they are current again", Raw, {}, "115\r100\r15\r[txtMean=101][txtMean=100]",
     {"grey:lblAnswer=" + kBlack, "description:lblAnswer=Percentile"}},
    {"Calculate makes them current", Raw, {}, "115\r100\r15\r[txtMean=101][cmdCalculate]",
     {"grey:lblAnswer=" + kBlack, "description:lblAnswer=Percentile"}},
    {"a refused entry leaves the kept results greyed", Raw, {}, "115\r100\r15\r[txtSD=0][cmdCalculate]",
     {"lblAnswer=84.1", "grey:lblAnswer=" + kGrey}},
    {"the sample size greys only the t-test's results", Raw, {"UseTTest=1"}, "115\r100\r15\r10\r[txtSampleN=12]",
     {"grey:lblTScore=" + kGrey, "grey:lblInterval=" + kGrey, "grey:lblAnswer=" + kBlack}},
    {"the converter's value", Conv, {}, "1\r[txtFrom=2]", {"grey:lblAnswer=" + kGrey, "grey:lblDescription=" + kGrey}},
    {"a gestation greys only the corrected age", AgeWin, {}, "1/1/2017\r[txtGestation=30]",
     {"grey:lblCorrectedAge=" + kGrey, "grey:lblAge=" + kBlack}},
    {"the interval's reliability greys the picture", Module::ScoreInterval, {}, "130\t.9\r[txtReliability=.8]",
     {"grey:picBellCurve=effect", "grey:lblInterval=" + kGrey}},
    {"the change table", Module::ReliableChange, {}, kChangeExample + "[txtSampleSize=49]",
     {"grey:tblResults=effect", "description:tblResults=" + kStale.mid(1)}},
    {"and Calculate again", Module::ReliableChange, {}, kChangeExample + "[txtSampleSize=49][cmdCalculate]", {"grey:tblResults=none"}},
    {"the difference table", Module::ScoreDifference, {}, "112\r94\r.94\r.88\r.45\r[txtCorrelationXY=.5]", {"grey:tblResults=effect"}},
};

// Each window filled in, the t-test shown and four decimals, so that the longest results are measured
// too; what is seen are its result labels.
const QStringList kLongest = {"UseTTest=1", "Number of Decimals=4"};
const Scenario kFilledWindows[] = {
    {"raw score", Raw, kLongest, "115\r100\r15\r10\r", {"lblZscore", "lblAnswer", "lblTScore", "lblAdjustedPercentile"}},
    {"score converter", Conv, kLongest, "", {"lblAnswer"}}, {"age calculator", AgeWin, kLongest, "17 sep 98\t", {"lblAge"}},
    {"born at term", AgeWin, {}, "[txtBirthdate=2024-01-10][txtGestation=37]\r", {"lblAge", "lblCorrectedAge"}},
    {"before the due date", AgeWin, {}, "[txtBirthdate=2017-12-20][txtGestation=24]\r", {"lblCorrectedAge"}},
    {"the longest scale names", Conv, {"Convert From=2", "Convert To=1"}, "", {"lblAnswer"}},
    {"the calculator's longest message", Calc, {}, "1/0\r", {"Readout"}},
    {"the lowest label", Conv, {}, "-3\r", {"lblAnswer"}}, {"the highest", Raw, {}, "700\r100\r15\r", {"lblAnswer"}},
    {"calculator", Calc, kLongest, "", {"Readout", "lblMemoryValue"}},
    {"score interval", Module::ScoreInterval, {"Interval Scale=0", "Interval Centre=true", "Number of Decimals=4"}, "97.5\t.9\r",
     {"lblPercentile", "lblScaled", "lblStandard", "lblTScore", "lblZScore", "lblStanine", "lblSten", "lblNCE", "lblInterval",
      "lblPercentileBand", "lblCentre"}},
    {"reliable change", Module::ReliableChange, {}, "[txtTest=104][txtRetest=96][txtMeanTest=100][txtMeanRetest=104.3][txtSDTest=13.8]"
     "[txtSDRetest=15][txtCorrelation=.95][txtSampleSize=50][cmdCalculate]", {}},
    {"score difference against the norms", Module::ScoreDifference, {}, "112\r94\r.94\r.88\r.45\r", {}},
    {"and against controls", Module::ScoreDifference, {"Difference Against=controls"}, "-3.857\r-1.875\r0\r1\r0\r1\r.68\r20\r", {}},
    {"score profile", Module::ScoreProfile, {"Number of Decimals=4"}, "Vocabulary\r", {}},
};

// The program from its start: splash, settings read from the store and saved at exit; the frame
// every module window shares: menus, switching, help, backdrop; and each window as a keyboard
// or screen-reader user meets it, laid out in place.
class TestProgram : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    // Where a control draws: a label only where its text is.
    static QRect drawn(const QWidget* control) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (!label || label->text().isEmpty() || label->frameShape() != QFrame::NoFrame) return control->geometry();
        const QSize text = label->fontMetrics().size(0, label->text());
        return QStyle::alignedRect(label->layoutDirection(), label->alignment(), text, label->geometry());
    }

    // Whether a control's text, every line of it, has room: no caption cut in any language.
    static bool textFits(const QWidget* control) {
        QString text;
        int room = control->width();
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->buddy() ? QString(label->text()).remove('&') : label->text();  // a mnemonic's & is not drawn
            room = label->contentsRect().width();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
            text = box->title();
            room -= 16;
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            text = QString(button->text()).remove('&');
            const bool indicator = qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button);
            room -= indicator ? button->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                    button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                              : 4;
        }
        const QStringList lines = text.split('\n');
        return std::all_of(lines.begin(), lines.end(), [&](const QString& line) { return control->fontMetrics().horizontalAdvance(line) <= room; });
    }

    static QString accessible(QObject* object, QAccessible::Text text) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(text) : QString();
    }

private slots:
    void initTestCase() {
        // A locale missing from the machine leaves the C library in "C" and hides every fault of the comma.
        // Qt sets the C library's locale from the environment on Linux only; so do it here for Windows.
        std::setlocale(LC_ALL, "");
        QCOMPARE(QString(std::localeconv()->decimal_point), QLocale::system().decimalPoint());
    }

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

    void aFolderWhereTheStoreFileBelongsCostsOnlyTheSettings() {
        const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Velmora").fileName();
#ifdef Q_OS_WIN
        QSKIP("the settings are kept in the registry, not a file");
#endif
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        NewProgram().StartUp();
        QVERIFY(TheProgram().window(Raw).isLoaded());
        platform.reset();
        Play("[mnuExit]");
        QCOMPARE(platform.programEnds, 1);
        // Told at exit, as the position and window are then lost.
        QCOMPARE(platform.messages, QStringList{"!The settings could not be saved to " + QDir::toNativeSeparators(path) + ": " + FileErrorText(EISDIR) + "."});
        QVERIFY(QDir().rmdir(path));
        StopProgram();
    }

    void scenarios_data() { AddRows(kRows); }
    void scenarios() {
        QFETCH(Scenario, row);
        QFile::remove(QCoreApplication::applicationDirPath() + "/Velmora Help.pdf");
        Run(row, platform);
    }

    void anEditedEntryGreysItsResultsUntilCalculate_data() { AddRows(kOutOfDateRows); }
    void anEditedEntryGreysItsResultsUntilCalculate() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    void aSwitchKeepsThePlaceAndTheCheckMarkMoves() {
        StartProgram(Raw)->move(300, 200);
        Play("[mnuModule4]");
        QWidget* form = TheProgram().window(AgeWin).form();
        QCOMPARE(form->pos(), QPoint(300, 200));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(TheProgram().settings().record.view, 4);
        QVERIFY(form->findChild<QAction*>("mnuModule4")->isChecked() && !form->findChild<QAction*>("mnuModule1")->isChecked());
        QVERIFY(form->findChild<QAction*>("mnuModule3")->isSeparator());
        // A rule between the groups of windows, none inside a group.
        QStringList menu;
        for (const QAction* entry : form->findChild<QMenu*>("mnuModuleTitle")->actions())
            menu << (entry->isSeparator() ? "-" : entry->shortcut().toString());
        QCOMPARE(menu.join(' '), QString("Ctrl+R Ctrl+S - Ctrl+A Ctrl+C - Ctrl+I Ctrl+T Ctrl+D Ctrl+B"));
        StopProgram();
    }

    void exitSavesOnceWithTheWindowShown() {
        for (const bool closeBox : {false, true}) {
            StartProgram(Raw);
            platform.reset();
            // Options changed, windows switched: nothing stored before the exit.
            QStringList writes;
            TheProgram().settings().observeWrites([&](const QString& key, const QString& text) { writes << key + "=" + text; });
            Play("[chkUseTtest][up][mnuModule5]");
            TheProgram().window(Calc).form()->move(20, 10);
            if (closeBox) TheProgram().window(Calc).form()->close();
            else Play("[mnuExit]");
            QCOMPARE(writes, QStringList({"View=5", "Number of Decimals=2", "Left Coordinates=300", "Top Coordinates=150", "UseTTest=1"}));
            QCOMPARE(platform.programEnds, 1);
            QVERIFY(!TheProgram().window(Calc).isLoaded());
            StopProgram();
        }
    }

    void helpAboutShowsTheAboutBoxModally() {
        StartProgram(Conv);
        QString shown;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget()->objectName();
            QApplication::activeModalWidget()->close();
        });
        Play("[mnuAbout]");
        QCOMPARE(shown, QString("frmAbout"));
        StopProgram();
    }

    void aPositionBeyondSixteenBitsIsKeptInRange() {
        StartProgram(Raw)->move(2200, -2200);
        TheProgram().window(Raw).recordPosition();
        QCOMPARE(TheProgram().settings().record.leftCoordinates, 32767);
        QCOMPARE(TheProgram().settings().record.topCoordinates, -32768);
        StopProgram();
    }

    void f1OpensTheHelpDocumentBesideTheProgram_data() {
        QTest::addColumn<bool>("opener");
        QTest::newRow("with a program for PDF documents") << true;
        QTest::newRow("without one, a message gives the manual's path") << false;
    }
    void f1OpensTheHelpDocumentBesideTheProgram() {
        QFETCH(bool, opener);
        const QString path = QCoreApplication::applicationDirPath() + "/Velmora Help.pdf";
        QFile document(path);
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.close();
        StartProgram(AgeWin);
        platform.reset();
        platform.documentOpener = opener;
        Play("{F1}");
        QFile::remove(path);
        QCOMPARE(platform.openedUrls, QStringList{QUrl::fromLocalFile(path).toString()});
        QCOMPARE(platform.messages.join('|'), opener ? QString() : "The manual could not be opened: no program for PDF documents "
                                                                    "was found. It is at " + QDir::toNativeSeparators(path));
        StopProgram();
    }

    void backdropRunsFromWhiteToBlueAtAnySize() {
        for (const QSize size : {QSize(3, 2), QSize(50, 1000), QSize(295, 316)}) {
            using namespace TwoToneGradientFill;
            GradientArea area;
            area.resize(size);
            PaintGradient(&area, RGB(255, 255, 255), RGB(0, 128, 255), 1);
            const QImage image = area.grab().toImage();
            const int right = size.width() - 1, bottom = size.height() - 1;
            QCOMPARE(QList<QColor>({image.pixelColor(0, 0), image.pixelColor(right, 0), image.pixelColor(0, bottom), image.pixelColor(right, bottom)}),
                     QList<QColor>({Qt::white, Qt::white, QColor(0, 128, 255), QColor(0, 128, 255)}));
            for (int y = 1; y < size.height(); ++y) QVERIFY(image.pixelColor(0, y).red() <= image.pixelColor(0, y - 1).red());
        }
    }
    void controlsHaveNamesAndPlacesOfTheirOwn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Scenario>("row");
        for (const char* language : {"en", "de", "fr", "es"})
            for (const Scenario& row : kFilledWindows) QTest::newRow(qPrintable(QString("%1, %2").arg(row.name, language))) << QString(language) << row;
    }
    void controlsHaveNamesAndPlacesOfTheirOwn() {
        QFETCH(QString, language);
        QFETCH(Scenario, row);
        QTranslator program, qt;
        InstallTranslations(QLocale(language), program, qt);
        auto* form = static_cast<QMainWindow*>(StartProgram(row.module, row.stored));
        Play(row.steps);
        QWidget* client = form->centralWidget();
        for (QWidget* control : client->findChildren<QWidget*>()) {
            if (!control->isVisible()) continue;
            QVERIFY2(textFits(control), qPrintable(control->objectName() + " cuts its text"));
            if (control->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!accessible(control, QAccessible::Name).trimmed().isEmpty(), qPrintable(control->objectName()));
            // Every control inside its container, and none drawn over another (but the title over its
            // banner); a caption's bottom edge may touch its box by a pixel.
            QWidget* parent = control->parentWidget();
            if (parent != client && !parent->inherits("QGroupBox")) continue;
            QVERIFY2(parent->rect().contains(control->geometry()), qPrintable(control->objectName()));
            for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool banner = control->objectName() == "Shape1" || other->objectName() == "Shape1";
                const QRect shared = drawn(control) & drawn(other);
                QVERIFY2(other == control || !other->isVisible() || banner || shared.height() <= 1 || shared.width() <= 1,
                         qPrintable(control->objectName() + " over " + other->objectName()));
            }
        }
        for (const QString& name : row.seen) {
            auto* label = form->findChild<QLabel*>(name);
            label->setText("42");
            QCOMPARE(accessible(label, QAccessible::Name), QString("42"));
            QVERIFY2(!accessible(label, QAccessible::Description).isEmpty(), qPrintable(name));
        }
        StopProgram();
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
