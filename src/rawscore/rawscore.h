#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/labels.h"
#include "common/refusal.h"

// The raw score window's computation: a raw score against the norms' mean
// and SD gives z and a percentile; with the t-test and the normative sample's
// size also t, the adjusted percentile and its 95% interval estimate.

namespace modVelmora {

enum class RawScoreField { RawScore, Mean, SD, SampleSize };

struct RawScoreEntry {
    explicit RawScoreEntry(LabelSystem labels) : labels(labels) {}

    // As typed, each read by its numeric prefix.
    std::string rawScore, mean, sd, sampleSize;
    bool reverse = false;   // low scores are good
    bool useTTest = false;
    unsigned decimals = 1;  // of the percentiles
    LabelSystem labels;
    // The saved norm set the mean, SD, n and Reverse came from, and its source; empty for typed norms.
    std::string normSet, normSource;
};

// The t-test's results as shown.
struct SmallSampleTexts {
    std::string t, adjustedPercentile;
    std::string intervalLow, intervalHigh;  // the percentages of the 95% interval estimate
    std::string zcc, zccLow, zccHigh;       // the effect size with its 95% interval
};

struct RawScoreReport {
    std::optional<Refusal<RawScoreField>> refusal;
    // Written with ".".
    std::string z, percentile;
    std::optional<SmallSampleTexts> smallSample;  // with the t-test
    float zValue = 0;  // z before it is rounded for display, sign changed by Reverse
    std::optional<DescriptiveLabel> label;  // of zValue, even with the t-test
};

RawScoreReport ScoreRawScore(const RawScoreEntry& entry);

// The size of the normative sample as typed: its numeric prefix rounded to
// the nearest whole number, halves to even ("1.5" is 2, "2.5" is 2).
std::int16_t ReadSampleSize(std::string_view text);

}  // namespace modVelmora
