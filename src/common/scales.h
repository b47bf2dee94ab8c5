#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The five scales a score is given on, as the converter, the score interval and the settings name them.

namespace modVelmora {

enum class ScoreScale : std::uint8_t {
    Percentile = 0,
    ScaledScore = 1,
    StandardScore = 2,
    TScore = 3,
    ZScore = 4,
};

constexpr int kScaleCount = 5;

// The name a file or the command line gives a scale ("percentile", "scaled",
// "standard", "t", "z"), and the scale a name gives, in any letter case.
const char* ScaleName(ScoreScale scale);
std::optional<ScoreScale> ScaleNamed(std::string_view name);
// The caption of its option button, and its tooltip (the mean, the SD and the tests
// that use it), English, translated where they are shown.
const char* ScaleCaption(ScoreScale scale);
const char* ScaleDescription(ScoreScale scale);
// The scale as a sentence names it ("scaled score", "T-score"), English, translated where it is shown.
const char* ScaleInSentence(ScoreScale scale);
// The mean and SD of a scale that is linear in z (0 and 1 for a percentile, which is not).
double ScaleMean(ScoreScale scale);
double ScaleSD(ScoreScale scale);
inline constexpr const char* kScaleContext = "modVelmora::Scales";

// Percentiles and z-scores are typed and shown with decimals; the other
// scales are whole numbers.
bool HasDecimals(ScoreScale scale);

}  // namespace modVelmora
