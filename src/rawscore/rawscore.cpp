#include "rawscore/rawscore.h"

#include <algorithm>
#include <cmath>

#include "stats/normal.h"
#include "stats/numbers.h"

namespace modVelmora {

RawScoreResult ScoreRawScore(float rawScore, float mean, float sd, bool reverse, unsigned decimals) {
    float z = static_cast<float>((static_cast<double>(rawScore) - mean) / sd);
    if (reverse) z = -z;
    const float percentile = static_cast<float>(100.0 * NormalDist(z, true));
    return {z, static_cast<float>(RoundToPlaces(percentile, static_cast<int>(decimals)))};
}

unsigned ZScorePlaces(unsigned decimals) { return std::max(decimals, 2u); }

std::int16_t ReadSampleSize(std::string_view text) {
    const double rounded = std::nearbyint(ReadNumericPrefix(text));
    return static_cast<std::int16_t>(std::clamp(rounded, double{INT16_MIN}, double{INT16_MAX}));
}

}  // namespace modVelmora
