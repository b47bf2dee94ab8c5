#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Descriptive labels: the words a report puts beside a score, by the band of
// its standard score. Two systems: AACN 2020 (Guilmette et al., 2020,
// doi:10.1080/13854046.2020.1722244) and the Wechsler descriptors.

namespace modVelmora {

enum class LabelSystem { Aacn, Wechsler, None };

// The system's name in the settings store and on the command line ("aacn",
// "wechsler", "none"), and the system a name gives; none for any other name.
const char* LabelSystemKey(LabelSystem system);
std::optional<LabelSystem> LabelSystemNamed(std::string_view key);
// Its menu entry ("AACN 2020", "Wechsler", "None"), English, translated where it is shown.
const char* LabelSystemName(LabelSystem system);
inline constexpr const char* kLabelContext = "modVelmora::Labels";

struct DescriptiveLabel {
    float standardScore;  // whole, the band's measure
    const char* text;     // English, translated where it is shown
};

// The bands of a system from the lowest, each from its lowest standard score (the first from
// none); empty for LabelSystem::None.
struct LabelBand {
    float lowest;
    const char* text;
};
std::vector<LabelBand> LabelBands(LabelSystem system);

// The label of z: S = 15z + 100 in single precision, rounded to a whole number
// with halves to the even neighbour, exactly as the converter shows a standard
// score. None under LabelSystem::None.
std::optional<DescriptiveLabel> DescribeScore(float z, LabelSystem system);

}  // namespace modVelmora
