#pragma once

#include <optional>
#include <string>

#include "common/labels.h"
#include "common/refusal.h"
#include "common/scales.h"

// The score converter's computation: a score on one of five scales converted
// to another. Every conversion passes through z; the entry, z and the result
// are single precision between steps.

namespace modVelmora {

enum class ConversionField { Value };

struct ConversionEntry {
    explicit ConversionEntry(LabelSystem labels) : labels(labels) {}

    std::string value;  // as typed, read by its numeric prefix
    ScoreScale from = ScoreScale::ZScore;
    ScoreScale to = ScoreScale::Percentile;
    unsigned decimals = 1;  // of a percentile or z-score
    LabelSystem labels;
};

struct ConversionReport {
    std::optional<Refusal<ConversionField>> refusal;
    std::string answer;  // written with "."
    float z = 0;         // the entry's z, single precision
    std::optional<DescriptiveLabel> label;  // of that z
};

ConversionReport ConvertScore(const ConversionEntry& entry);

}  // namespace modVelmora
