#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/confidence.h"
#include "common/refusal.h"

// The reliable change computation: whether the difference between a patient's
// test and retest scores is larger than the test's unreliability and the
// practice effect of a retest study explain. Four methods, each in double
// precision, each given only when the norms it needs are entered.

namespace modVelmora {

enum class ChangeField { Test, Retest, MeanTest, MeanRetest, SDTest, SDRetest, Correlation, SampleSize };

struct ChangeEntry {
    // As typed, each read by its numeric prefix; an empty text is not given.
    std::string test, retest;          // the patient's scores
    std::string meanTest, meanRetest;  // of the retest study: both or neither
    std::string sdTest, sdRetest;      // the SD at retest is optional
    std::string correlation;           // test-retest r, 0 < r < 1
    std::string sampleSize;            // of the retest study, optional, read as ReadSampleSize reads it
    ConfidenceLevel level = ConfidenceLevel::NinetyFive;
    bool reverse = false;  // low scores are good
};

enum class ChangeMethod { JacobsonTruax, Chelune, Iverson, CrawfordGarthwaite };

enum class Verdict { Improvement, Decline, NoChange };

// A result as shown: two decimals, p with three or "< 0.001"; written with ".".
struct MethodTexts {
    std::string expected, se, statistic, p, low, high;
};

struct MethodResult {
    ChangeMethod method;
    double expected;   // the retest score expected from the test score
    double se;         // of the difference from it
    double statistic;  // z, or t on df degrees of freedom; above 0 when the retest score is above the expected one
    double p;          // two-tailed
    std::optional<int> df;  // the regression's only
    Verdict verdict;        // Reverse already applied
    double low, high;       // retest scores from low to high are no reliable change at the level
    MethodTexts texts;
};

struct ChangeReport {
    std::optional<Refusal<ChangeField>> refusal;
    std::vector<MethodResult> methods;  // in ChangeMethod's order, those whose norms are given
};

ChangeReport ComputeReliableChange(const ChangeEntry& entry);

// English, translated where they are shown, in this context: "Jacobson & Truax (1991)", "Reliable decline".
inline constexpr const char* kChangeContext = "modVelmora::Change";
const char* MethodName(ChangeMethod method);
const char* VerdictText(Verdict verdict);

}  // namespace modVelmora
