#include <QtTest>
#include <cmath>
#include <stdexcept>

#include "stats/normal.h"

using modVelmora::InverseNormal;
using modVelmora::NormalDist;

namespace {

double exactPhi(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

// The exact lower-tail quantile (p <= 0.5) by Newton steps on erfc.
double exactLowerQuantile(double p) {
    double x = InverseNormal(p);
    for (int i = 0; i < 6; ++i) {
        const double density = std::exp(-x * x / 2) / std::sqrt(2 * M_PI);
        x -= (exactPhi(x) - p) / density;
    }
    return x;
}

}  // namespace

class TestNormal : public QObject {
    Q_OBJECT
private slots:
    void publishedFigures_data() {
        QTest::addColumn<float>("z");
        QTest::addColumn<bool>("cumulative");
        QTest::addColumn<float>("expected");
        QTest::newRow("the middle is exactly one half") << 0.0f << true << 0.5f;
        QTest::newRow("density at 0") << 0.0f << false << 0.3989423f;
        QTest::newRow("z 1.96") << 1.96f << true << 0.97500217f;
        QTest::newRow("z -1.96 takes the lower tail directly") << -1.96f << true << 0.024997823f;
        QTest::newRow("z 40 underflows to exactly 1") << 40.0f << true << 1.0f;
        QTest::newRow("z -40 underflows to exactly 0") << -40.0f << true << 0.0f;
        QTest::newRow("density far out underflows to 0") << 40.0f << false << 0.0f;
        QTest::newRow("z 1 gives the 84th percentile") << 1.0f << true << 0.8413447f;
    }
    void publishedFigures() {
        QFETCH(float, z);
        QFETCH(bool, cumulative);
        QFETCH(float, expected);
        QCOMPARE(NormalDist(z, cumulative), expected);
    }

    void cumulativeStaysWithinTheApproximationError() {
        double worst = 0;
        for (int i = -8000; i <= 8000; ++i) {
            const float z = static_cast<float>(i / 1000.0);
            worst = std::max(worst, std::fabs(NormalDist(z, true) - exactPhi(z)));
        }
        QVERIFY2(worst < 2e-7, qPrintable(QString::number(worst)));
    }

    void inverseFigures_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("expected");
        QTest::newRow("p one half is exactly 0") << 0.5 << 0.0;
        QTest::newRow("p 0.975") << 0.975 << 1.95996398611898;
        QTest::newRow("p 0.025") << 0.025 << -1.95996398611898;
        QTest::newRow("lower bound belongs to the central region") << 0.02425 << -1.97296104908317;
        QTest::newRow("upper bound belongs to the central region") << 0.97575 << 1.97296104908317;
    }
    void inverseFigures() {
        QFETCH(double, p);
        QFETCH(double, expected);
        QCOMPARE(InverseNormal(p), expected);
    }

    void inverseStaysWithinItsRelativeError() {
        double worst = 0;
        for (double exponent = -300; exponent < std::log10(0.5); exponent += 0.01) {
            const double p = std::pow(10.0, exponent);
            const double exact = exactLowerQuantile(p);
            worst = std::max(worst, std::fabs((InverseNormal(p) - exact) / exact));
            // The upper half mirrors the lower, with 1 - p exact for these p.
            if (p > 1e-15) {
                const double q = 1 - p;
                worst = std::max(worst, std::fabs((InverseNormal(q) + exactLowerQuantile(1 - q)) / exact));
            }
        }
        QVERIFY2(worst < 1.15e-9, qPrintable(QString::number(worst)));
    }

    void inverseRefusesProbabilitiesOutsideTheOpenInterval_data() {
        QTest::addColumn<double>("p");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("one") << 1.0;
        QTest::newRow("negative") << -0.3;
        QTest::newRow("above one") << 1.7;
        QTest::newRow("not a number") << std::nan("");
    }
    void inverseRefusesProbabilitiesOutsideTheOpenInterval() {
        QFETCH(double, p);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, InverseNormal(p));
    }
};

QTEST_GUILESS_MAIN(TestNormal)
#include "tst_normal.moc"
