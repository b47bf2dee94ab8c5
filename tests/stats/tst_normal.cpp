#include <QtTest>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "rows.h"
#include "stats/normal.h"

using modVelmora::InverseNormal;
using modVelmora::NormalDist;

struct DistRow { const char* name; float z; bool cumulative; float p; };
struct InverseRow { const char* name; double p; double z; };
Q_DECLARE_METATYPE(DistRow)
Q_DECLARE_METATYPE(InverseRow)

const DistRow kDistRows[] = {
    {"the middle is exactly one half", 0, true, 0.5f}, {"density at 0", 0, false, 0.3989423f},
    {"z 1.96", 1.96f, true, 0.97500217f}, {"z -1.96 takes the lower tail directly", -1.96f, true, 0.024997823f},
    {"z 40 underflows to exactly 1", 40, true, 1}, {"z -40 underflows to exactly 0", -40, true, 0},
    {"density far out underflows to 0", 40, false, 0}, {"z 1 gives the 84th percentile", 1, true, 0.8413447f},
};
const InverseRow kInverseRows[] = {
    {"p one half is exactly 0", 0.5, 0}, {"p 0.975", 0.975, 1.95996398611898}, {"p 0.025", 0.025, -1.95996398611898},
    {"lower bound belongs to the central region", 0.02425, -1.97296104908317},
    {"upper bound belongs to the central region", 0.97575, 1.97296104908317},
};

namespace {

double exactPhi(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

// The exact lower-tail quantile (p <= 0.5) by Newton steps on erfc.
double exactLowerQuantile(double p) {
    double x = InverseNormal(p);
    for (int i = 0; i < 6; ++i) x -= (exactPhi(x) - p) / (std::exp(-x * x / 2) / std::sqrt(2 * std::numbers::pi));
    return x;
}

}  // namespace

// The normal distribution and its inverse: the published figures and sweeps against exact values.
class TestNormal : public QObject {
    Q_OBJECT
private slots:
    void publishedFigures_data() { AddRows(kDistRows); }
    void publishedFigures() {
        QFETCH(DistRow, row);
        QCOMPARE(NormalDist(row.z, row.cumulative), row.p);
    }

    void cumulativeStaysWithinTheApproximationError() {
        double worst = 0;
        for (int i = -8000; i <= 8000; ++i) {
            const float z = static_cast<float>(i / 1000.0);
            worst = std::max(worst, std::fabs(NormalDist(z, true) - exactPhi(z)));
        }
        QVERIFY2(worst < 2e-7, qPrintable(QString::number(worst)));
    }

    void inverseFigures_data() { AddRows(kInverseRows); }
    void inverseFigures() {
        QFETCH(InverseRow, row);
        QCOMPARE(InverseNormal(row.p), row.z);
    }

    void inverseStaysWithinItsRelativeError() {
        double worst = 0;
        for (double exponent = -300; exponent < std::log10(0.5); exponent += 0.01) {
            const double p = std::pow(10.0, exponent);
            const double exact = exactLowerQuantile(p);
            worst = std::max(worst, std::fabs((InverseNormal(p) - exact) / exact));
            // The upper half mirrors the lower; 1 - q is exact for these q.
            const double q = 1 - p;
            if (p > 1e-15) worst = std::max(worst, std::fabs((InverseNormal(q) + exactLowerQuantile(1 - q)) / exact));
        }
        QVERIFY2(worst < 1.15e-9, qPrintable(QString::number(worst)));
    }

    void inverseRefusesProbabilitiesOutsideTheOpenInterval() {
        for (double p : {0.0, 1.0, -0.3, 1.7, std::nan("")}) QVERIFY_THROWS_EXCEPTION(std::invalid_argument, InverseNormal(p));
    }
};

QTEST_GUILESS_MAIN(TestNormal)
#include "tst_normal.moc"
