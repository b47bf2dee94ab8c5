#include "rawscore/rawscore.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

#include "stats/intervals.h"
#include "stats/normal.h"
#include "stats/numbers.h"
#include "stats/smallsample.h"

namespace modVelmora {

namespace {

const char* const kNoRawScore = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter a raw score.");
const char* const kNoMean = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the sample mean.");
const char* const kNoSD = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the sample standard deviation.");
const char* const kZeroSD = QT_TRANSLATE_NOOP("modVelmora::Messages", "The standard deviation cannot equal zero.");
const char* const kNegativeSD = QT_TRANSLATE_NOOP("modVelmora::Messages", "The standard deviation cannot be negative.");
const char* const kNoSampleSize =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the size of the normative sample.");
const char* const kSampleTooSmall =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The normative sample size must be greater than 1.");
// The sample size box holds four characters; only a file's field can be larger.
const char* const kSampleTooLarge =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The normative sample size must be at most 9999.");
constexpr int kLargestSample = 9999;

using Refused = Refusal<RawScoreField>;

// A box's number in single precision; none beyond its range, which only a file's field can reach.
std::optional<float> single(const std::string& text) {
    const float value = static_cast<float>(ReadNumericPrefix(text));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

Refused beyondRange(RawScoreField field) { return {field, Notice::Beep, nullptr}; }

SmallSampleTexts smallSample(float raw, float mean, float sd, std::int16_t n, const RawScoreEntry& entry) {
    const SmallSampleResult small = SmallN(raw, mean, sd, n, entry.reverse, entry.decimals);
    const IntervalEstimate interval = SmallSampleInterval(raw, mean, sd, n, entry.reverse);
    const unsigned zPlaces = ZScorePlaces(entry.decimals);
    return {FormatGeneral(small.tScore, 7),
            FormatGeneral(small.adjustedPercentile, 7),
            PercentileBoundText(interval.percentileLow, entry.decimals),
            PercentileBoundText(interval.percentileHigh, entry.decimals),
            FormatPlaces(interval.zcc, zPlaces),
            ZccBoundText(interval.zccLow, zPlaces),
            ZccBoundText(interval.zccHigh, zPlaces)};
}

}  // namespace

std::int16_t ReadSampleSize(std::string_view text) {
    const double rounded = std::nearbyint(ReadNumericPrefix(text));
    return static_cast<std::int16_t>(std::clamp(rounded, double{INT16_MIN}, double{INT16_MAX}));
}

RawScoreReport ScoreRawScore(const RawScoreEntry& entry) {
    RawScoreReport report;
    const auto refuse = [&](Refused refusal) {
        report.refusal = refusal;
        return report;
    };
    using F = RawScoreField;
    if (entry.rawScore.empty()) return refuse({F::RawScore, Notice::Information, kNoRawScore});
    const auto raw = single(entry.rawScore);
    if (!raw) return refuse(beyondRange(F::RawScore));
    // The percentile on show goes before these messages.
    if (entry.mean.empty()) return refuse({F::Mean, Notice::Information, kNoMean, false, ShownResults::EmptiedFirst});
    const auto mean = single(entry.mean);
    if (!mean) return refuse(beyondRange(F::Mean));
    if (entry.sd.empty()) return refuse({F::SD, Notice::Information, kNoSD, false, ShownResults::EmptiedFirst});
    const auto sd = single(entry.sd);
    if (!sd) return refuse(beyondRange(F::SD));
    if (*sd == 0) return refuse({F::SD, Notice::Information, kZeroSD, true});
    // A negative SD would turn z about while the t-test's interval kept its side.
    if (*sd < 0) return refuse({F::SD, Notice::Information, kNegativeSD, true});

    std::int16_t n = 0;
    if (entry.useTTest) {
        if (entry.sampleSize.empty())
            return refuse({F::SampleSize, Notice::Information, kNoSampleSize, false, ShownResults::EmptiedFirst});
        n = ReadSampleSize(entry.sampleSize);
        if (n < 2) return refuse({F::SampleSize, Notice::Information, kSampleTooSmall});
        if (n > kLargestSample) return refuse({F::SampleSize, Notice::Information, kSampleTooLarge});
    }

    float z = static_cast<float>((static_cast<double>(*raw) - *mean) / *sd);
    if (entry.reverse) z = -z;
    // t and z-CC are no larger than z.
    if (!ShowableFigure(z)) return refuse({F::RawScore, Notice::Information, kResultOutOfRange, false, ShownResults::EmptiedFirst});
    if (entry.useTTest) report.smallSample = smallSample(*raw, *mean, *sd, n, entry);
    const float percentile = static_cast<float>(100.0 * NormalDist(z, true));
    report.zValue = z;
    report.label = DescribeScore(z, entry.labels);
    const float shown = static_cast<float>(RoundToPlaces(percentile, static_cast<int>(entry.decimals)));
    report.percentile = FormatPlaces(shown, entry.decimals);
    report.z = FormatPlaces(z, ZScorePlaces(entry.decimals));
    return report;
}

}  // namespace modVelmora
