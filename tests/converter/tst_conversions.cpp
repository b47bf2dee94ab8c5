#include <QtTest>

#include "converter/conversions.h"
#include "rows.h"

using namespace modVelmora;
using S = ScoreScale;
using Outcome = Conversion::Outcome;

struct ConversionRow { const char* name; S from; S to; const char* entry; int decimals; const char* text; Outcome outcome = Outcome::Converted; };
Q_DECLARE_METATYPE(ConversionRow)

// The conversion table, From by To, with the published figures.
const ConversionRow kRows[] = {
    {"z 1 to percentile", S::ZScore, S::Percentile, "1", 1, "84.1"},
    {"z 1 to percentile, two places", S::ZScore, S::Percentile, "1", 2, "84.13"},
    {"z 1.96 to percentile", S::ZScore, S::Percentile, "1.96", 1, "97.5"},
    {"z 5 to percentile", S::ZScore, S::Percentile, "5", 1, "100.0"},
    {"z -5 to percentile", S::ZScore, S::Percentile, "-5", 1, "0.0"},
    {"percentile 50 to z", S::Percentile, S::ZScore, "50", 1, "0.00"},
    {"percentile 50 to z, no places", S::Percentile, S::ZScore, "50", 0, "0.00"},
    {"percentile 50 to z, three places", S::Percentile, S::ZScore, "50", 3, "0.000"},
    {"percentile 50 to T", S::Percentile, S::TScore, "50", 1, "50"},
    {"percentile 50 to standard", S::Percentile, S::StandardScore, "50", 1, "100"},
    {"percentile 50 to scaled", S::Percentile, S::ScaledScore, "50", 1, "10"},
    {"percentile 97.5 to z", S::Percentile, S::ZScore, "97.5", 1, "1.96"},
    {"percentile 97.5 to T", S::Percentile, S::TScore, "97.5", 1, "70"},
    {"percentile 97.5 to standard", S::Percentile, S::StandardScore, "97.5", 1, "129"},
    {"percentile 97.5 to scaled", S::Percentile, S::ScaledScore, "97.5", 1, "16"},
    {"percentile 99.99 to scaled is held at 20", S::Percentile, S::ScaledScore, "99.99", 1, "20"},
    {"percentile 0.01 to scaled is held at 1", S::Percentile, S::ScaledScore, "0.01", 1, "1"},
    {"percentile to itself", S::Percentile, S::Percentile, "84.13", 1, "84.1"},
    {"percentile to itself, four places", S::Percentile, S::Percentile, "2.5", 4, "2.5000"},
    {"percentile 22.05 is divided before it is single", S::Percentile, S::Percentile, "22.05", 1, "22.1"},
    {"percentile 52.85 to itself", S::Percentile, S::Percentile, "52.85", 1, "52.9"},
    {"percentile 88.95 to itself", S::Percentile, S::Percentile, "88.95", 1, "89.0"},
    {"z 4 to scaled has no upper limit", S::ZScore, S::ScaledScore, "4", 1, "22"},
    {"z -4 to scaled is raised to 0", S::ZScore, S::ScaledScore, "-4", 1, "0"},
    {"T 55 to standard rounds half to even", S::TScore, S::StandardScore, "55", 1, "108"},
    {"T 45 to standard rounds half to even", S::TScore, S::StandardScore, "45", 1, "92"},
    {"scaled 13 to standard", S::ScaledScore, S::StandardScore, "13", 1, "115"},
    {"scaled 20 is converted", S::ScaledScore, S::TScore, "20", 1, "83"},
    {"scaled 1 to percentile", S::ScaledScore, S::Percentile, "1", 2, "0.13"},
    {"standard 70 to T", S::StandardScore, S::TScore, "70", 1, "30"},
    {"standard 130 to z", S::StandardScore, S::ZScore, "130", 4, "2.0000"},
    {"standard to itself", S::StandardScore, S::StandardScore, "115", 1, "115"},
    {"negative standard score", S::StandardScore, S::ZScore, "-50", 1, "-10.00"},
    {"T 60 to scaled", S::TScore, S::ScaledScore, "60", 1, "13"},
    {"z to itself", S::ZScore, S::ZScore, "1.2345", 3, "1.235"},
    {"numeric prefix of the entry", S::ZScore, S::TScore, "1.2.3", 1, "62"},
    // Each fails when one single-precision step or rounding rule is done otherwise.
    {"the entry in single precision", S::StandardScore, S::ScaledScore, "16777217", 1, "3355433"},
    {"z in single precision", S::TScore, S::StandardScore, "7", 1, "35"},
    {"the result in single precision before rounding", S::TScore, S::StandardScore, "47", 1, "96"},
    {"p of a percentile in single precision", S::Percentile, S::Percentile, "52.5", 0, "52"},
    {"the shown percentile in single precision", S::Percentile, S::Percentile, "50.5", 0, "51"},
    {"z of a percentile in single precision", S::Percentile, S::ZScore, "67.24", 4, "0.4466"},
    {"the percentile of a score in single precision", S::ScaledScore, S::Percentile, "19", 2, "99.86"},
    {"an extreme entry stays a faithful number", S::ZScore, S::StandardScore, "99999999", 1, "1500000128"},
    {"percentile 0", S::Percentile, S::ZScore, "0", 1, "", Outcome::PercentileOutOfRange},
    {"percentile 100", S::Percentile, S::ZScore, "100", 1, "", Outcome::PercentileOutOfRange},
    {"percentile -5", S::Percentile, S::TScore, "-5", 1, "", Outcome::PercentileOutOfRange},
    {"a pasted percentile too small for single precision", S::Percentile, S::TScore, ".000000000000000000000000000000000000000000004", 1, "",
     Outcome::PercentileOutOfRange},
    {"a lone point reads as percentile 0", S::Percentile, S::TScore, ".", 1, "", Outcome::PercentileOutOfRange},
    {"scaled 21", S::ScaledScore, S::TScore, "21", 1, "", Outcome::ScaledScoreOutOfRange},
    {"scaled 0", S::ScaledScore, S::TScore, "0", 1, "", Outcome::ScaledScoreOutOfRange},
    {"a lone minus reads as scaled 0", S::ScaledScore, S::TScore, "-", 1, "", Outcome::ScaledScoreOutOfRange},
    {"empty entry", S::ZScore, S::TScore, "", 1, "", Outcome::EmptyEntry},
    {"a pasted entry past the single range", S::StandardScore, S::ScaledScore, "66666666666664666666666466666666666666666", 4, "",
     Outcome::BeyondSinglePrecision},
    {"a result past the single range", S::ZScore, S::StandardScore, "300000000000000000000000000000000000000", 1, "",
     Outcome::BeyondSinglePrecision},
};

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void conversions_data() { AddRows(kRows); }
    void conversions() {
        QFETCH(ConversionRow, row);
        const Conversion result = ConvertScore(row.from, row.to, row.entry, unsigned(row.decimals));
        QCOMPARE(result.outcome, row.outcome);
        QCOMPARE(result.text, std::string(row.text));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
