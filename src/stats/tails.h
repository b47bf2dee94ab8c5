#pragma once

#include <optional>

// Tails of the normal distribution and of Student's t, in double precision, for the tests that
// compare a statistic with its critical value.

namespace modVelmora {

// The two-tailed p of the statistic: Student's t on df degrees of freedom, or the normal without
// them. Taken from the upper tail itself, so a small p keeps its digits; not finite where it
// cannot be evaluated.
double TwoTailedP(double statistic, std::optional<int> df);
// The critical value that leaves alpha / 2 in each tail, likewise.
double TwoTailedCritical(double alpha, std::optional<int> df);
// The z below which the normal has probability p, 0 < p < 1.
double NormalQuantile(double p);

}  // namespace modVelmora
