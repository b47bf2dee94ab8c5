#include <QtTest>

#include "converter/conversions.h"

using namespace modVelmora;
using Outcome = Conversion::Outcome;

Q_DECLARE_METATYPE(ScoreScale)
Q_DECLARE_METATYPE(Outcome)

// The conversion table, From by To, with the published figures.
class TestConversions : public QObject {
    Q_OBJECT

    static void row(const char* name, ScoreScale from, ScoreScale to, const char* entry, int decimals,
                    const char* text, Outcome outcome = Outcome::Converted) {
        QTest::newRow(name) << from << to << QString(entry) << decimals << QString(text) << outcome;
    }

private slots:
    void conversions_data() {
        QTest::addColumn<ScoreScale>("from");
        QTest::addColumn<ScoreScale>("to");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Outcome>("outcome");
        using S = ScoreScale;
        row("z 1 to percentile", S::ZScore, S::Percentile, "1", 1, "84.1");
        row("z 1 to percentile, two places", S::ZScore, S::Percentile, "1", 2, "84.13");
        row("z 1.96 to percentile", S::ZScore, S::Percentile, "1.96", 1, "97.5");
        row("z 5 to percentile", S::ZScore, S::Percentile, "5", 1, "100.0");
        row("z -5 to percentile", S::ZScore, S::Percentile, "-5", 1, "0.0");
        row("percentile 50 to z", S::Percentile, S::ZScore, "50", 1, "0.00");
        row("percentile 50 to z, no places", S::Percentile, S::ZScore, "50", 0, "0.00");
        row("percentile 50 to z, three places", S::Percentile, S::ZScore, "50", 3, "0.000");
        row("percentile 50 to T", S::Percentile, S::TScore, "50", 1, "50");
        row("percentile 50 to standard", S::Percentile, S::StandardScore, "50", 1, "100");
        row("percentile 50 to scaled", S::Percentile, S::ScaledScore, "50", 1, "10");
        row("percentile 97.5 to z", S::Percentile, S::ZScore, "97.5", 1, "1.96");
        row("percentile 97.5 to T", S::Percentile, S::TScore, "97.5", 1, "70");
        row("percentile 97.5 to standard", S::Percentile, S::StandardScore, "97.5", 1, "129");
        row("percentile 97.5 to scaled", S::Percentile, S::ScaledScore, "97.5", 1, "16");
        row("percentile 99.99 to scaled is held at 20", S::Percentile, S::ScaledScore, "99.99", 1, "20");
        row("percentile 0.01 to scaled is held at 1", S::Percentile, S::ScaledScore, "0.01", 1, "1");
        row("percentile to itself", S::Percentile, S::Percentile, "84.13", 1, "84.1");
        row("percentile to itself, four places", S::Percentile, S::Percentile, "2.5", 4, "2.5000");
        row("z 4 to scaled has no upper limit", S::ZScore, S::ScaledScore, "4", 1, "22");
        row("z -4 to scaled is raised to 0", S::ZScore, S::ScaledScore, "-4", 1, "0");
        row("T 55 to standard rounds half to even", S::TScore, S::StandardScore, "55", 1, "108");
        row("T 45 to standard rounds half to even", S::TScore, S::StandardScore, "45", 1, "92");
        row("scaled 13 to standard", S::ScaledScore, S::StandardScore, "13", 1, "115");
        row("scaled 20 is converted", S::ScaledScore, S::TScore, "20", 1, "83");
        row("scaled 1 to percentile", S::ScaledScore, S::Percentile, "1", 2, "0.13");
        row("standard 70 to T", S::StandardScore, S::TScore, "70", 1, "30");
        row("standard 130 to z", S::StandardScore, S::ZScore, "130", 4, "2.0000");
        row("standard to itself", S::StandardScore, S::StandardScore, "115", 1, "115");
        row("negative standard score", S::StandardScore, S::ZScore, "-50", 1, "-10.00");
        row("T 60 to scaled", S::TScore, S::ScaledScore, "60", 1, "13");
        row("z -1 to T", S::ZScore, S::TScore, "-1", 1, "40");
        row("z to itself", S::ZScore, S::ZScore, "1.2345", 3, "1.235");
        row("numeric prefix of the entry", S::ZScore, S::TScore, "1.2.3", 1, "62");
        row("an extreme entry stays a faithful number", S::ZScore, S::StandardScore, "99999999", 1, "1500000128");
        row("percentile 0", S::Percentile, S::ZScore, "0", 1, "", Outcome::PercentileOutOfRange);
        row("percentile 100", S::Percentile, S::ZScore, "100", 1, "", Outcome::PercentileOutOfRange);
        row("percentile -5", S::Percentile, S::TScore, "-5", 1, "", Outcome::PercentileOutOfRange);
        row("a lone point reads as percentile 0", S::Percentile, S::TScore, ".", 1, "",
            Outcome::PercentileOutOfRange);
        row("scaled 21", S::ScaledScore, S::TScore, "21", 1, "", Outcome::ScaledScoreOutOfRange);
        row("scaled 0", S::ScaledScore, S::TScore, "0", 1, "", Outcome::ScaledScoreOutOfRange);
        row("a lone minus reads as scaled 0", S::ScaledScore, S::TScore, "-", 1, "",
            Outcome::ScaledScoreOutOfRange);
        row("empty entry", S::ZScore, S::TScore, "", 1, "", Outcome::EmptyEntry);
    }
    void conversions() {
        QFETCH(ScoreScale, from);
        QFETCH(ScoreScale, to);
        QFETCH(QString, entry);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QFETCH(Outcome, outcome);
        const Conversion result = ConvertScore(from, to, entry.toStdString(), unsigned(decimals));
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(QString::fromStdString(result.text), text);
    }

    void resultsUseTheSeparatorGiven() {
        QCOMPARE(ConvertScore(ScoreScale::ZScore, ScoreScale::Percentile, "1", 2, ",").text, std::string("84,13"));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
