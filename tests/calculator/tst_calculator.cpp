#include <QtTest>

#include "rows.h"
#include "scenario.h"
#include "calculator/calculatorengine.h"

using namespace modVelmora;
constexpr Module Calc = Module::Calculator;

// Key sequences written as in the manual: digits, ".", "+", "-", "X", "/", "=", "%", and B Backspace,
// E CE, C clear all, ~ +/-, S sqrt, R 1/x, m MC, r MR, s MS, p M+; blanks are ignored. As a user works
// the window: every key clicked, or typed where the keyboard has it (X as *, = as Enter, B as Backspace, C as Esc).
QString CalculatorSteps(const QString& sequence, bool keyboard) {
    static const QMap<QChar, QString> buttons{{'.', "Decimal"}, {'%', "Percent"}, {'B', "cmdBackSpace"}, {'E', "CancelEntry"},
        {'C', "Cancel"}, {'~', "cmdPlusMinus"}, {'S', "cmdSquareRoot"}, {'R', "cmdOneOverX"}, {'m', "cmdMemClear"},
        {'r', "cmdMemRecall"}, {'s', "cmdMemStore"}, {'p', "cmdMemPlus"}};
    static const QMap<QChar, QString> typed{{'X', "*"}, {'=', "\r"}, {'B', "\b"}, {'C', "\x1b"}};
    QString steps;
    const QString keys = QString(sequence).remove(' ');
    for (const QChar c : keys) {
        if (keyboard && (c.isDigit() || QString("./+-").contains(c))) steps += c;
        else if (keyboard && typed.contains(c)) steps += typed[c];
        else if (const int op = QString("/+X-=").indexOf(c); op >= 0) steps += QString("[Operator%1]").arg(op);
        else steps += "[" + (c.isDigit() ? "Number" + QString(c) : buttons[c]) + "]";
    }
    return steps;
}

// Key sequences of everyday use and the exact display after each.
const std::pair<QString, QString> kManualTable[] = {
    {"5 + 3 =", "8."}, {"2 X 3 +", "6."}, {"2 X 3 + 4 =", "10."}, {"1 / 3 =", "0.333333333333333"}, {"10 / 0 =", "Cannot divide by 0."},
    {"- 5", "-5."}, {"5 X - 3 =", "-15."}, {". 5", "0.5"}, {"0 5", "05."}, {"1 . 2 3 B", "1."}, {"1 . 2 3 B 4", "1.4"}, {"1 2 3 B", "12."},
    {"200 + 10 %", "20."}, {"200 + 10 % =", "220."}, {"5 + 3 E 4 =", "9."}, {"4 ~ S", "Error."}, {"0 R", "Cannot divide by 0."},
    {"10000000 X 10000000 =", "100000000000000"}, {"12 ~ 3", "-123."}};

struct SequenceRow { const char* name; QString keys, display; int beeps; };
Q_DECLARE_METATYPE(SequenceRow)


// The twentieth factor of 10^16 passes the largest double.
const QString kOverflow = QString("9999999999999999 X ").repeated(20);

// The limits of entry and display, memory, and the corners of each key.
const SequenceRow kSequenceRows[] = {
    {"sixteen 9s are taken", "9999999999999999", "9999999999999999.", 0}, {"a second point is ignored", "1 . 2 . 3", "1.23", 0},
    {"a seventeenth digit beeps", "99999999999999999", "9999999999999999.", 1}, {"equals again changes nothing", "5 + 3 = =", "8.", 0},
    {"fifteen digits after a minus", "- 9999999999999999", "-999999999999999.", 1}, {"percent before any operator", "50 %", "0.", 0},
    {"digits after the point have no limit", ". 12345678901234567890", "0.12345678901234567890", 0}, {"reciprocal", "8 R", "0.125", 0},
    {"a readout keeps sixteen decimals", "1.23456789012345678 B", "1.234567890123456", 0}, {"square root", "2 S", "1.4142135623731", 0},
    {"a readout is rounded at sixteen decimals", "0.1234567890123456789 B", "0.1234567890123457", 0}, {"sign change of zero", "~", "0.", 0},
    {"a half at the sixteenth decimal rounds away from zero", ".00000001 X .000000005 =", "0.0000000000000001", 0},
    {"a number after equals starts anew", "5 + 3 = 2 X 3 =", "6.", 0}, {"left to right, no precedence", "2 + 3 X 4 =", "20.", 0},
    {"backspace after an operator beeps", "5 + B", "5.", 1}, {"backspace on zero beeps", "B", "0.", 1},
    {"backspace to nothing", "7 B", "0.", 0}, {"backspace of a negative digit", "- 5 B", "0.", 0},
    {"10^15 in exponent form", "10000000 X 100000000 =", "1E+15", 0}, {"C clears everything", "5 + 3 C", "0.", 0},
    {"negative results keep their digits", "1000000000 X 100000000000 = ~", "-100000000000000000000.", 0},
    {"tiny results show as zero", "1 / 100000000 = / 100000000 = / 10000 =", "0.", 0},
    {"M+ adds to the memory, MR recalls it", "12 s 3.5 p C r", "15.5", 0}, {"digits go on after a recall", "12 s C r 2", "122.", 0},
    {"CE keeps the pending operation", "9 X E 2 =", "18.", 0}, {"a fraction goes on into the next operation", "10 / 4 = + 1 =", "3.5", 0},
    // An error on show is never calculated with.
    {"an operator on Error. beeps", "4 ~ S +", "Error.", 1}, {"percent on Error. beeps", "4 ~ S %", "Error.", 1},
    {"sign change on Error. beeps", "4 ~ S ~", "Error.", 1}, {"backspace on Error. beeps", "4 ~ S B", "Error.", 1},
    {"square root on a division message beeps", "1 / 0 = S", "Cannot divide by 0.", 1}, {"CE after an error", "4 ~ S E", "0.", 0},
    {"reciprocal of an error text is a division by zero", "4 ~ S R", "Cannot divide by 0.", 0},
    {"a digit after an error starts a number", "4 ~ S 7", "7.", 0}, {"the point after an error starts a number", "4 . 5 ~ S . 5", "0.5", 0},
    {"a digit after a division message starts a number", "1 / 0 = 7", "7.", 0}, {"sign change on a lone minus beeps", "5 + - ~", "-", 1},
    {"a lone minus as first operand beeps at completion", "5 + - + 3 =", "-3.", 1}, {"overflow shows Error.", kOverflow, "Error.", 0},
    {"after an overflow an operation beeps until C", kOverflow + " 2 + 3 =", "23.", 2},
    {"C after an overflow", kOverflow + " C 2 + 3 =", "5.", 0}, {"a digit after a whole result goes before the point", "4 S 1", "21.", 0},
    {"a digit after a result of 10^14 starts a number", "10000000 X 10000000 = 5", "5.", 0},
    {"the point after 1E+15 starts a number", "10000000 X 100000000 = . 5", "0.5", 0},
    {"backspace on an exponent form beeps", "10000000 X 100000000 = B", "1E+15", 1}, {"M+ of fractions below 1", ". 5 p . 2 5 p C r", "0.75", 0},
    {"a digit after a computed fraction is appended", "2 S 7", "1.41421356237317", 0},
};

// The engine alone, keys in and the display out: the sequence letters as above.
std::optional<CalculatorKey> KeyOf(QChar c) {
    static const QMap<QChar, CalculatorKey> keys{{'B', CalculatorKey::Backspace}, {'E', CalculatorKey::ClearEntry},
        {'C', CalculatorKey::ClearAll}, {'~', CalculatorKey::ChangeSign}, {'S', CalculatorKey::SquareRoot},
        {'R', CalculatorKey::Reciprocal}, {'m', CalculatorKey::MemoryClear}, {'r', CalculatorKey::MemoryRecall},
        {'s', CalculatorKey::MemoryStore}, {'p', CalculatorKey::MemoryAdd}};
    if (keys.contains(c)) return keys[c];
    return KeyWithCaption(c.toLatin1());
}

// The window worked with the mouse and with the keyboard: the keys' map, the focus, the beep, the
// memory indicator and its tooltip, the user's separator.
const Scenario kWindowRows[] = {
    {"the 0 key has the focus when the window opens", Calc, {}, "", {"focus=Number0", "Readout=0."}},
    {"other keys do nothing, a letter X included", Calc, {}, "5a +X3 \r", {"Readout=8.", "focus=Operator4", "beeps=0"}},
    {"every key by mouse", Calc, {}, CalculatorSteps("7 8 9 B / 4 5 6 X 1 2 3 - 0 . 5 + ~ = % S R E C", false), {"Readout=0.", "beeps=0"}},
    {"the keyboard's keys", Calc, {}, CalculatorSteps("1 2 . 5 X 2 - 5 / 4 + 3 =", true), {"Readout=8.", "focus=Operator4"}},
    {"Backspace and Esc", Calc, {}, "123\b\x1b" "9\b\b", {"Readout=0.", "beeps=1"}},
    {"the key of the locale's separator is the point", Calc, {}, Shown("1.25") + "*2\r", {"Readout=2.5"}},
    {"an error on show", Calc, {}, "4[cmdPlusMinus][cmdSquareRoot]+", {"Readout=Error.", "beeps=1"}},
    {"a division by zero", Calc, {}, "1/0\r", {"Readout=Cannot divide by 0."}},
    {"MS of a zero display leaves the memory as it was", Calc, {}, "[cmdMemStore]", {"lblMemoryValue=", "tip:lblMemoryValue=Memory Value: 0"}},
    {"MC empties the memory", Calc, {}, "7[cmdMemStore][cmdMemClear]", {"lblMemoryValue=", "tip:lblMemoryValue=Memory Value: 0"}},
    {"MS marks the memory", Calc, {}, ".5[cmdMemStore]", {"lblMemoryValue=M", "tip:lblMemoryValue=Memory Value: 0.5"}},
    {"M+ of amounts below 1", Calc, {}, ".5[cmdMemPlus].25[cmdMemPlus]\x1b[cmdMemRecall]",
     {"lblMemoryValue=M", "tip:lblMemoryValue=Memory Value: 0.75", "Readout=0.75"}},
    {"leaving keeps the memory but not the entry", Calc, {}, "42[cmdMemStore]5+3[mnuModule5][cmdMemRecall]+1\r",
     {"Readout=43.", "lblMemoryValue=", "tip:lblMemoryValue="}},
};

// The calculator's engine with the sequences of everyday use, its limits and its corners, and
// the window as a user works it.
class TestCalculator : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void engine_data() {
        QTest::addColumn<SequenceRow>("row");
        for (const auto& [keys, display] : kManualTable) QTest::newRow(qPrintable(keys)) << SequenceRow{"", keys, display, 0};
        for (const SequenceRow& row : kSequenceRows) QTest::newRow(row.name) << row;
    }
    void engine() {
        QFETCH(SequenceRow, row);
        CalculatorEngine engine;
        int beeps = 0;
        const QString keys = QString(row.keys).remove(' ');
        for (const QChar c : keys) {
            const auto key = KeyOf(c);
            QVERIFY2(key, qPrintable(QString("no key ") + c));
            beeps += engine.press(*key) == CalculatorEngine::Response::Beep;
        }
        QCOMPARE(QString::fromStdString(engine.displayText()), row.display);
        QCOMPARE(beeps, row.beeps);
    }

    void window_data() { AddRows(kWindowRows); }
    void window() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    void escapeMovesTheWindowBack() {
        QWidget* form = StartProgram(Calc, {"Left Coordinates=1500", "Top Coordinates=750"});
        form->move(300, 300);
        Play("7\x1b");
        QCOMPARE(form->pos(), QPoint(100, 50));
        Check({"Readout=0."}, platform);
        QCOMPARE(TheProgram().settings().record.view, 5);
        StopProgram();
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
