#pragma once

// The standard normal distribution as the score windows use it. The rounding
// to single precision at fixed points is deliberate: it shows in the last
// digits of the percentiles that clinicians copy into reports.

namespace modVelmora {

// Phi(z) when cumulative is set, the density phi(z) otherwise.
float NormalDist(float z, bool cumulative);

// The z with Phi(z) = p. Throws std::invalid_argument unless 0 < p < 1.
double InverseNormal(double p);

}  // namespace modVelmora
