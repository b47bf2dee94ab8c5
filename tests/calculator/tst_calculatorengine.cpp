#include <QtTest>

#include "calculator/calculatorengine.h"
#include "calculatorkeys.h"

using namespace modVelmora;

// The calculator's state machine: the manual's sequences, its limits and the
// cases left open, decided so that no error text is ever calculated with.
class TestCalculatorEngine : public QObject {
    Q_OBJECT
private slots:
    void sequences_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("beeps");
        for (const auto& [keys, display] : CalculatorManualTable()) QTest::newRow(qPrintable("manual: " + keys)) << keys << display << 0;
        QTest::newRow("sixteen 9s are taken") << "9999999999999999" << "9999999999999999." << 0;
        QTest::newRow("a seventeenth digit beeps") << "99999999999999999" << "9999999999999999." << 1;
        QTest::newRow("fifteen digits after a minus") << "- 9999999999999999" << "-999999999999999." << 1;
        QTest::newRow("digits after the point have no limit") << ". 12345678901234567890" << "0.12345678901234567890" << 0;
        QTest::newRow("a second point is ignored") << "1 . 2 . 3" << "1.23" << 0;
        QTest::newRow("a readout keeps sixteen decimals") << "1.23456789012345678 B" << "1.234567890123456" << 0;
        QTest::newRow("a readout is rounded at sixteen decimals") << "0.1234567890123456789 B" << "0.1234567890123457" << 0;
        QTest::newRow("a half at the sixteenth decimal rounds away from zero") << ".00000001 X .000000005 =" << "0.0000000000000001" << 0;
        QTest::newRow("equals again changes nothing") << "5 + 3 = =" << "8." << 0;
        QTest::newRow("a number after equals starts anew") << "5 + 3 = 2 X 3 =" << "6." << 0;
        QTest::newRow("left to right, no precedence") << "2 + 3 X 4 =" << "20." << 0;
        QTest::newRow("percent before any operator") << "50 %" << "0." << 0;
        QTest::newRow("square root") << "2 S" << "1.4142135623731" << 0;
        QTest::newRow("reciprocal") << "8 R" << "0.125" << 0;
        QTest::newRow("sign change of zero") << "~" << "0." << 0;
        QTest::newRow("backspace after an operator beeps") << "5 + B" << "5." << 1;
        QTest::newRow("backspace on zero beeps") << "B" << "0." << 1;
        QTest::newRow("backspace to nothing") << "7 B" << "0." << 0;
        QTest::newRow("backspace of a negative digit") << "- 5 B" << "0." << 0;
        QTest::newRow("10^15 in exponent form") << "10000000 X 100000000 =" << "1E+15" << 0;
        QTest::newRow("negative results keep their digits") << "1000000000 X 100000000000 = ~" << "-100000000000000000000." << 0;
        QTest::newRow("tiny results show as zero") << "1 / 100000000 = / 100000000 = / 10000 =" << "0." << 0;
        QTest::newRow("C clears everything") << "5 + 3 C" << "0." << 0;
        QTest::newRow("M+ adds to the memory, MR recalls it") << "12 s 3.5 p C r" << "15.5" << 0;
        QTest::newRow("digits go on after a recall") << "12 s C r 2" << "122." << 0;
        QTest::newRow("CE keeps the pending operation") << "9 X E 2 =" << "18." << 0;
        // The cases left open, decided so that an error text is never calculated with.
        QTest::newRow("an operator on Error. beeps") << "4 ~ S +" << "Error." << 1;
        QTest::newRow("percent on Error. beeps") << "4 ~ S %" << "Error." << 1;
        QTest::newRow("sign change on Error. beeps") << "4 ~ S ~" << "Error." << 1;
        QTest::newRow("square root on a division message beeps") << "1 / 0 = S" << "Cannot divide by 0." << 1;
        QTest::newRow("backspace on Error. beeps") << "4 ~ S B" << "Error." << 1;
        QTest::newRow("reciprocal of an error text is a division by zero") << "4 ~ S R" << "Cannot divide by 0." << 0;
        QTest::newRow("a digit after an error starts a number") << "4 ~ S 7" << "7." << 0;
        QTest::newRow("a digit after a division message starts a number") << "1 / 0 = 7" << "7." << 0;
        QTest::newRow("the point after an error starts a number") << "4 . 5 ~ S . 5" << "0.5" << 0;
        QTest::newRow("CE after an error") << "4 ~ S E" << "0." << 0;
        QTest::newRow("a lone minus as first operand beeps at completion") << "5 + - + 3 =" << "-3." << 1;
        QTest::newRow("sign change on a lone minus beeps") << "5 + - ~" << "-" << 1;
        // The twentieth factor of 10^16 passes the largest double.
        const QString overflow = QString("9999999999999999 X ").repeated(20);
        QTest::newRow("overflow shows Error.") << overflow << "Error." << 0;
        QTest::newRow("after an overflow an operation beeps until C") << overflow + " 2 + 3 =" << "23." << 2;
        QTest::newRow("C after an overflow") << overflow + " C 2 + 3 =" << "5." << 0;
        QTest::newRow("a digit after a result of 10^14 starts a number") << "10000000 X 10000000 = 5" << "5." << 0;
        QTest::newRow("the point after 1E+15 starts a number") << "10000000 X 100000000 = . 5" << "0.5" << 0;
        QTest::newRow("backspace on an exponent form beeps") << "10000000 X 100000000 = B" << "1E+15" << 1;
        QTest::newRow("a digit after a computed fraction is appended") << "2 S 7" << "1.41421356237317" << 0;
        QTest::newRow("a digit after a whole result goes before the point") << "4 S 1" << "21." << 0;
    }
    void sequences() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(int, beeps);
        CalculatorEngine engine;
        int beeped = 0;
        for (CalculatorKey key : CalculatorKeys(keys)) beeped += engine.press(key) == CalculatorEngine::Response::Beep;
        QCOMPARE(QString::fromStdString(engine.display()), display);
        QCOMPARE(beeped, beeps);
    }
};

QTEST_GUILESS_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
