#include "interval/scoreinterval.h"

#include <QtGlobal>
#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <cmath>

#include "stats/intervals.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

const char* const kReliabilityOutOfRange =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter a reliability greater than 0 and less than 1.");

// Worked in double, not Boost's default long double: twice as fast, and the same digits shown.
using DoublePolicy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
const boost::math::normal_distribution<double, DoublePolicy> kNormal;

// Halves toward +infinity, decided on the double itself.
double roundHalfUp(double v) {
    const double below = std::floor(v);
    return v - below >= 0.5 ? below + 1 : below;
}

// A whole number held within the scale's ends.
std::string whole(double v, double lowest, double highest) { return FormatFixed(std::clamp(v, lowest, highest), 0); }

std::string percentileText(double z, unsigned decimals) {
    return PercentileBoundText({100 * boost::math::cdf(kNormal, z), false}, decimals);
}

// The estimated true score on the score's scale, with one place; a z-score with two, as z is shown.
std::string centreOnScale(ScoreScale scale, double z) {
    if (scale == ScoreScale::Percentile) return FormatFixed(100 * boost::math::cdf(kNormal, z), 1);
    return FormatFixed(ScaleMean(scale) + ScaleSD(scale) * z, scale == ScoreScale::ZScore ? 2 : 1);
}

// The converter's percentile, but one that shows as 0 or 100 is written beyond the smallest step
// shown, as the band's bounds are: no score lies at the 0th or 100th percentile.
std::string percentileWithin(const std::string& shown, unsigned decimals) {
    const double step = std::pow(10.0, -double(decimals));
    if (shown == FormatPlaces(0, decimals)) return "< " + FormatPlaces(step, decimals);
    if (shown == FormatPlaces(100, decimals)) return "> " + FormatPlaces(100 - step, decimals);
    return shown;
}

// Nothing of the score goes with a refusal.
IntervalReport refused(const Refusal<IntervalField>& refusal) {
    IntervalReport report;
    report.refusal = refusal;
    return report;
}

}  // namespace

std::string IntervalBoundText(ScoreScale scale, double z, unsigned decimals) {
    if (scale == ScoreScale::Percentile) return percentileText(z, decimals);
    return FormatFixed(ScaleMean(scale) + ScaleSD(scale) * z, scale == ScoreScale::ZScore ? 2 : 0);
}

IntervalReport ComputeScoreInterval(const IntervalEntry& entry) {
    const double zCritical = CriticalZ(entry.level);
    IntervalReport report;
    // The score is refused, and shown on every scale, exactly as the converter does it.
    ConversionEntry conversion(entry.labels);
    conversion.value = entry.score;
    conversion.from = entry.scale;
    conversion.decimals = entry.decimals;
    for (int to = 0; to < kScaleCount; ++to) {
        conversion.to = static_cast<ScoreScale>(to);
        const ConversionReport converted = ConvertScore(conversion);
        if (const auto& score = converted.refusal)
            return refused({IntervalField::Score, score->notice, score->message, score->emptiesEntry, score->results});
        report.scores[to] = conversion.to == ScoreScale::Percentile ? percentileWithin(converted.answer, entry.decimals) : converted.answer;
        report.z = converted.z;
        report.label = converted.label;
    }
    const double r = ReadNumericPrefix(entry.reliability);
    if (!(r > 0 && r < 1))  // an empty box reads as 0
        return refused({IntervalField::Reliability, Notice::Information, kReliabilityOutOfRange});

    const double z = report.z;
    report.stanine = whole(roundHalfUp(2 * z + 5), 1, 9);
    report.sten = whole(roundHalfUp(2 * z + 5.5), 1, 10);
    report.nce = whole(std::nearbyint(21.06 * z + 50), 1, 99);

    // The interval in double precision from the score as typed; the converter has kept it in range.
    const double x = ReadNumericPrefix(entry.score);
    report.zScore = entry.scale == ScoreScale::Percentile ? boost::math::quantile(kNormal, x / 100)
                                                          : (x - ScaleMean(entry.scale)) / ScaleSD(entry.scale);
    const bool estimated = entry.centre == IntervalCentre::EstimatedTrue;
    // The standard error of measurement around the obtained score, of estimation around the true score.
    report.zCentre = estimated ? r * report.zScore : report.zScore;
    const double halfWidth = zCritical * std::sqrt(estimated ? r * (1 - r) : 1 - r);
    report.zLow = report.zCentre - halfWidth;
    report.zHigh = report.zCentre + halfWidth;

    if (estimated) report.centre = centreOnScale(entry.scale, report.zCentre);
    report.low = IntervalBoundText(entry.scale, report.zLow, entry.decimals);
    report.high = IntervalBoundText(entry.scale, report.zHigh, entry.decimals);
    report.percentileLow = percentileText(report.zLow, entry.decimals);
    report.percentileHigh = percentileText(report.zHigh, entry.decimals);
    return report;
}

}  // namespace modVelmora
