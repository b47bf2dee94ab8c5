#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "calculator/frmcalculator.h"
#include "calculatorkeys.h"
#include "recordingplatform.h"
#include "shell/settingsrecord.h"
#include "teststore.h"
#include "typing.h"

using namespace modVelmora;

// The calculator window worked with the mouse and with the keyboard.
class TestCalculatorWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    std::unique_ptr<frmCalculator> window;

    void open() {
        window->show();
        QVERIFY(Activate(window->form()));
        platform.reset();
    }
    void leave() {
        Settings().switching = true;
        window->unload();
        Settings().switching = false;
    }
    QPushButton* button(CalculatorKey key) const {
        using K = CalculatorKey;
        const int index = static_cast<int>(key);
        if (index <= static_cast<int>(K::Digit9)) return window->Number[size_t(index)];
        switch (key) {
            case K::Point: return window->Decimal;
            case K::Divide: return window->Operator[0];
            case K::Add: return window->Operator[1];
            case K::Multiply: return window->Operator[2];
            case K::Subtract: return window->Operator[3];
            case K::Equals: return window->Operator[4];
            case K::Percent: return window->Percent;
            case K::ChangeSign: return window->cmdPlusMinus;
            case K::SquareRoot: return window->cmdSquareRoot;
            case K::Reciprocal: return window->cmdOneOverX;
            case K::Backspace: return window->cmdBackSpace;
            case K::ClearEntry: return window->CancelEntry;
            case K::ClearAll: return window->Cancel;
            case K::MemoryClear: return window->cmdMemClear;
            case K::MemoryRecall: return window->cmdMemRecall;
            case K::MemoryStore: return window->cmdMemStore;
            default: return window->cmdMemPlus;
        }
    }
    void click(const QString& sequence) {
        for (CalculatorKey key : CalculatorKeys(sequence)) QTest::mouseClick(button(key), Qt::LeftButton);
    }

private slots:
    void init() {
        ClearStore();
        Settings() = SettingsRecord{};
        window = std::make_unique<frmCalculator>();
        open();
    }
    void cleanup() {
        leave();
        window.reset();
    }

    void opensWithItsInitialDisplay() {
        QCOMPARE(window->Readout->text(), QString("0."));
        QCOMPARE(window->Operator[4]->text(), QString("="));
        QCOMPARE(window->Operator[2]->text(), QString("X"));
        QCOMPARE(window->cmdSquareRoot->toolTip(), QString("Square root"));
        QVERIFY(window->lblMemoryValue->text().isEmpty());
    }

    void manualSequencesWithTheMouse_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        for (const auto& [keys, display] : CalculatorManualTable()) QTest::newRow(qPrintable(keys)) << keys << display;
    }
    void manualSequencesWithTheMouse() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        click(keys);
        QCOMPARE(window->Readout->text(), display);
    }

    void manualSequencesFromTheKeyboard_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("display");
        QTest::newRow("5+3 Enter") << "5+3\r" << "8.";
        QTest::newRow("2*3+4 Enter") << "2*3+4\r" << "10.";
        QTest::newRow("1/3 Enter") << "1/3\r" << "0.333333333333333";
        QTest::newRow("10/0 Enter") << "10/0\r" << "Cannot divide by 0.";
        QTest::newRow("minus 5") << "-5" << "-5.";
        QTest::newRow("5*-3 Enter") << "5*-3\r" << "-15.";
        QTest::newRow("point 5") << ".5" << "0.5";
        QTest::newRow("1.23 Backspace 4") << "1.23\b4" << "1.4";
        QTest::newRow("123 Backspace") << "123\b" << "12.";
        QTest::newRow("other keys do nothing") << "5a +x3 \r" << "8.";
        QTest::newRow("Escape clears all") << "5+3\x1b" << "0.";
    }
    void manualSequencesFromTheKeyboard() {
        QFETCH(QString, typed);
        QFETCH(QString, display);
        window->Number[7]->setFocus();  // whichever button has the focus
        TypeKeys(typed);
        QCOMPARE(window->Readout->text(), display);
        QCOMPARE(FocusName(), QString("Operator4"));
    }

    void theSeventeenthDigitBeeps() {
        TypeKeys("9999999999999999");
        QCOMPARE(platform.beeps, 0);
        TypeKeys("9");
        QCOMPARE(platform.beeps, 1);
        QCOMPARE(window->Readout->text(), QString("9999999999999999."));
    }

    void memoryIndicatorShowsTheMemory() {
        click("s");
        QVERIFY(window->lblMemoryValue->text().isEmpty());
        click("m");
        QCOMPARE(window->lblMemoryValue->toolTip(), QString("Memory Value: 0"));
        click("42 s");
        QCOMPARE(window->lblMemoryValue->text(), QString("M"));
        QCOMPARE(window->lblMemoryValue->toolTip(), QString("Memory Value: 42"));
    }

    void leavingKeepsTheMemoryAndOperands() {
        click("42 s 5 + 3");
        leave();
        open();
        QCOMPARE(window->Readout->text(), QString("0."));
        QVERIFY(window->lblMemoryValue->text().isEmpty());
        QVERIFY(window->lblMemoryValue->toolTip().isEmpty());
        click("r");
        QCOMPARE(window->Readout->text(), QString("42."));
        // The pending addition is gone with the load step; the memory is not.
        click("+ 1 =");
        QCOMPARE(window->Readout->text(), QString("43."));
    }

    void escapeMovesTheWindowBack() {
        Settings().leftCoordinates = 1500;
        Settings().topCoordinates = 750;
        leave();
        open();
        window->form()->move(300, 300);
        click("7");
        TypeKeys("\x1b");
        QCOMPARE(window->form()->pos(), QPoint(100, 50));
        QCOMPARE(window->Readout->text(), QString("0."));
        QCOMPARE(Settings().view, 5);
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
