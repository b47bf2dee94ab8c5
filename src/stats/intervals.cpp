#include "stats/intervals.h"

#include <algorithm>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>

#include "stats/numbers.h"

namespace modVelmora {

namespace {

namespace bm = boost::math;
using Quiet = bm::policies::policy<bm::policies::overflow_error<bm::policies::ignore_error>,
                                   bm::policies::evaluation_error<bm::policies::ignore_error>>;

// Boost sums the noncentral t around the Poisson mode delta^2 / 2, which must
// stay a 32-bit index; past this the distribution cannot be evaluated.
constexpr double kMaxNoncentrality = 5e4;

// The noncentrality delta at which P(T <= t0) = probability for T noncentral t
// with df degrees of freedom; clamped to the reach above when it lies beyond.
Bound noncentrality(double t0, double df, double probability) {
    // The probability falls as delta grows.
    const auto excess = [&](double delta) { return bm::cdf(bm::non_central_t_distribution<double, Quiet>(df, delta), t0) - probability; };
    const double start = std::clamp(t0, -kMaxNoncentrality, kMaxNoncentrality);
    double low = start, high = start;
    double fLow = excess(low), fHigh = fLow;
    // Out from t0 in doubling steps until the root is bracketed.
    for (double step = 1; fLow < 0; step *= 2) {
        if (low == -kMaxNoncentrality) return {low, true};
        low = std::max(start - step, -kMaxNoncentrality);
        fLow = excess(low);
    }
    for (double step = 1; fHigh > 0; step *= 2) {
        if (high == kMaxNoncentrality) return {high, true};
        high = std::min(start + step, kMaxNoncentrality);
        fHigh = excess(high);
    }
    if (fLow == 0 || low == high) return {low, false};
    if (fHigh == 0) return {high, false};
    std::uintmax_t iterations = 200;
    const auto [a, b] = bm::tools::toms748_solve(excess, low, high, fLow, fHigh, bm::tools::eps_tolerance<double>(45), iterations);
    return {(a + b) / 2, false};
}

double percentBelow(double z) { return 50 * std::erfc(-z / std::sqrt(2.0)); }

Bound percentageOf(const Bound& delta, double rootN) {
    if (delta.beyond) return {delta.value < 0 ? 0.0 : 100.0, true};
    return {percentBelow(delta.value / rootN), false};
}

}  // namespace

IntervalEstimate SmallSampleInterval(double rawScore, double mean, double sd, int n, bool reverse) {
    // The interval belongs to the adjusted percentile, whose direction a negative SD does not turn.
    const double c = (rawScore - mean) / std::fabs(sd), rootN = std::sqrt(double(n)), df = n - 1;
    const Bound lower = noncentrality(c * rootN, df, 0.975), upper = noncentrality(c * rootN, df, 0.025);
    IntervalEstimate estimate{percentageOf(lower, rootN), percentageOf(upper, rootN), c,
                              {lower.value / rootN, lower.beyond}, {upper.value / rootN, upper.beyond}};
    if (!reverse) return estimate;
    // Low scores are good: the percentage above the score, and z-CC turned round.
    return {{100 - estimate.percentileHigh.value, estimate.percentileHigh.beyond},
            {100 - estimate.percentileLow.value, estimate.percentileLow.beyond},
            -c,
            {-estimate.zccHigh.value, estimate.zccHigh.beyond},
            {-estimate.zccLow.value, estimate.zccLow.beyond}};
}

std::string PercentileBoundText(const Bound& bound, unsigned places) {
    // A percentage that shows as 0 or 100 is written as lying beyond the smallest step shown.
    const double step = std::pow(10.0, -double(places));
    const std::string shown = FormatPlaces(bound.value, places);
    if (bound.value < 50 && (bound.beyond || shown == FormatPlaces(0, places))) return "< " + FormatPlaces(step, places);
    if (bound.value > 50 && (bound.beyond || shown == FormatPlaces(100, places))) return "> " + FormatPlaces(100 - step, places);
    return shown;
}

std::string ZccBoundText(const Bound& bound, unsigned places) {
    const std::string shown = FormatPlaces(bound.value, places);
    if (!bound.beyond) return shown;
    return (bound.value < 0 ? "< " : "> ") + shown;
}

}  // namespace modVelmora
