#include <QtTest>
#include <cmath>
#include <limits>

#include "rows.h"
#include "stats/numbers.h"

using namespace modVelmora;

struct ReadRow { const char* name; const char* text; double value; };
struct RoundRow { const char* name; double value; int places; double rounded; };
struct FormatRow { const char* name; double value; int places; const char* text; };
struct GeneralRow { const char* name; double value; int digits; const char* text; };
Q_DECLARE_METATYPE(ReadRow)
Q_DECLARE_METATYPE(RoundRow)
Q_DECLARE_METATYPE(FormatRow)
Q_DECLARE_METATYPE(GeneralRow)

const ReadRow kReadRows[] = {
    {"letters end the number", "12abc", 12}, {"a second point ends the number", "1.2.3", 1.2},
    {"a leading point", ".5", 0.5}, {"lone minus reads as zero", "-", 0}, {"lone point reads as zero", ".", 0},
    {"a minus inside ends the number", "5-3", 5}, {"negative fraction", "-.25", -0.25},
    {"blanks tabs and line feeds are skipped", " 1 2\t3\n4", 1234}, {"no number at all", "abc", 0},
    {"empty text", "", 0}, {"comma is not a decimal point", "1,5", 1}, {"exponent is not read", "1e3", 1},
    {"plus sign is not read", "+5", 0}, {"double minus", "--5", 0}, {"a trailing point", "7.", 7},
};
const RoundRow kRoundRows[] = {
    {"107.5 to 108", 107.5, 0, 108}, {"92.5 to 92", 92.5, 0, 92}, {"0.25 to 0.2", 0.25, 1, 0.2},
    {"84.13447 to one place", 84.13447, 1, 84.1}, {"negative half", -2.5, 0, -2}, {"four places", 0.95346259, 4, 0.9535},
};
const FormatRow kFormatRows[] = {
    {"97.5 with no places", 97.5, 0, "98"}, {"3 with two places", 3, 2, "3.00"},
    {"0.25 with one place", 0.25, 1, "0.3"}, {"negative half", -0.25, 1, "-0.3"},
    {"a typed 1.005 is a half", 1.005, 2, "1.01"}, {"single precision percentile", double(84.1f), 1, "84.1"},
    {"carry into a new digit", 99.96, 1, "100.0"}, {"negative that rounds to zero has no sign", -0.001, 2, "0.00"},
    {"tiny value", 1e-20, 4, "0.0000"},
    {"large value", 123456789, 1, "123456789.0"}, {"five places give nothing", 1.5, 5, ""},
};
const GeneralRow kGeneralRows[] = {
    {"no trailing zeros", double(81.7f), 7, "81.7"}, {"t value", 0.9535, 7, "0.9535"}, {"negative", -0.9535, 7, "-0.9535"},
    {"whole number", 50, 7, "50"}, {"negative zero", -0.0, 15, "0"}, {"10^15 in exponent form", 1e15, 15, "1E+15"},
    {"10^-5 in exponent form", 1e-5, 15, "1E-05"}, {"10^-4 stays fixed", 1e-4, 15, "0.0001"},
    {"10^14 as fifteen digits", 1e14, 15, "100000000000000"}, {"one third", 1.0 / 3, 15, "0.333333333333333"},
    {"rounding up into exponent form", 999999999999999.9, 15, "1E+15"}, {"mantissa with digits", 1.5e20, 15, "1.5E+20"},
    {"seven digits of a large single", 12345678, 7, "1.234568E+07"}, {"not a number gives nothing", NAN, 7, ""},
};

// Reading typed numbers by their prefix, rounding, and the shown forms.
class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void reading_data() { AddRows(kReadRows); }
    void reading() {
        QFETCH(ReadRow, row);
        QCOMPARE(ReadNumericPrefix(row.text), row.value);
    }

    void readingIsAlwaysFinite() {
        const std::string huge(400, '9');
        QCOMPARE(ReadNumericPrefix(huge), std::numeric_limits<double>::max());
        QCOMPARE(ReadNumericPrefix("-" + huge), -std::numeric_limits<double>::max());
        QCOMPARE(ReadNumericPrefix("0." + std::string(400, '0') + "1"), 0.0);
    }

    void roundingGoesHalfToEven_data() { AddRows(kRoundRows); }
    void roundingGoesHalfToEven() {
        QFETCH(RoundRow, row);
        QCOMPARE(RoundToPlaces(row.value, row.places), row.rounded);
    }

    void formatPlacesRoundsHalvesAwayFromZero_data() { AddRows(kFormatRows); }
    void formatPlacesRoundsHalvesAwayFromZero() {
        QFETCH(FormatRow, row);
        QCOMPARE(FormatPlaces(row.value, unsigned(row.places)), std::string(row.text));
    }

    void generalFormat_data() { AddRows(kGeneralRows); }
    void generalFormat() {
        QFETCH(GeneralRow, row);
        QCOMPARE(FormatGeneral(row.value, row.digits), std::string(row.text));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
