#include "converter/conversions.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

#include "stats/normal.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

const char* const kPercentileOutOfRange =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter a percentile that is greater than 0 and less than 100.");
const char* const kScaledOutOfRange = QT_TRANSLATE_NOOP("modVelmora::Messages", "Scaled score values must be between 1 and 20");

using Refused = Refusal<ConversionField>;
// Only text from outside the 8-character box can leave the single range.
const Refused kBeyondRange{ConversionField::Value, Notice::Beep, nullptr};

// Rounded half to even, shown without decimals or separators; none past what can be shown.
std::optional<std::string> whole(float value) {
    if (!ShowableFigure(value)) return std::nullopt;
    return FormatFixed(std::nearbyint(value), 0);
}

// How a z (or a percentile entry, for percentile to percentile) is shown on the target scale.
// On the percentile path the scaled score is held within 1 to 20; elsewhere only at or above 0.
std::optional<std::string> showOnScale(ScoreScale to, float z, float percentile, bool fromPercentile,
                                       unsigned decimals) {
    switch (to) {
        case ScoreScale::Percentile:
            return FormatPlaces(percentile, decimals);
        case ScoreScale::ZScore:
            if (!ShowableFigure(z)) return std::nullopt;
            return FormatPlaces(z, ZScorePlaces(decimals));
        case ScoreScale::ScaledScore: {
            float scaled = static_cast<float>(3.0 * z + 10);
            scaled = fromPercentile ? std::clamp(scaled, 1.0f, 20.0f) : std::max(scaled, 0.0f);
            return whole(scaled);
        }
        default:
            return whole(static_cast<float>(ScaleSD(to) * z + ScaleMean(to)));
    }
}

ConversionReport converted(float z, const std::optional<std::string>& answer, LabelSystem labels) {
    ConversionReport report;
    report.z = z;
    report.label = DescribeScore(z, labels);
    if (answer) report.answer = *answer;
    else report.refusal = Refused{ConversionField::Value, Notice::Information, kResultOutOfRange, false, ShownResults::EmptiedFirst};
    return report;
}

ConversionReport refused(const Refused& refusal) {
    ConversionReport report;
    report.refusal = refusal;
    return report;
}

// The percentile path: z from the inverse normal. The entry is divided by
// 100 before it is held in single precision.
ConversionReport convertFromPercentile(const ConversionEntry& entry, double percentile) {
    const float p = static_cast<float>(percentile / 100);
    // A percentile so near 0 or 100 that its probability is 0 or 1 in single precision is as good as either.
    if (percentile <= 0 || percentile >= 100 || p <= 0 || p >= 1)
        return refused({ConversionField::Value, Notice::Information, kPercentileOutOfRange, true, ShownResults::EmptiedAfter});
    const float z = static_cast<float>(InverseNormal(p));
    return converted(z, showOnScale(entry.to, z, static_cast<float>(p * 100.0), true, entry.decimals), entry.labels);
}

}  // namespace

ConversionReport ConvertScore(const ConversionEntry& entry) {
    if (entry.value.empty()) return refused({ConversionField::Value, Notice::Beep, nullptr});
    const double typed = ReadNumericPrefix(entry.value);
    if (entry.from == ScoreScale::Percentile) return convertFromPercentile(entry, typed);
    const float x = static_cast<float>(typed);
    if (!std::isfinite(x)) return refused(kBeyondRange);
    // The answer on show stays.
    if (entry.from == ScoreScale::ScaledScore && (x < 1 || x > 20))
        return refused({ConversionField::Value, Notice::Information, kScaledOutOfRange, true});

    const float z = static_cast<float>((x - ScaleMean(entry.from)) / ScaleSD(entry.from));
    const float percentile = static_cast<float>(100.0 * NormalDist(z, true));
    return converted(z, showOnScale(entry.to, z, percentile, false, entry.decimals), entry.labels);
}

}  // namespace modVelmora
