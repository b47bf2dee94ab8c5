#include "converter/conversions.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "stats/normal.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

struct ScaleNorms {
    double mean;
    double sd;
};

// Mean and SD of the scales that are linear in z.
ScaleNorms normsOf(ScoreScale scale) {
    switch (scale) {
        case ScoreScale::ScaledScore: return {10, 3};
        case ScoreScale::StandardScore: return {100, 15};
        case ScoreScale::TScore: return {50, 10};
        default: return {0, 1};
    }
}

// Rounded half to even, shown without decimals or separators; none past the single range.
std::optional<std::string> whole(float value) {
    if (!std::isfinite(value)) return std::nullopt;
    return FormatFixed(std::nearbyint(value), 0);
}

// How a z (or a percentile entry, for percentile to percentile) is shown on the target scale.
// On the percentile path the scaled score is held within 1 to 20; elsewhere only at or above 0.
std::optional<std::string> showOnScale(ScoreScale to, float z, float percentile, bool fromPercentile,
                                       unsigned decimals) {
    switch (to) {
        case ScoreScale::Percentile:
            return FormatPlaces(percentile, decimals);
        case ScoreScale::ZScore:
            return FormatPlaces(z, std::max(decimals, 2u));
        case ScoreScale::ScaledScore: {
            float scaled = static_cast<float>(3.0 * z + 10);
            scaled = fromPercentile ? std::clamp(scaled, 1.0f, 20.0f) : std::max(scaled, 0.0f);
            return whole(scaled);
        }
        default: {
            const ScaleNorms norms = normsOf(to);
            return whole(static_cast<float>(norms.sd * z + norms.mean));
        }
    }
}

Conversion converted(const std::optional<std::string>& text) {
    if (!text) return {Conversion::Outcome::BeyondSinglePrecision, {}};
    return {Conversion::Outcome::Converted, *text};
}

}  // namespace

bool AcceptsDecimalPoint(ScoreScale scale) {
    return scale == ScoreScale::Percentile || scale == ScoreScale::ZScore;
}

Conversion ConvertFromPercentile(ScoreScale to, double percentile, unsigned decimals) {
    const float p = static_cast<float>(percentile / 100);
    // A percentile so near 0 or 100 that its probability is 0 or 1 in single precision is as good as either.
    if (percentile <= 0 || percentile >= 100 || p <= 0 || p >= 1)
        return {Conversion::Outcome::PercentileOutOfRange, {}};
    const float z = static_cast<float>(InverseNormal(p));
    return converted(showOnScale(to, z, static_cast<float>(p * 100.0), true, decimals));
}

Conversion ConvertScore(ScoreScale from, ScoreScale to, std::string_view entry, unsigned decimals) {
    using Outcome = Conversion::Outcome;
    if (entry.empty()) return {Outcome::EmptyEntry, {}};
    const double typed = ReadNumericPrefix(entry);
    if (from == ScoreScale::Percentile) return ConvertFromPercentile(to, typed, decimals);
    const float x = static_cast<float>(typed);
    if (!std::isfinite(x)) return {Outcome::BeyondSinglePrecision, {}};

    if (from == ScoreScale::ScaledScore && (x < 1 || x > 20))
        return {Outcome::ScaledScoreOutOfRange, {}};

    const ScaleNorms norms = normsOf(from);
    const float z = static_cast<float>((x - norms.mean) / norms.sd);
    const float percentile = static_cast<float>(100.0 * NormalDist(z, true));
    return converted(showOnScale(to, z, percentile, false, decimals));
}

}  // namespace modVelmora
