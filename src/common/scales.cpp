#include "common/scales.h"

#include <QtGlobal>
#include <algorithm>

namespace modVelmora {

namespace {

struct ScaleInfo {
    const char* name;
    const char* caption;
    const char* description;
    double mean;  // and SD, of the scales that are linear in z
    double sd;
};

// Indexed by ScoreScale.
const ScaleInfo kScales[kScaleCount] = {
    {"percentile", QT_TRANSLATE_NOOP("modVelmora::Scales", "Percentile"),
     QT_TRANSLATE_NOOP("modVelmora::Scales", "Percentage of the norm group scoring below this score"), 0, 1},
    {"scaled", QT_TRANSLATE_NOOP("modVelmora::Scales", "Scaled Score"),
     QT_TRANSLATE_NOOP("modVelmora::Scales", "Mean 10, SD 3: Wechsler subtests"), 10, 3},
    {"standard", QT_TRANSLATE_NOOP("modVelmora::Scales", "Standard Score"),
     QT_TRANSLATE_NOOP("modVelmora::Scales", "Mean 100, SD 15: IQ and index scores (Wechsler, Stanford-Binet)"), 100, 15},
    {"t", QT_TRANSLATE_NOOP("modVelmora::Scales", "T-Score"),
     QT_TRANSLATE_NOOP("modVelmora::Scales", "Mean 50, SD 10: demographically corrected norms (Heaton), MMPI and other "
                                             "personality and symptom scales"), 50, 10},
    {"z", QT_TRANSLATE_NOOP("modVelmora::Scales", "Z-Score"),
     QT_TRANSLATE_NOOP("modVelmora::Scales", "Mean 0, SD 1: the distance from the mean in standard deviations"), 0, 1},
};

const ScaleInfo& info(ScoreScale scale) { return kScales[static_cast<int>(scale)]; }

}  // namespace

const char* ScaleName(ScoreScale scale) { return info(scale).name; }

const char* ScaleCaption(ScoreScale scale) { return info(scale).caption; }

const char* ScaleDescription(ScoreScale scale) { return info(scale).description; }

const char* ScaleInSentence(ScoreScale scale) {
    static const char* const kInSentence[kScaleCount] = {
        QT_TRANSLATE_NOOP("modVelmora::Scales", "percentile"), QT_TRANSLATE_NOOP("modVelmora::Scales", "scaled score"),
        QT_TRANSLATE_NOOP("modVelmora::Scales", "standard score"), QT_TRANSLATE_NOOP("modVelmora::Scales", "T-score"),
        QT_TRANSLATE_NOOP("modVelmora::Scales", "z-score")};
    return kInSentence[static_cast<int>(scale)];
}

double ScaleMean(ScoreScale scale) { return info(scale).mean; }

double ScaleSD(ScoreScale scale) { return info(scale).sd; }

std::optional<ScoreScale> ScaleNamed(std::string_view name) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (int scale = 0; scale < kScaleCount; ++scale) {
        const std::string_view candidate = kScales[scale].name;
        if (std::equal(name.begin(), name.end(), candidate.begin(), candidate.end(),
                       [&](char a, char b) { return lower(a) == b; }))
            return static_cast<ScoreScale>(scale);
    }
    return std::nullopt;
}

bool HasDecimals(ScoreScale scale) {
    return scale == ScoreScale::Percentile || scale == ScoreScale::ZScore;
}

}  // namespace modVelmora
