#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/confidence.h"
#include "common/labels.h"
#include "common/refusal.h"
#include "converter/conversions.h"

// The score interval's computation: the band a score's true value lies in,
// from the test's reliability, around the obtained score (its standard error
// of measurement) or around the estimated true score (its standard error of
// estimation); and the score on every scale, as the score converter shows it.

namespace modVelmora {

enum class IntervalField { Score, Reliability };

struct IntervalEntry {
    explicit IntervalEntry(LabelSystem labels) : labels(labels) {}

    std::string score;  // as typed, read by its numeric prefix as the converter reads it
    ScoreScale scale = ScoreScale::StandardScore;
    std::string reliability;  // as typed, read by its numeric prefix
    ConfidenceLevel level = ConfidenceLevel::NinetyFive;
    IntervalCentre centre = IntervalCentre::Obtained;
    unsigned decimals = 1;  // of the percentiles, 0 to 4
    LabelSystem labels;
};

struct IntervalReport {
    std::optional<Refusal<IntervalField>> refusal;
    // Written with ".". The score indexed by ScoreScale, each the converter's answer.
    std::array<std::string, kScaleCount> scores;
    std::string stanine, sten, nce;         // whole numbers, from z
    float z = 0;                            // the converter's z of the score, single precision
    std::optional<DescriptiveLabel> label;  // of that z
    // The interval on the score's scale (percentiles for a percentile), and as percentiles.
    std::string centre;  // one decimal; empty around the obtained score
    std::string low, high, percentileLow, percentileHigh;
    // The same in double precision, in z units of the score's scale.
    double zScore = 0, zCentre = 0, zLow = 0, zHigh = 0;
};

IntervalReport ComputeScoreInterval(const IntervalEntry& entry);
// A bound of an interval, in z units, as the report writes it on a scale: a whole score, a z-score
// with two places, or a percentile with the decimals.
std::string IntervalBoundText(ScoreScale scale, double z, unsigned decimals);

}  // namespace modVelmora
