#pragma once

#include <string>

// Interval estimates for a score compared with a small normative sample
// (Crawford and Garthwaite, 2002; Crawford, Garthwaite and Porter, 2010):
// the 95% interval for the percentage of the population that scores below
// the person, and the effect size z-CC with its 95% interval. Computed in
// double precision from the noncentral t distribution.

namespace modVelmora {

// One end of an interval. A bound the noncentral t cannot reach (a score
// thousands of SDs from the mean) is the limit of what it can, and beyond
// says so: the true bound lies further out than value.
struct Bound {
    double value = 0;
    bool beyond = false;
};

struct IntervalEstimate {
    Bound percentileLow, percentileHigh;  // percentage of the population below the score, 0 to 100
    double zcc = 0;                       // (x - mean) / sd
    Bound zccLow, zccHigh;
};

// sd must not be 0 and n must be at least 2; only its size counts, as for
// the adjusted percentile. With reverse (low scores are good) the
// percentages are those above the score and z-CC changes sign.
IntervalEstimate SmallSampleInterval(double rawScore, double mean, double sd, int n, bool reverse);

// A bound as shown with places decimals: "58.5", or "< 0.1" and "> 99.9" for
// percentages that show as 0 or 100 (or lie beyond them), "< -12.34" for a
// z-CC bound beyond reach. Written with "."; places 0 to 4.
std::string PercentileBoundText(const Bound& bound, unsigned places);
std::string ZccBoundText(const Bound& bound, unsigned places);

}  // namespace modVelmora
