#include <QtTest>

#include "stats/numbers.h"
#include "stats/smallsample.h"

using namespace modVelmora;

namespace {

// Two-sided tail of Student's t by Simpson's rule over the density.
double studentTwoSidedTail(double t, int df) {
    const double nu = df;
    const double c = std::exp(std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2)) / std::sqrt(nu * M_PI);
    const auto density = [&](double x) { return c * std::pow(1 + x * x / nu, -(nu + 1) / 2); };
    const int steps = 20000;
    const double h = t / steps;
    double sum = density(0) + density(t);
    for (int i = 1; i < steps; ++i) sum += density(i * h) * (i % 2 ? 4 : 2);
    return 1 - 2 * (sum * h / 3);
}

}  // namespace

class TestSmallSample : public QObject {
    Q_OBJECT
private slots:
    void shownValues_data() {
        QTest::addColumn<float>("raw");
        QTest::addColumn<float>("mean");
        QTest::addColumn<float>("sd");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("tScore");
        QTest::addColumn<QString>("adjusted");
        QTest::newRow("115/100/15 with n 10") << 115.f << 100.f << 15.f << 10 << false << 1 << "0.9535" << "81.7";
        QTest::newRow("reversed") << 115.f << 100.f << 15.f << 10 << true << 1 << "-0.9535" << "18.3";
        QTest::newRow("below the mean") << 85.f << 100.f << 15.f << 10 << false << 1 << "-0.9535" << "18.3";
        QTest::newRow("n 5 with two decimals") << 130.f << 100.f << 15.f << 5 << false << 2 << "1.8257" << "92.9";
        QTest::newRow("at the mean") << 100.f << 100.f << 15.f << 10 << false << 3 << "0" << "50";
        QTest::newRow("n 2 works") << 115.f << 100.f << 15.f << 2 << false << 1 << "0.8165" << "71.8";
        QTest::newRow("far below underflows to 0") << 0.f << 100.f << 0.1f << 30 << false << 1 << "-983.7388" << "0";
        QTest::newRow("far above underflows to 100") << 200.f << 100.f << 0.1f << 30 << false << 1 << "983.7388"
                                                     << "100";
        QTest::newRow("reverse exchanges the underflows") << 0.f << 100.f << 0.1f << 30 << true << 1 << "983.7388"
                                                          << "100";
    }
    void shownValues() {
        QFETCH(float, raw);
        QFETCH(float, mean);
        QFETCH(float, sd);
        QFETCH(int, n);
        QFETCH(bool, reverse);
        QFETCH(int, decimals);
        QFETCH(QString, tScore);
        QFETCH(QString, adjusted);
        const SmallSampleResult result = SmallN(raw, mean, sd, std::int16_t(n), reverse, unsigned(decimals));
        QCOMPARE(QString::fromStdString(FormatGeneral(result.tScore, 7)), tScore);
        QCOMPARE(QString::fromStdString(FormatGeneral(result.adjustedPercentile, 7)), adjusted);
    }

    void tailProbabilityAgreesWithStudentsT_data() {
        QTest::addColumn<int>("df");
        for (int df : {1, 2, 3, 5, 9, 29, 100, 1000}) QTest::newRow(qPrintable(QString("df %1").arg(df))) << df;
    }
    void tailProbabilityAgreesWithStudentsT() {
        QFETCH(int, df);
        // Both orientations of the series: t squared below df and 31, and at or above either.
        // Single precision leaves fewer correct digits for samples in the thousands.
        const double relative = df >= 1000 ? 2e-3 : 2e-4;
        const double absolute = df >= 1000 ? 1e-5 : 2e-6;
        for (double t : {0.1, 0.5, 0.9, 1.0, 1.5, 2.0, 3.0, 5.0, 5.57, 7.0}) {
            const float t2 = float(t * t);
            const double exact = studentTwoSidedTail(std::sqrt(double(t2)), df);
            const double got = TwoSidedTailProbability(t2, std::int16_t(df));
            QVERIFY2(std::fabs(got - exact) <= absolute + relative * exact,
                     qPrintable(QString("t %1: %2 against %3").arg(t).arg(got, 0, 'g', 9).arg(exact, 0, 'g', 9)));
        }
    }

    void tailProbabilityOfDfOne() {
        QCOMPARE(TwoSidedTailProbability(float(0.8164966f * 0.8164966f), 1), 0.5640942f);
    }

    void logGammaMatchesTheLibrary() {
        for (double z = 0.5; z < 60; z += 0.25)
            QVERIFY2(std::fabs(LogGamma(z) - std::lgamma(z)) < 1e-6, qPrintable(QString::number(z)));
    }
};

QTEST_GUILESS_MAIN(TestSmallSample)
#include "tst_smallsample.moc"
