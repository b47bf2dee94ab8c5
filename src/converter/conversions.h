#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/labels.h"
#include "common/refusal.h"

// The score converter's computation: a score on one of five scales converted
// to another. Every conversion passes through z; the entry, z and the result
// are single precision between steps.

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
// The mean and SD of a scale that is linear in z (0 and 1 for a percentile, which is not).
double ScaleMean(ScoreScale scale);
double ScaleSD(ScoreScale scale);
inline constexpr const char* kScaleContext = "modVelmora::Scales";

// Percentiles and z-scores are typed and shown with decimals; the other
// scales are whole numbers.
bool HasDecimals(ScoreScale scale);

enum class ConversionField { Value };

struct ConversionEntry {
    std::string value;  // as typed, read by its numeric prefix
    ScoreScale from = ScoreScale::ZScore;
    ScoreScale to = ScoreScale::Percentile;
    unsigned decimals = 1;  // of a percentile or z-score
    LabelSystem labels = LabelSystem::Aacn;
};

struct ConversionReport {
    std::optional<Refusal<ConversionField>> refusal;
    std::string answer;  // written with "."
    float z = 0;         // the entry's z, single precision
    std::optional<DescriptiveLabel> label;  // of that z
};

ConversionReport ConvertScore(const ConversionEntry& entry);

}  // namespace modVelmora
