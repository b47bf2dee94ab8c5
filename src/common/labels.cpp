#include "common/labels.h"

#include <QtGlobal>
#include <cmath>

namespace modVelmora {

namespace {

struct Band {
    float lowest;  // the band's lowest standard score
    const char* aacn;
    const char* wechsler;
};

// From the top; the last band takes every score below 70.
const Band kBands[] = {
    {130, QT_TRANSLATE_NOOP("modVelmora::Labels", "Exceptionally high score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "Extremely high")},
    {120, QT_TRANSLATE_NOOP("modVelmora::Labels", "Above average score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "Very high")},
    {110, QT_TRANSLATE_NOOP("modVelmora::Labels", "High average score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "High average")},
    {90, QT_TRANSLATE_NOOP("modVelmora::Labels", "Average score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "Average")},
    {80, QT_TRANSLATE_NOOP("modVelmora::Labels", "Low average score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "Low average")},
    {70, QT_TRANSLATE_NOOP("modVelmora::Labels", "Below average score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "Very low")},
    {-INFINITY, QT_TRANSLATE_NOOP("modVelmora::Labels", "Exceptionally low score"), QT_TRANSLATE_NOOP("modVelmora::Labels", "Extremely low")},
};

struct SystemNames {
    const char* key;
    const char* name;
};
// Indexed by LabelSystem.
const SystemNames kSystems[] = {{"aacn", QT_TRANSLATE_NOOP("modVelmora::Labels", "AACN 2020")},
                                {"wechsler", QT_TRANSLATE_NOOP("modVelmora::Labels", "Wechsler")},
                                {"none", QT_TRANSLATE_NOOP("modVelmora::Labels", "None")}};

}  // namespace

const char* LabelSystemKey(LabelSystem system) { return kSystems[static_cast<int>(system)].key; }

const char* LabelSystemName(LabelSystem system) { return kSystems[static_cast<int>(system)].name; }

std::optional<LabelSystem> LabelSystemNamed(std::string_view key) {
    for (const LabelSystem system : {LabelSystem::Aacn, LabelSystem::Wechsler, LabelSystem::None})
        if (key == LabelSystemKey(system)) return system;
    return std::nullopt;
}

std::vector<LabelBand> LabelBands(LabelSystem system) {
    std::vector<LabelBand> bands;
    if (system == LabelSystem::None) return bands;
    for (auto band = std::rbegin(kBands); band != std::rend(kBands); ++band)
        bands.push_back({band->lowest, system == LabelSystem::Aacn ? band->aacn : band->wechsler});
    return bands;
}

std::optional<DescriptiveLabel> DescribeScore(float z, LabelSystem system) {
    if (system == LabelSystem::None) return std::nullopt;
    const float standard = std::nearbyint(static_cast<float>(15.0 * z + 100));
    for (const Band& band : kBands)
        if (standard >= band.lowest) return DescriptiveLabel{standard, system == LabelSystem::Aacn ? band.aacn : band.wechsler};
    return std::nullopt;  // not a number
}

}  // namespace modVelmora
