#include "difference/scoredifference.h"

#include <QtGlobal>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "rawscore/rawscore.h"
#include "stats/intervals.h"
#include "stats/numbers.h"
#include "stats/tails.h"

namespace modVelmora {

namespace {

const char* const kNoScoreX = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter score X.");
const char* const kNoScoreY = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter score Y.");
const char* const kWholeScores =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Scores on this scale are whole numbers: please enter them without decimals.");
const char* const kNoReliabilityX = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the reliability of X.");
const char* const kNoReliabilityY = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the reliability of Y.");
const char* const kBadReliabilityX =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The reliability of X must be greater than 0 and less than 1.");
const char* const kBadReliabilityY =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The reliability of Y must be greater than 0 and less than 1.");
const char* const kNoCorrelation = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the correlation of X and Y.");
const char* const kBadCorrelation =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The correlation of X and Y must be greater than -1 and less than 1.");
const char* const kNoMeanX = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the controls' mean on X.");
const char* const kNoMeanY = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the controls' mean on Y.");
const char* const kNoSDX = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the controls' SD on X.");
const char* const kNoSDY = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the controls' SD on Y.");
const char* const kBadSDX = QT_TRANSLATE_NOOP("modVelmora::Messages", "The controls' SD on X must be greater than 0.");
const char* const kBadSDY = QT_TRANSLATE_NOOP("modVelmora::Messages", "The controls' SD on Y must be greater than 0.");
const char* const kNoSampleSize = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the number of controls.");
const char* const kBadSampleSize = QT_TRANSLATE_NOOP("modVelmora::Messages", "The number of controls must be from 3 to 9999.");
// t has n - 1 degrees of freedom and a sample of two no correlation to speak of; the box holds four digits.
constexpr int kSmallestSample = 3, kLargestSample = 9999;

const char* const kVerdicts[] = {QT_TRANSLATE_NOOP("modVelmora::Difference", "No significant difference"),
                                 QT_TRANSLATE_NOOP("modVelmora::Difference", "Significant difference")};

template <class Field>
Refusal<Field> told(Field field, const char* message) {
    return {field, Notice::Information, message, false, ShownResults::EmptiedFirst};
}

// A value that only a file's hundreds of digits reach, beyond what a double holds.
template <class Field>
Refusal<Field> beyondRange(Field field) {
    return {field, Notice::Beep, nullptr, false, ShownResults::EmptiedFirst};
}

// A report of nothing but why the entry was refused.
template <class Report, class Field>
Report refused(Refusal<Field> refusal) {
    Report report;
    report.refusal = refusal;
    return report;
}

bool held(double v) { return std::fabs(v) < std::numeric_limits<double>::max(); }

std::optional<double> given(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return ReadNumericPrefix(text);
}

double alphaOf(ConfidenceLevel level) { return level == ConfidenceLevel::NinetyFive ? 0.05 : 0.10; }

}  // namespace

const char* DifferenceVerdictText(bool significant) { return kVerdicts[significant ? 1 : 0]; }

NormsDifferenceReport CompareWithNorms(const NormsDifferenceEntry& entry) {
    using F = NormsDifferenceField;
    const auto refuse = refused<NormsDifferenceReport, F>;
    const bool whole = !HasDecimals(entry.scale);
    for (const auto& [field, text, missing] : {std::tuple{F::ScoreX, &entry.x, kNoScoreX}, std::tuple{F::ScoreY, &entry.y, kNoScoreY}}) {
        const auto score = given(*text);
        if (!score) return refuse(told(field, missing));
        if (!held(*score)) return refuse(beyondRange(field));
        if (whole && std::nearbyint(*score) != *score) return refuse(told(field, kWholeScores));
    }
    const auto rxx = given(entry.reliabilityX), ryy = given(entry.reliabilityY), rxy = given(entry.correlation);
    if (!rxx) return refuse(told(F::ReliabilityX, kNoReliabilityX));
    if (!(*rxx > 0 && *rxx < 1)) return refuse(told(F::ReliabilityX, kBadReliabilityX));
    if (!ryy) return refuse(told(F::ReliabilityY, kNoReliabilityY));
    if (!(*ryy > 0 && *ryy < 1)) return refuse(told(F::ReliabilityY, kBadReliabilityY));
    if (!rxy) return refuse(told(F::Correlation, kNoCorrelation));
    if (!(*rxy > -1 && *rxy < 1)) return refuse(told(F::Correlation, kBadCorrelation));

    const double sd = ScaleSD(entry.scale);
    NormsDifferenceReport report;
    report.difference = DecimalDifference(entry.x, entry.y);
    if (!held(report.difference)) return refuse(beyondRange(F::ScoreX));
    if (!ShowableFigure(report.difference)) return refuse(told(F::ScoreX, kResultOutOfRange));
    // 2 - r_xx - r_yy and 2 - 2 r_xy as sums of 1 - r, which keep their digits for r near 1.
    report.critical = CriticalZ(entry.level) * sd * std::sqrt((1 - *rxx) + (1 - *ryy));
    report.significant = std::fabs(report.difference) >= report.critical;
    report.baseRate = 50 * TwoTailedP(report.difference / (sd * std::sqrt(2 * (1 - *rxy))), std::nullopt);
    report.differenceText = FormatFixed(report.difference, entry.scale == ScoreScale::ZScore ? 2 : 0);
    report.criticalText = FormatFixed(report.critical, 2);
    report.baseRateText = PercentileBoundText({report.baseRate, false}, 1);
    report.baseRateBothText = PercentileBoundText({2 * report.baseRate, false}, 1);
    return report;
}

ControlsDifferenceReport CompareWithControls(const ControlsDifferenceEntry& entry) {
    using F = ControlsDifferenceField;
    const auto refuse = refused<ControlsDifferenceReport, F>;
    const auto x = given(entry.x), y = given(entry.y), mx = given(entry.meanX), sx = given(entry.sdX), my = given(entry.meanY),
               sy = given(entry.sdY), r = given(entry.correlation);
    if (!x) return refuse(told(F::ScoreX, kNoScoreX));
    if (!y) return refuse(told(F::ScoreY, kNoScoreY));
    if (!mx) return refuse(told(F::MeanX, kNoMeanX));
    if (!sx) return refuse(told(F::SDX, kNoSDX));
    if (!(*sx > 0)) return refuse(told(F::SDX, kBadSDX));
    if (!my) return refuse(told(F::MeanY, kNoMeanY));
    if (!sy) return refuse(told(F::SDY, kNoSDY));
    if (!(*sy > 0)) return refuse(told(F::SDY, kBadSDY));
    if (!r) return refuse(told(F::Correlation, kNoCorrelation));
    if (!(*r > -1 && *r < 1)) return refuse(told(F::Correlation, kBadCorrelation));
    if (entry.sampleSize.empty()) return refuse(told(F::SampleSize, kNoSampleSize));
    const int n = ReadSampleSize(entry.sampleSize);
    if (n < kSmallestSample || n > kLargestSample) return refuse(told(F::SampleSize, kBadSampleSize));

    const std::pair<F, double> numbers[] = {{F::ScoreX, *x}, {F::ScoreY, *y}, {F::MeanX, *mx}, {F::SDX, *sx}, {F::MeanY, *my}, {F::SDY, *sy}};
    for (const auto& [field, v] : numbers)
        if (!held(v)) return refuse(beyondRange(field));
    ControlsDifferenceReport report;
    // The distances from the means in decimal, so a z that is exactly a half-step shows as typed.
    const double fromMeanX = DecimalDifference(entry.x, entry.meanX), fromMeanY = DecimalDifference(entry.y, entry.meanY);
    if (!held(fromMeanX)) return refuse(beyondRange(F::ScoreX));
    if (!held(fromMeanY)) return refuse(beyondRange(F::ScoreY));
    report.zX = fromMeanX / *sx;
    report.zY = fromMeanY / *sy;
    const double gap = report.zX - report.zY, nn = n;
    report.zdcc = gap / std::sqrt(2 * (1 - *r));
    // The revised standardized difference test: t^2 is the positive root of a t^4 + b t^2 + c = 0, here
    // written -2c / (b + sqrt(b^2 - 4ac)), the same root without the cancellation of -b + sqrt(...).
    const double a = (1 + *r) * (1 - *r) * (1 + *r);
    const double b = (1 - *r) * (4 * (nn - 1) * (nn - 1) + 4 * (1 + *r) * (nn - 1) + (1 + *r) * (5 + *r));
    const double c = -2 * gap * gap * nn * (nn - 1) * (nn - 1) / (nn + 1);
    report.t = std::copysign(std::sqrt(-2 * c / (b + std::sqrt(b * b - 4 * a * c))), gap);
    report.df = n - 1;
    report.p = TwoTailedP(report.t, report.df);
    report.moreExtreme = 50 * report.p;
    // Typed numbers keep far from the double's limits; only a file's extreme ones overflow on the way.
    for (const double v : {report.zX, report.zY, report.zdcc, report.t, report.p})
        if (!ShowableFigure(v)) return refuse(told(F::ScoreX, kResultOutOfRange));
    report.significant = report.p < alphaOf(entry.level);
    report.zXText = FormatFixed(report.zX, 2);
    report.zYText = FormatFixed(report.zY, 2);
    report.zdccText = FormatFixed(report.zdcc, 2);
    report.tText = FormatFixed(report.t, 2);
    report.pText = PValueText(report.p);
    report.moreExtremeText = PercentileBoundText({report.moreExtreme, false}, 2);
    return report;
}

}  // namespace modVelmora
