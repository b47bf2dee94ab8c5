#pragma once

#include <cstdint>
#include <string_view>

// A raw score against the norms' mean and SD, as z and as a percentile.

namespace modVelmora {

struct RawScoreResult {
    float z;           // sign changed when low scores are good ("Reverse")
    float percentile;  // rounded to the decimals asked for, halves to even
};

RawScoreResult ScoreRawScore(float rawScore, float mean, float sd, bool reverse, unsigned decimals);

// The places the z-score is shown with: the decimals, but at least 2.
unsigned ZScorePlaces(unsigned decimals);

// The size of the normative sample as typed: its numeric prefix rounded to
// the nearest whole number, halves to even ("1.5" is 2, "2.5" is 2).
std::int16_t ReadSampleSize(std::string_view text);

}  // namespace modVelmora
