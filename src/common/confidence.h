#pragma once

// The two confidence levels an interval or a verdict of change is given at, two-tailed.

namespace modVelmora {

enum class ConfidenceLevel { Ninety = 90, NinetyFive = 95 };

}  // namespace modVelmora
