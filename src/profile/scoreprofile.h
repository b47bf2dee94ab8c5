#pragma once

#include <optional>
#include <string>

#include "interval/scoreinterval.h"

// One row of a score profile: a test's score on its own scale, shown as the percentile, the
// standard score and its descriptive label; with the test's reliability also its confidence
// interval on the standard scale. With a reliability the texts are the score interval's for the
// same entry, without one the score converter's: both computations are called, never redone.

namespace modVelmora {

// The score interval's entry, whose reliability may be empty: then the row has no interval.
using ProfileEntry = IntervalEntry;

struct ProfileReport {
    std::optional<Refusal<IntervalField>> refusal;
    // Written with ".". low and high on the standard scale; empty without a reliability.
    std::string percentile, standard, low, high;
    float z = 0;                            // the converter's z of the score, which the label describes
    std::optional<DescriptiveLabel> label;  // of that z
};

ProfileReport ComputeProfileRow(const ProfileEntry& entry);

// The message of a refused row, English: the computation's own, or for a score the converter
// refuses without one (beyond the numbers it holds), a message of the profile's.
const char* ProfileRefusalMessage(const Refusal<IntervalField>& refusal);

}  // namespace modVelmora
