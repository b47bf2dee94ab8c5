#include "change/reliablechange.h"

#include <QtGlobal>
#include <cmath>
#include <utility>

#include "rawscore/rawscore.h"
#include "stats/numbers.h"
#include "stats/tails.h"

namespace modVelmora {

namespace {

const char* const kNoTest = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the test score.");
const char* const kNoRetest = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the retest score.");
const char* const kLoneMean =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter both means of the retest study, or neither.");
const char* const kNoSDTest = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the SD at test.");
const char* const kSDTestNotPositive = QT_TRANSLATE_NOOP("modVelmora::Messages", "The SD at test must be greater than 0.");
const char* const kSDRetestNotPositive =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The SD at retest must be greater than 0.");
const char* const kBadCorrelation = QT_TRANSLATE_NOOP(
    "modVelmora::Messages", "Please enter a test–retest correlation greater than 0 and less than 1.");
const char* const kBadSampleSize =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The size of the retest sample must be from 3 to 9999.");
// The regression's t has n - 2 degrees of freedom; the box holds four digits.
constexpr int kSmallestSample = 3, kLargestSample = 9999;

// Indexed by ChangeMethod.
const char* const kMethodNames[] = {
    QT_TRANSLATE_NOOP("modVelmora::Change", "Jacobson & Truax (1991)"),
    QT_TRANSLATE_NOOP("modVelmora::Change", "Chelune et al. (1993)"),
    QT_TRANSLATE_NOOP("modVelmora::Change", "Iverson (2001)"),
    QT_TRANSLATE_NOOP("modVelmora::Change", "Crawford & Garthwaite (2007)"),
};
// Indexed by Verdict.
const char* const kVerdicts[] = {
    QT_TRANSLATE_NOOP("modVelmora::Change", "Reliable improvement"),
    QT_TRANSLATE_NOOP("modVelmora::Change", "Reliable decline"),
    QT_TRANSLATE_NOOP("modVelmora::Change", "No reliable change"),
};

using Refused = Refusal<ChangeField>;

Refused told(ChangeField field, const char* message) {
    return {field, Notice::Information, message, false, ShownResults::EmptiedFirst};
}

std::optional<double> given(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return ReadNumericPrefix(text);
}

// A method before its test: the retest score it expects, X2's distance from
// that, the SE of the distance and, for t, the degrees of freedom.
struct Terms {
    ChangeMethod method;
    double expected, deviation, se;
    std::optional<int> df;
};

// None when a value cannot be shown (extreme entries).
std::optional<MethodResult> tested(const Terms& terms, double alpha, bool reverse) {
    MethodResult result{terms.method, terms.expected, terms.se, terms.deviation / terms.se, 0, terms.df,
                        Verdict::NoChange, 0, 0, {}};
    result.p = TwoTailedP(result.statistic, terms.df);
    const double critical = TwoTailedCritical(alpha, terms.df);
    result.low = terms.expected - critical * terms.se;
    result.high = terms.expected + critical * terms.se;
    for (const double v : {result.expected, result.se, result.statistic, result.p, result.low, result.high})
        if (!ShowableFigure(v)) return std::nullopt;
    // A retest score above the expected one is better, unless low scores are good.
    if (result.p < alpha)
        result.verdict = (result.statistic > 0) != reverse ? Verdict::Improvement : Verdict::Decline;
    result.texts = {FormatFixed(result.expected, 2), FormatFixed(result.se, 2), FormatFixed(result.statistic, 2),
                    PValueText(result.p), FormatFixed(result.low, 2), FormatFixed(result.high, 2)};
    return result;
}

}  // namespace

const char* MethodName(ChangeMethod method) { return kMethodNames[static_cast<int>(method)]; }

const char* VerdictText(Verdict verdict) { return kVerdicts[static_cast<int>(verdict)]; }

ChangeReport ComputeReliableChange(const ChangeEntry& entry) {
    ChangeReport report;
    const auto refuse = [&](Refused refusal) {
        report.refusal = refusal;
        report.methods.clear();
        return report;
    };
    using F = ChangeField;
    const auto x1 = given(entry.test), x2 = given(entry.retest);
    if (!x1) return refuse(told(F::Test, kNoTest));
    if (!x2) return refuse(told(F::Retest, kNoRetest));
    const auto m1 = given(entry.meanTest), m2 = given(entry.meanRetest);
    if (m1 && !m2) return refuse(told(F::MeanRetest, kLoneMean));
    if (m2 && !m1) return refuse(told(F::MeanTest, kLoneMean));
    const auto s1 = given(entry.sdTest), s2 = given(entry.sdRetest);
    if (!s1) return refuse(told(F::SDTest, kNoSDTest));
    if (!(*s1 > 0)) return refuse(told(F::SDTest, kSDTestNotPositive));
    if (s2 && !(*s2 > 0)) return refuse(told(F::SDRetest, kSDRetestNotPositive));
    const auto r = given(entry.correlation);
    if (!r || !(*r > 0 && *r < 1)) return refuse(told(F::Correlation, kBadCorrelation));
    std::optional<int> n;
    if (!entry.sampleSize.empty()) {
        n = ReadSampleSize(entry.sampleSize);
        if (*n < kSmallestSample || *n > kLargestSample) return refuse(told(F::SampleSize, kBadSampleSize));
    }

    const double practice = m1 ? *m2 - *m1 : 0;
    const double seDifference = *s1 * std::sqrt(2.0) * std::sqrt(1 - *r);
    std::vector<Terms> terms{{ChangeMethod::JacobsonTruax, *x1, *x2 - *x1, seDifference, std::nullopt}};
    if (m1) terms.push_back({ChangeMethod::Chelune, *x1 + practice, *x2 - *x1 - practice, seDifference, std::nullopt});
    if (s2) {
        const double se = std::sqrt((*s1 * *s1 + *s2 * *s2) * (1 - *r));
        terms.push_back({ChangeMethod::Iverson, *x1 + practice, *x2 - *x1 - practice, se, std::nullopt});
    }
    if (m1 && s2 && n) {
        // The retest score predicted from the study's regression of retest on test.
        const double slope = *r * *s2 / *s1, nn = *n, fromMean = *x1 - *m1;
        const double predicted = *m2 + slope * fromMean;
        // 1 - r^2 as (1 - r)(1 + r), which keeps its digits for r near 1.
        const double se = *s2 * std::sqrt((1 - *r) * (1 + *r) * (nn - 1) / (nn - 2)) *
                          std::sqrt(1 + 1 / nn + fromMean * fromMean / (*s1 * *s1 * (nn - 1)));
        terms.push_back({ChangeMethod::CrawfordGarthwaite, predicted, *x2 - predicted, se, *n - 2});
    }

    const double alpha = entry.level == ConfidenceLevel::NinetyFive ? 0.05 : 0.10;
    for (const Terms& method : terms) {
        auto result = tested(method, alpha, entry.reverse);
        // Typed numbers are always finite; only extreme ones pasted from a file overflow on the way.
        if (!result) return refuse({F::Test, Notice::Information, kResultOutOfRange, false, ShownResults::EmptiedFirst});
        report.methods.push_back(std::move(*result));
    }
    return report;
}

}  // namespace modVelmora
