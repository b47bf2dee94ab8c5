#include <QtTest>

#include "interval/scoreinterval.h"
#include "rows.h"

using namespace modVelmora;
using S = ScoreScale;
constexpr S Pct = S::Percentile, Scaled = S::ScaledScore, Std = S::StandardScore, T = S::TScore, Z = S::ZScore;
constexpr IntervalCentre Obtained = IntervalCentre::Obtained, True = IntervalCentre::EstimatedTrue;
using F = IntervalField;
using R = ShownResults;

// An entry as typed and chosen, labelled in AACN 2020.
struct Typed {
    const char* score;
    S scale;
    const char* r;
    int level;
    IntervalCentre centre;
    unsigned decimals;
    IntervalEntry made() const {
        IntervalEntry entry(LabelSystem::Aacn);
        entry.score = score, entry.scale = scale, entry.reliability = r;
        entry.level = static_cast<ConfidenceLevel>(level), entry.centre = centre, entry.decimals = decimals;
        return entry;
    }
};
Typed Entry(const char* score, S scale, const char* r = ".9", int level = 95, IntervalCentre centre = Obtained, unsigned decimals = 1) {
    return {score, scale, r, level, centre, decimals};
}

// The centre (none around the obtained score), the bounds on the score's scale and as percentiles, and in z.
struct IntervalRow { const char* name; Typed entry; const char* centre, *bounds, *percentiles; double zLow, zHigh; };
// Percentile, scaled, standard, T and z as the converter shows them | stanine sten NCE | the label.
struct ScoreRow { const char* name; Typed entry; const char* shown; };
struct RefusalRow { const char* name; Typed entry; F field; Notice notice; const char* message; bool emptied; R results; };
Q_DECLARE_METATYPE(IntervalRow)
Q_DECLARE_METATYPE(ScoreRow)
Q_DECLARE_METATYPE(RefusalRow)

const IntervalRow kIntervalRows[] = {
    {"standard 130, r .90, 95%", Entry("130", Std), "", "121 to 139", "91.6 to 99.6", 1.380204967695, 2.619795032305},
    {"130's estimated true score", Entry("130", Std, ".90", 95, True), "127.0", "118 to 136", "88.7 to 99.2", 1.212010804638, 2.387989195362},
    {"T 35, r .80, 90%", Entry("35", T, ".80", 90), "", "28 to 42", "1.3 to 22.2", -2.23560090458, -0.7643990954199},
    {"35's estimated true score", Entry("35", T, ".80", 90, True), "38.0", "31 to 45", "3.2 to 29.4", -1.857941450781, -0.5420585492194},
    {"scaled 7, r .85", Entry("7", Scaled, ".85"), "", "5 to 9", "3.9 to 40.5", -1.759090787129, -0.240909212871},
    {"a true score of 7.45 shows 7.5", Entry("7", Scaled, ".85", 90, True), "7.5", "6 to 9", "7.5 to 39.6", -1.437330222615, -0.2626697773848},
    {"z: two places, its centre too", Entry("-1.5", Z, ".7", 90, True, 2), "-1.05", "-1.80 to -0.30", "3.56 to 38.35", -1.803766625263, -0.2962333747372},
    {"z: two places at three decimals", Entry("-1.5", Z, ".7", 95, Obtained, 3), "", "-2.57 to -0.43", "0.503 to 33.488", -2.57351648623, -0.4264835137697},
    {"percentile 16: bounds as percentiles", Entry("16", Pct, ".9", 95, Obtained, 2), "", "5.32 to 35.40", "5.32 to 35.40", -1.614252915514, -0.3746628509052},
    {"and its true score too", Entry("16", Pct, ".9", 90, True, 2), "18.5", "8.25 to 34.40", "8.25 to 34.40", -1.388468182974, -0.4015560068033},
    {"percentile 99.9, four places", Entry("99.9", Pct, ".95", 95, True, 4), "99.8", "99.3939 to 99.9614", "99.3939 to 99.9614", 2.50855644378, 3.362884937939},
    {"bounds above 99.9", Entry("4", Z), "", "3.38 to 4.62", "> 99.9 to > 99.9", 3.380204967695, 4.619795032305},
    {"bounds below 1 without places", Entry("-4", Z, ".9", 95, Obtained, 0), "", "-4.62 to -3.38", "< 1 to < 1", -4.619795032305, -3.380204967695},
    {"standard 100, r .5", Entry("100", Std, ".5", 95, Obtained, 0), "", "79 to 121", "8 to 92", -1.38590382435, 1.38590382435},
};

const ScoreRow kScoreRows[] = {
    {"z 0", Entry("0", Z), "50.0 10 100 50 0.00 | 5 6 50 | Average score"},
    {"no score is at the 100th percentile", Entry("20", Scaled), "> 99.9 20 150 83 3.33 | 9 10 99 | Exceptionally high score"},
    {"z 0.25: stanine 5.5 goes up", Entry("0.25", Z), "59.9 11 104 52 0.25 | 6 6 55 | Average score"},
    {"z -0.25: stanine 4.5 goes up", Entry("-0.25", Z), "40.1 9 96 48 -0.25 | 5 5 45 | Average score"},
    {"z 0.5: sten 6.5 goes up", Entry("0.5", Z), "69.1 12 108 55 0.50 | 6 7 61 | Average score"},
    {"z 1.75", Entry("1.75", Z), "96.0 15 126 68 1.75 | 9 9 87 | Above average score"},
    {"z -1.75", Entry("-1.75", Z), "4.0 5 74 32 -1.75 | 2 2 13 | Below average score"},
    {"z 2", Entry("2", Z), "97.7 16 130 70 2.00 | 9 10 92 | Exceptionally high score"},
    {"z -2", Entry("-2", Z), "2.3 4 70 30 -2.00 | 1 2 8 | Below average score"},
    {"z 3 is held at 9, 10 and 99", Entry("3", Z), "99.9 19 145 80 3.00 | 9 10 99 | Exceptionally high score"},
    {"z -3 is held at 1", Entry("-3", Z), "0.1 1 55 20 -3.00 | 1 1 1 | Exceptionally low score"},
    {"z .249999999 is 0.25 in single precision", Entry(".249999999", Z), "59.9 11 104 52 0.25 | 6 6 55 | Average score"},
    {"2z + 5 in double just below 5.5", Entry(".2499999851", Z), "59.9 11 104 52 0.25 | 5 6 55 | Average score"},
    {"standard 130", Entry("130", Std), "97.7 16 130 70 2.00 | 9 10 92 | Exceptionally high score"},
    {"scaled 7", Entry("7", Scaled), "15.9 7 85 40 -1.00 | 3 4 29 | Low average score"},
    {"T 35", Entry("35", T), "6.7 6 78 35 -1.50 | 2 3 18 | Below average score"},
    {"percentile 16, two places", Entry("16", Pct, ".9", 95, Obtained, 2), "16.00 7 85 40 -0.99 | 3 4 29 | Low average score"},
    {"percentile 99.9", Entry("99.9", Pct), "99.9 19 146 81 3.09 | 9 10 99 | Exceptionally high score"},
};

const char* const kPercentile = "Please enter a percentile that is greater than 0 and less than 100.";
const char* const kReliability = "Please enter a reliability greater than 0 and less than 1.";
const RefusalRow kRefusalRows[] = {
    {"an empty score beeps before the reliability", Entry("", Std, ""), F::Score, Notice::Beep, "(beep)", false, R::Kept},
    {"percentile 100", Entry("100", Pct), F::Score, Notice::Information, kPercentile, true, R::EmptiedAfter},
    {"scaled 21", Entry("21", Scaled), F::Score, Notice::Information, "Scaled score values must be between 1 and 20", true, R::Kept},
    {"a score whose other scales are past twelve digits", Entry("300000000000000000000000000000000000000", Z), F::Score, Notice::Information, "The result is out of range.", false, R::EmptiedFirst},
    {"reliability 0", Entry("100", Std, "0"), F::Reliability, Notice::Information, kReliability, false, R::Kept},
    {"reliability 1", Entry("100", Std, "1"), F::Reliability, Notice::Information, kReliability, false, R::Kept},
    {"reliability 1.2", Entry("100", Std, "1.2"), F::Reliability, Notice::Information, kReliability, false, R::Kept},
    {"reliability -.5", Entry("100", Std, "-.5"), F::Reliability, Notice::Information, kReliability, false, R::Kept},
    {"no reliability", Entry("100", Std, ""), F::Reliability, Notice::Information, kReliability, false, R::Kept},
};

// A score's interval from the test's reliability, and the score on every scale.
class TestInterval : public QObject {
    Q_OBJECT

private slots:
    void interval_data() { AddRows(kIntervalRows); }
    void interval() {
        QFETCH(IntervalRow, row);
        const IntervalReport report = ComputeScoreInterval(row.entry.made());
        QVERIFY(!report.refusal);
        QCOMPARE(report.centre, std::string(row.centre));
        QCOMPARE(report.low + " to " + report.high, std::string(row.bounds));
        QCOMPARE(report.percentileLow + " to " + report.percentileHigh, std::string(row.percentiles));
        QCOMPARE(report.zLow, row.zLow);
        QCOMPARE(report.zHigh, row.zHigh);
    }

    void scores_data() { AddRows(kScoreRows); }
    void scores() {
        QFETCH(ScoreRow, row);
        const IntervalReport report = ComputeScoreInterval(row.entry.made());
        QVERIFY(!report.refusal && report.label);
        std::string shown;
        for (const std::string& score : report.scores) shown += score + " ";
        shown += "| " + report.stanine + " " + report.sten + " " + report.nce + " | " + report.label->text;
        QCOMPARE(shown, std::string(row.shown));
    }

    void refusals_data() { AddRows(kRefusalRows); }
    void refusals() {
        QFETCH(RefusalRow, row);
        const IntervalReport report = ComputeScoreInterval(row.entry.made());
        QVERIFY(report.refusal);
        QCOMPARE(report.refusal->field, row.field);
        QCOMPARE(report.refusal->notice, row.notice);
        QCOMPARE(std::string(report.refusal->message ? report.refusal->message : "(beep)"), std::string(row.message));
        QCOMPARE(report.refusal->emptiesEntry, row.emptied);
        QCOMPARE(report.refusal->results, row.results);
        QVERIFY(report.scores[0].empty() && report.stanine.empty() && report.low.empty());  // nothing of the score goes with it
    }

};

QTEST_GUILESS_MAIN(TestInterval)
#include "tst_interval.moc"
