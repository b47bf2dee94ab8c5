#include <QtTest>
#include <numbers>

#include "rows.h"
#include "stats/numbers.h"
#include "stats/smallsample.h"

using namespace modVelmora;

struct SampleRow { const char* name; float raw, mean, sd; int n; bool reverse; int decimals; const char* t; const char* adjusted; };
Q_DECLARE_METATYPE(SampleRow)

const SampleRow kSampleRows[] = {
    {"115/100/15 with n 10", 115, 100, 15, 10, false, 1, "0.9535", "81.7"},
    {"reversed", 115, 100, 15, 10, true, 1, "-0.9535", "18.3"},
    {"below the mean", 85, 100, 15, 10, false, 1, "-0.9535", "18.3"},
    {"n 5 with two decimals", 130, 100, 15, 5, false, 2, "1.8257", "92.9"},
    {"at the mean", 100, 100, 15, 10, false, 3, "0", "50"},
    {"n 2 works", 115, 100, 15, 2, false, 1, "0.8165", "71.8"},
    {"far below underflows to 0", 0, 100, 0.1f, 30, false, 1, "-983.7388", "0"},
    {"far above underflows to 100", 200, 100, 0.1f, 30, false, 1, "983.7388", "100"},
    {"reverse exchanges the underflows", 0, 100, 0.1f, 30, true, 1, "983.7388", "100"},
};

namespace {

// Two-sided tail of Student's t by Simpson's rule over the density.
double studentTwoSidedTail(double t, int df) {
    const double nu = df;
    const double c = std::exp(std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2)) / std::sqrt(nu * std::numbers::pi);
    const auto density = [&](double x) { return c * std::pow(1 + x * x / nu, -(nu + 1) / 2); };
    const int steps = 20000;
    const double h = t / steps;
    double sum = density(0) + density(t);
    for (int i = 1; i < steps; ++i) sum += density(i * h) * (i % 2 ? 4 : 2);
    return 1 - 2 * (sum * h / 3);
}

}  // namespace

// The t-test for norms from a small sample: the published figures and agreement with Student's t.
class TestSmallSample : public QObject {
    Q_OBJECT
private slots:
    void shownValues_data() { AddRows(kSampleRows); }
    void shownValues() {
        QFETCH(SampleRow, row);
        const auto result = SmallN(row.raw, row.mean, row.sd, std::int16_t(row.n), row.reverse, unsigned(row.decimals));
        QCOMPARE(FormatGeneral(result.tScore, 7), std::string(row.t));
        QCOMPARE(FormatGeneral(result.adjustedPercentile, 7), std::string(row.adjusted));
    }

    void tailProbabilityAgreesWithStudentsT() {
        QCOMPARE(TwoSidedTailProbability(float(0.8164966f * 0.8164966f), 1), 0.5640942f);
        for (int df : {1, 2, 3, 5, 9, 29, 100, 1000}) {
            // Single precision leaves fewer correct digits for samples in the thousands.
            const double relative = df >= 1000 ? 2e-3 : 2e-4, absolute = df >= 1000 ? 1e-5 : 2e-6;
            // Both orientations of the series: t squared below df and 31, and at or above either.
            for (double t : {0.1, 0.5, 0.9, 1.0, 1.5, 2.0, 3.0, 5.0, 5.57, 7.0}) {
                const float t2 = float(t * t);
                const double exact = studentTwoSidedTail(std::sqrt(double(t2)), df);
                const double got = TwoSidedTailProbability(t2, std::int16_t(df));
                QVERIFY2(std::fabs(got - exact) <= absolute + relative * exact,
                         qPrintable(QString("df %1, t %2: %3 against %4").arg(df).arg(t).arg(got).arg(exact)));
            }
        }
    }

    void logGammaMatchesTheLibrary() {
        for (double z = 0.5; z < 60; z += 0.25) QVERIFY2(std::fabs(LogGamma(z) - std::lgamma(z)) < 1e-6, qPrintable(QString::number(z)));
    }
};

QTEST_GUILESS_MAIN(TestSmallSample)
#include "tst_smallsample.moc"
