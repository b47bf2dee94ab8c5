#include <QtTest>

#include "calculatorkeys.h"
#include "rows.h"
#include "scenario.h"
#include "shell/settingsrecord.h"

const Scenario kRows[] = {
    {"the 0 key has the focus when the window opens", 5, {}, "", {"focus=Number0", "Readout=0."}},
    {"other keys do nothing, a letter X included", 5, {}, "5a +X3 \r", {"Readout=8.", "focus=Operator4", "beeps=0"}},
    {"sixteen digits are taken", 5, {}, "9999999999999999", {"Readout=9999999999999999.", "beeps=0"}},
    {"a seventeenth digit beeps", 5, {}, "99999999999999999", {"Readout=9999999999999999.", "beeps=1"}},
    {"MS of a zero display leaves the memory as it was", 5, {}, "[cmdMemStore]", {"lblMemoryValue=", "tip:lblMemoryValue=Memory Value: 0"}},
    {"MC empties the memory", 5, {}, "7[cmdMemStore][cmdMemClear]", {"lblMemoryValue=", "tip:lblMemoryValue=Memory Value: 0"}},
    {"MS marks the memory", 5, {}, "42[cmdMemStore]", {"lblMemoryValue=M", "tip:lblMemoryValue=Memory Value: 42"}},
    {"leaving keeps the memory but not the entry", 5, {}, "42[cmdMemStore]5+3[mnuModule5][cmdMemRecall]+1\r",
     {"Readout=43.", "lblMemoryValue=", "tip:lblMemoryValue="}},
};

// The calculator window worked with the mouse and with the keyboard.
class TestCalculatorWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void scenarios_data() {
        QTest::addColumn<Scenario>("row");
        for (const Scenario& row : kRows) QTest::newRow(row.name) << row;
        for (const auto& [keys, display] : CalculatorManualTable()) {
            for (const bool keyboard : {false, true}) {
                const QString name = (keyboard ? "keyboard: " : "mouse: ") + keys;
                QTest::newRow(qPrintable(name)) << Scenario{"", 5, {}, CalculatorSteps(keys, keyboard), {"Readout=" + display}};
            }
        }
    }
    void scenarios() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    void escapeMovesTheWindowBack() {
        QWidget* form = StartProgram(5, {"Left Coordinates=1500", "Top Coordinates=750"});
        form->move(300, 300);
        Play("7\x1b");
        QCOMPARE(form->pos(), QPoint(100, 50));
        Check({"Readout=0."}, platform);
        QCOMPARE(modVelmora::Settings().view, 5);
        StopProgram();
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
