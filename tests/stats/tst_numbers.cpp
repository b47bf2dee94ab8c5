#include <QtTest>
#include <cmath>
#include <limits>

#include "stats/numbers.h"

using namespace modVelmora;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void readingTakesTheNumericPrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("letters end the number") << "12abc" << 12.0;
        QTest::newRow("a second point ends the number") << "1.2.3" << 1.2;
        QTest::newRow("a leading point") << ".5" << 0.5;
        QTest::newRow("lone minus reads as zero") << "-" << 0.0;
        QTest::newRow("lone point reads as zero") << "." << 0.0;
        QTest::newRow("a minus inside ends the number") << "5-3" << 5.0;
        QTest::newRow("negative fraction") << "-.25" << -0.25;
        QTest::newRow("blanks tabs and line feeds are skipped") << " 1 2\t3\n4" << 1234.0;
        QTest::newRow("no number at all") << "abc" << 0.0;
        QTest::newRow("empty text") << "" << 0.0;
        QTest::newRow("comma is not a decimal point") << "1,5" << 1.0;
        QTest::newRow("exponent is not read") << "1e3" << 1.0;
        QTest::newRow("plus sign is not read") << "+5" << 0.0;
        QTest::newRow("double minus") << "--5" << 0.0;
        QTest::newRow("a trailing point") << "7." << 7.0;
    }
    void readingTakesTheNumericPrefix() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ReadNumericPrefix(text.toStdString()), expected);
    }

    void readingIsAlwaysFinite() {
        const std::string huge(400, '9');
        QCOMPARE(ReadNumericPrefix(huge), std::numeric_limits<double>::max());
        QCOMPARE(ReadNumericPrefix("-" + huge), -std::numeric_limits<double>::max());
        QCOMPARE(ReadNumericPrefix("0." + std::string(400, '0') + "1"), 0.0);
    }

    void roundingGoesHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("places");
        QTest::addColumn<double>("expected");
        QTest::newRow("107.5 to 108") << 107.5 << 0 << 108.0;
        QTest::newRow("92.5 to 92") << 92.5 << 0 << 92.0;
        QTest::newRow("0.25 to 0.2") << 0.25 << 1 << 0.2;
        QTest::newRow("84.13447 to one place") << 84.13447 << 1 << 84.1;
        QTest::newRow("negative half") << -2.5 << 0 << -2.0;
        QTest::newRow("four places") << 0.95346259 << 4 << 0.9535;
    }
    void roundingGoesHalfToEven() {
        QFETCH(double, value);
        QFETCH(int, places);
        QFETCH(double, expected);
        QCOMPARE(RoundToPlaces(value, places), expected);
    }

    void formatPlacesRoundsHalvesAwayFromZero_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("97.5 with no places") << 97.5 << 0 << "." << "98";
        QTest::newRow("3 with two places") << 3.0 << 2 << "." << "3.00";
        QTest::newRow("0.25 with one place") << 0.25 << 1 << "." << "0.3";
        QTest::newRow("negative half") << -0.25 << 1 << "." << "-0.3";
        QTest::newRow("a typed 1.005 is a half") << 1.005 << 2 << "." << "1.01";
        QTest::newRow("single precision percentile") << double(84.1f) << 1 << "." << "84.1";
        QTest::newRow("carry into a new digit") << 99.96 << 1 << "." << "100.0";
        QTest::newRow("negative that rounds to zero has no sign") << -0.001 << 2 << "." << "0.00";
        QTest::newRow("tiny value") << 1e-20 << 4 << "." << "0.0000";
        QTest::newRow("locale separator") << 84.13447 << 2 << "," << "84,13";
        QTest::newRow("large value") << 123456789.0 << 1 << "." << "123456789.0";
        QTest::newRow("five places give nothing") << 1.5 << 5 << "." << "";
        QTest::newRow("255 places give nothing") << 1.5 << 255 << "." << "";
    }
    void formatPlacesRoundsHalvesAwayFromZero() {
        QFETCH(double, value);
        QFETCH(int, places);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(FormatPlaces(value, unsigned(places), separator.toStdString())), expected);
    }

    void generalFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no trailing zeros") << double(81.7f) << 7 << "81.7";
        QTest::newRow("t value") << 0.9535 << 7 << "0.9535";
        QTest::newRow("negative") << -0.9535 << 7 << "-0.9535";
        QTest::newRow("whole number") << 50.0 << 7 << "50";
        QTest::newRow("zero") << 0.0 << 7 << "0";
        QTest::newRow("negative zero") << -0.0 << 15 << "0";
        QTest::newRow("10^15 in exponent form") << 1e15 << 15 << "1E+15";
        QTest::newRow("10^-5 in exponent form") << 1e-5 << 15 << "1E-05";
        QTest::newRow("10^-4 stays fixed") << 1e-4 << 15 << "0.0001";
        QTest::newRow("10^14 as fifteen digits") << 1e14 << 15 << "100000000000000";
        QTest::newRow("one third to fifteen digits") << 1.0 / 3 << 15 << "0.333333333333333";
        QTest::newRow("rounding up into exponent form") << 999999999999999.9 << 15 << "1E+15";
        QTest::newRow("mantissa with digits") << 1.5e20 << 15 << "1.5E+20";
        QTest::newRow("seven digits of a large single") << 12345678.0 << 7 << "1.234568E+07";
        QTest::newRow("not a number gives nothing") << std::nan("") << 7 << "";
    }
    void generalFormat() {
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(FormatGeneral(value, digits)), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
