#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTranslator>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QStyle>
#include <QTimer>
#include <QtTest>

#include "rows.h"
#include "scenario.h"
#include "shell/gradient.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"

using namespace modVelmora;

// Module switching from the menu and its shortcuts, whatever control has the focus; a switch stores nothing.
const Scenario kRows[] = {
    {"Ctrl+A from a text box", 1, {}, "[txtMean]{Ctrl+A}", {"window=frmAgeCalculator", "stored:View=1", "stored:Left Coordinates=<none>"}},
    {"Ctrl+C over a text box's own copy", 4, {}, "{Ctrl+C}", {"window=frmCalculator", "ends=0"}},
    {"Ctrl+S from a key", 5, {}, "[Number7]{Ctrl+S}", {"window=frmScoreConverter"}},
    {"Ctrl+R from an option", 2, {}, "[optTo1]{Ctrl+R}", {"window=frmRawScoreConverter"}},
    {"the window's own entry rebuilds it", 5, {}, "12[mnuModule5]", {"window=frmCalculator", "Readout=0."}},
    {"Help > Instructions with no document changes nothing", 1, {}, "12[mnuInstructions]", {"window=frmRawScoreConverter", "txtRawScore=12", "messages="}},
};

// The frame every module window shares: menus, switching, exit, help, backdrop; and each
// window as a keyboard or screen-reader user meets it, laid out as designed.
class TestModuleFrame : public QObject {
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
            text = label->text();
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
    void scenarios_data() { AddRows(kRows); }
    void scenarios() {
        QFETCH(Scenario, row);
        QFile::remove(QCoreApplication::applicationDirPath() + "/Velmora Help.pdf");
        Run(row, platform);
    }

    void aSwitchKeepsThePlaceAndTheCheckMarkMoves() {
        StartProgram(1)->move(300, 200);
        Play("[mnuModule4]");
        QWidget* form = TheProgram().window(4)->form();
        QCOMPARE(form->pos(), QPoint(300, 200));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(Settings().view, 4);
        QVERIFY(form->findChild<QAction*>("mnuModule4")->isChecked() && !form->findChild<QAction*>("mnuModule1")->isChecked());
        QVERIFY(form->findChild<QAction*>("mnuModule3")->isSeparator());
        StopProgram();
    }

    void exitSavesOnceWithTheWindowShown_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("File > Exit") << false;
        QTest::newRow("close box") << true;
    }
    void exitSavesOnceWithTheWindowShown() {
        QFETCH(bool, closeBox);
        StartProgram(1);
        platform.reset();
        Play("[mnuModule5]");
        TheProgram().window(5)->form()->move(20, 10);
        StoreWriteLog log;
        if (closeBox) TheProgram().window(5)->form()->close();
        else Play("[mnuExit]");
        QCOMPARE(log.writes, QStringList({"View=5", "Number of Decimals=1", "Left Coordinates=300", "Top Coordinates=150", "UseTTest=0"}));
        QCOMPARE(platform.programEnds, 1);
        QVERIFY(!TheProgram().window(5)->isLoaded());
        StopProgram();
    }

    void helpAboutShowsTheAboutBoxModally() {
        StartProgram(2);
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
        StartProgram(1)->move(2200, -2200);
        TheProgram().window(1)->recordPosition();
        QCOMPARE(Settings().leftCoordinates, 32767);
        QCOMPARE(Settings().topCoordinates, -32768);
        StopProgram();
    }

    void f1OpensTheHelpDocumentBesideTheProgram() {
        const QString path = QCoreApplication::applicationDirPath() + "/Velmora Help.pdf";
        QFile document(path);
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.close();
        StartProgram(4);
        platform.reset();
        Play("{F1}");
        QFile::remove(path);
        QCOMPARE(platform.openedUrls, QStringList{QUrl::fromLocalFile(path).toString()});
        StopProgram();
    }

    void backdropRunsFromWhiteToBlueAtAnySize() {
        for (const QSize size : {QSize(3, 2), QSize(50, 1000), QSize(295, 316)}) {
            TwoToneGradientFill::GradientArea area;
            area.resize(size);
            TwoToneGradientFill::PaintGradient(&area, TwoToneGradientFill::RGB(255, 255, 255), TwoToneGradientFill::RGB(0, 128, 255), 1);
            const QImage image = area.grab().toImage();
            for (int x : {0, size.width() - 1}) {
                QCOMPARE(image.pixelColor(x, 0), QColor(255, 255, 255));
                QCOMPARE(image.pixelColor(x, size.height() - 1), QColor(0, 128, 255));
            }
            for (int y = 1; y < size.height(); ++y) QVERIFY(image.pixelColor(0, y).red() <= image.pixelColor(0, y - 1).red());
        }
    }
    void controlsHaveNamesAndPlacesOfTheirOwn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("results");
        for (const char* language : {"en", "de", "fr", "es"}) {
            // Filled in first, at four decimals, so that the longest results are measured too.
            const auto row = [&](const char* window) -> QTestData& {
                return QTest::newRow(qPrintable(QString("%1, %2").arg(window, language))) << QString(language);
            };
            row("raw score") << 1 << "115\r100\r15\r10\r" << QStringList{"lblZscore", "lblAnswer", "lblTScore", "lblAdjustedPercentile"};
            row("score converter") << 2 << "" << QStringList{"lblAnswer"};
            row("age calculator") << 4 << "17 sep 98\t" << QStringList{"lblAge"};
            row("calculator") << 5 << "" << QStringList{"Readout", "lblMemoryValue"};
        }
    }
    void controlsHaveNamesAndPlacesOfTheirOwn() {
        QFETCH(QString, language);
        QFETCH(int, module);
        QFETCH(QString, steps);
        QFETCH(QStringList, results);
        QTranslator program, qt;
        InstallTranslations(QLocale(language), program, qt);
        // The t-test controls shown too.
        auto* form = static_cast<QMainWindow*>(StartProgram(module, {"UseTTest=1", "Number of Decimals=4"}));
        Play(steps);
        QWidget* client = form->centralWidget();
        for (QWidget* control : client->findChildren<QWidget*>()) {
            if (!control->isVisible()) continue;
            QVERIFY2(textFits(control), qPrintable(control->objectName() + " cuts its text"));
            if (control->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!accessible(control, QAccessible::Name).trimmed().isEmpty(), qPrintable(control->objectName()));
            // Every control inside its container, and none drawn over another (but the title over its
            // banner); a caption's designed bottom edge may touch its box by a pixel.
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
        for (const QString& name : results) {
            auto* label = form->findChild<QLabel*>(name);
            label->setText("42");
            QCOMPARE(accessible(label, QAccessible::Name), QString("42"));
            QVERIFY2(!accessible(label, QAccessible::Description).isEmpty(), qPrintable(name));
        }
        StopProgram();
    }

    void tabVisitsTheControlsInTheirOrder_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("raw score") << 1 << QStringList{"txtRawScore", "txtMean", "txtSD", "cmdCopy", "chkReverse", "chkUseTtest",
                                                       "txtSampleN", "cmdCalculate", "cmdClear", "UpDown1"};
        QTest::newRow("score converter") << 2 << QStringList{"txtFrom", "optFrom4", "optTo0", "cmdCalculate", "cmdClear", "cmdCopy", "UpDown1"};
        QTest::newRow("age calculator") << 4 << QStringList{"txtBirthdate", "txtTestDate", "cmdCalculate", "cmdClear",
                                                            "cmdShowBirthDateCalendar", "cmdShowTestDateCalendar"};
        QTest::newRow("calculator") << 5 << QStringList{"Number0", "Number1", "Number2", "Number3", "Number4", "Number5", "Number6",
                                                        "Number7", "Number8", "Number9", "cmdPlusMinus", "Decimal", "Operator1",
                                                        "Operator3", "Operator2", "Operator0", "Operator4", "cmdOneOverX"};
    }
    void tabVisitsTheControlsInTheirOrder() {
        QFETCH(int, module);
        QFETCH(QStringList, order);
        StartProgram(module, {"UseTTest=1"});
        QApplication::activeWindow()->findChild<QWidget*>(order.first())->setFocus();
        QStringList visited{FocusName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, order);
        StopProgram();
    }
};

QTEST_MAIN(TestModuleFrame)
#include "tst_moduleframe.moc"
