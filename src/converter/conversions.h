#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions among the five standard score scales. Every conversion passes
// through z; the entry, z and the result are single precision between steps.

namespace modVelmora {

enum class ScoreScale : std::uint8_t {
    Percentile = 0,
    ScaledScore = 1,
    StandardScore = 2,
    TScore = 3,
    ZScore = 4,
};

constexpr int kScaleCount = 5;

// Only percentiles and z-scores are typed with a decimal point.
bool AcceptsDecimalPoint(ScoreScale scale);

struct Conversion {
    enum class Outcome {
        Converted,
        EmptyEntry,
        PercentileOutOfRange,  // a percentile must lie strictly between 0 and 100
        ScaledScoreOutOfRange, // a scaled score must lie between 1 and 20
        BeyondSinglePrecision, // an entry or result too large for a single (only pasted text that long)
    };
    Outcome outcome = Outcome::Converted;
    std::string text;  // the answer, when converted
};

// Converts the typed entry (read by its numeric prefix) from one scale to
// another; decimals is the shared number of decimal places. An empty entry
// converts to nothing.
Conversion ConvertScore(ScoreScale from, ScoreScale to, std::string_view entry, unsigned decimals);

// The percentile path: z from the inverse normal, scaled scores held within 1 to 20.
// The entry is divided by 100 before it is held in single precision.
Conversion ConvertFromPercentile(ScoreScale to, double percentile, unsigned decimals);

}  // namespace modVelmora
