#pragma once

#include <cstdint>

// Student's t for norms from a small normative sample (Crawford and Howell):
// the person's score is compared with the sample by t with n - 1 degrees of
// freedom. Quantities are held in single precision between steps, as the
// published figures were computed.

namespace modVelmora {

// lnGamma(z) for z > 0 by Stirling's series, shifted above 5 first.
double LogGamma(double z);

// The regularized incomplete beta series; returns -1 when its leading term
// underflows single precision.
float BetaSeries(float a, float b, float f);

// Two-sided tail probability of t (given as t squared) with df degrees of
// freedom. Underflow, or rounding past 0 or 1, gives 0, 0.5 or 1 as t squared
// lies above, at or below 1.
float TwoSidedTailProbability(float t2, std::int16_t df);

// What the raw score window shows for the t-test option.
struct SmallSampleResult {
    double tScore;              // t rounded to 4 places, sign changed when reversed
    float adjustedPercentile;   // rounded to the decimals asked for
};

// n is the size of the normative sample, at least 2.
SmallSampleResult SmallN(float rawScore, float mean, float sd, std::int16_t n, bool reverse,
                         unsigned decimals);

}  // namespace modVelmora
