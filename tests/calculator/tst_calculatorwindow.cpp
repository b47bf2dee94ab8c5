#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QtTest>

#include "calculator/frmcalculator.h"
#include "calculatorkeys.h"
#include "windowfixture.h"

using namespace modVelmora;

// The calculator window worked with the mouse and with the keyboard.
class TestCalculatorWindow : public QObject, WindowFixture<frmCalculator> {
    Q_OBJECT

    // Keys written as in the manual: typed where the keyboard has them, clicked otherwise.
    void enter(const QString& sequence, bool keyboard) {
        const QMap<QChar, QString> captions{{'B', "Backspace"}, {'E', "CE"}, {'C', "C"}, {'~', "+/-"}, {'S', "sqrt"},
                                            {'R', "1/x"}, {'m', "MC"}, {'r', "MR"}, {'s', "MS"}, {'p', "M+"}};
        const QMap<QChar, QString> typed{{'X', "*"}, {'=', "\r"}, {'B', "\b"}, {'C', "\x1b"}};
        const QString keys = QString(sequence).remove(' ');
        for (const QChar c : keys) {
            if (keyboard && (c.isDigit() || QString("./+-").contains(c) || typed.contains(c))) {
                TypeKeys(typed.value(c, QString(c)));
                continue;
            }
            const QString caption = captions.value(c, QString(c));
            const auto buttons = window->form()->findChildren<QPushButton*>();
            const auto found = std::find_if(buttons.begin(), buttons.end(), [&](QPushButton* b) { return b->text() == caption; });
            QVERIFY2(found != buttons.end(), qPrintable(caption));
            QTest::mouseClick(*found, Qt::LeftButton);
        }
    }

private slots:
    void init() {
        ClearStore();
        window = std::make_unique<frmCalculator>();
        window->show();
        QVERIFY(Activate(window->form()));
        platform.reset();
    }
    void cleanup() { close(); }

    void manualSequences_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("keyboard");
        for (const auto& [keys, display] : CalculatorManualTable()) {
            QTest::newRow(qPrintable("mouse: " + keys)) << keys << display << false;
            QTest::newRow(qPrintable("keyboard: " + keys)) << keys << display << true;
        }
    }
    void manualSequences() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(bool, keyboard);
        window->Number[7]->setFocus();  // whichever button has the focus
        enter(keys, keyboard);
        QCOMPARE(window->Readout->text(), Shown(display));
    }

    void otherKeysDoNothingAndTheSeventeenthDigitBeeps() {
        QCOMPARE(FocusName(), QString("Number0"));  // tab index 0 when the window opens
        TypeKeys("5a +X3 \r");  // a letter X is no multiplication key
        QCOMPARE(window->Readout->text(), Shown("8."));
        QCOMPARE(FocusName(), QString("Operator4"));  // after every typed key
        TypeKeys("\x1b" "9999999999999999");
        QCOMPARE(platform.beeps, 0);
        TypeKeys("9");
        QCOMPARE(platform.beeps, 1);
        QCOMPARE(window->Readout->text(), Shown("9999999999999999."));
    }

    void memoryIndicatorShowsTheMemory() {
        enter("s", false);  // a zero display leaves the memory as it was
        QVERIFY(window->lblMemoryValue->text().isEmpty());
        enter("m", false);
        QCOMPARE(window->lblMemoryValue->toolTip(), QString("Memory Value: 0"));
        enter("42 s", false);
        QCOMPARE(window->lblMemoryValue->text(), QString("M"));
        QCOMPARE(window->lblMemoryValue->toolTip(), QString("Memory Value: 42"));
    }

    void leavingKeepsTheMemoryButNotTheEntry() {
        enter("42 s 5 + 3", false);
        leave();
        window->show();
        QCOMPARE(window->Readout->text(), Shown("0."));
        QVERIFY(window->lblMemoryValue->text().isEmpty() && window->lblMemoryValue->toolTip().isEmpty());
        enter("r + 1 =", false);  // the pending addition went with the load step; the memory did not
        QCOMPARE(window->Readout->text(), Shown("43."));
    }

    void escapeMovesTheWindowBack() {
        Settings().leftCoordinates = 1500;
        Settings().topCoordinates = 750;
        window->form()->move(300, 300);
        TypeKeys("7\x1b");
        QCOMPARE(window->form()->pos(), QPoint(100, 50));
        QCOMPARE(window->Readout->text(), Shown("0."));
        QCOMPARE(Settings().view, 5);
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
