#include "stats/normal.h"

#include <cmath>
#include <stdexcept>

namespace modVelmora {

namespace {

constexpr double kSqrtTwoPi = 2.506628274631;

// Abramowitz and Stegun 26.2.17.
constexpr double kP = 0.2316419;
constexpr double kB1 = 0.31938153;
constexpr double kB2 = -0.356563782;
constexpr double kB3 = 1.781477937;
constexpr double kB4 = -1.821255978;
constexpr double kB5 = 1.330274429;

// Acklam's rational approximation of the normal quantile.
constexpr double kA[] = {-39.6968302866538, 220.946098424521, -275.928510446969,
                         138.357751867269,  -30.6647980661472, 2.50662827745924};
constexpr double kB[] = {-54.4760987982241, 161.585836858041, -155.698979859887,
                         66.8013118877197,  -13.2806815528857};
constexpr double kC[] = {-0.00778489400243029, -0.322396458041136, -2.40075827716184,
                         -2.54973253934373,    4.37466414146497,   2.93816398269878};
constexpr double kD[] = {0.00778469570904146, 0.32246712907004, 2.445134137143,
                         3.75440866190742};
constexpr double kLowRegion = 0.02425;
constexpr double kHighRegion = 1 - kLowRegion;

double tailNumerator(double q) {
    return ((((kC[0] * q + kC[1]) * q + kC[2]) * q + kC[3]) * q + kC[4]) * q + kC[5];
}

double tailDenominator(double q) {
    return (((kD[0] * q + kD[1]) * q + kD[2]) * q + kD[3]) * q + 1;
}

}  // namespace

float NormalDist(float z, bool cumulative) {
    const double zz = static_cast<double>(z) * z;
    if (!cumulative) return static_cast<float>(std::exp(-zz * 0.5) / kSqrtTwoPi);

    const double zd = z;
    const float t = static_cast<float>(z >= 0 ? 1 / (zd * kP + 1) : 1 / (1 - zd * kP));
    const float s = static_cast<float>(
        ((((kB5 * t + kB4) * t + kB3) * t + kB2) * t + kB1) * t);
    const double e = std::exp(-zz * 0.5);
    const double q = s * e / kSqrtTwoPi;
    // The lower tail is taken directly, not as 1 - Phi(|z|).
    return static_cast<float>(z >= 0 ? 1 - q : q);
}

double InverseNormal(double p) {
    if (!(p > 0 && p < 1)) throw std::invalid_argument("InverseNormal: p outside (0, 1)");
    if (p < kLowRegion) {
        const double q = std::sqrt(-2 * std::log(p));
        return tailNumerator(q) / tailDenominator(q);
    }
    if (p <= kHighRegion) {
        const double q = p - 0.5;
        const double r = q * q;
        return (((((kA[0] * r + kA[1]) * r + kA[2]) * r + kA[3]) * r + kA[4]) * r + kA[5]) * q /
               (((((kB[0] * r + kB[1]) * r + kB[2]) * r + kB[3]) * r + kB[4]) * r + 1);
    }
    const double q = std::sqrt(-2 * std::log(1 - p));
    return -tailNumerator(q) / tailDenominator(q);
}

}  // namespace modVelmora
