#pragma once

#include <optional>
#include <string_view>

// How sure an interval or a verdict of change is, where a score's interval is centred, and what a
// difference between two scores is compared against.

namespace modVelmora {

// Two-tailed; the enumerators' values are the percentages.
enum class ConfidenceLevel { Ninety = 90, NinetyFive = 95 };

// The two-sided normal quantile of the level: 1.6449 for 90%, 1.9600 for 95%.
double CriticalZ(ConfidenceLevel level);

enum class IntervalCentre { Obtained, EstimatedTrue };

// The centre's name ("Obtained score", "Estimated true score"), English,
// translated where it is shown.
const char* IntervalCentreName(IntervalCentre centre);
// The centre's word in the settings store and on the command line ("obtained", "true"), and the
// centre a word gives; none for any other word.
const char* IntervalCentreKey(IntervalCentre centre);
std::optional<IntervalCentre> IntervalCentreNamed(std::string_view key);
inline constexpr const char* kIntervalContext = "modVelmora::Interval";

enum class DifferenceAgainst { Norms, Controls };

// Its word in the settings store and on the command line ("norms", "controls"), and the choice a
// word gives; none for any other word.
const char* DifferenceAgainstKey(DifferenceAgainst against);
std::optional<DifferenceAgainst> DifferenceAgainstNamed(std::string_view key);

}  // namespace modVelmora
