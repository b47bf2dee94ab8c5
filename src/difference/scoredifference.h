#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/confidence.h"
#include "common/refusal.h"
#include "common/scales.h"

// The score difference: whether the difference between two scores of one person is larger than
// measurement error, and how rare it is. Against a test's norms, from the two scores'
// reliabilities and their correlation; or against a small control sample, by the revised
// standardized difference test (Crawford & Garthwaite, 2005). In double precision.

namespace modVelmora {

// English, translated where shown, in this context: "Significant difference", "No significant difference".
inline constexpr const char* kDifferenceContext = "modVelmora::Difference";
const char* DifferenceVerdictText(bool significant);

enum class NormsDifferenceField { ScoreX, ScoreY, ReliabilityX, ReliabilityY, Correlation };

// Two scores of one person on one scale, each read by its numeric prefix; an empty text is not given.
struct NormsDifferenceEntry {
    std::string x, y;
    ScoreScale scale = ScoreScale::StandardScore;  // any but the percentile
    std::string reliabilityX, reliabilityY;        // 0 < r < 1
    std::string correlation;                       // of X and Y in the norm sample, -1 < r < 1
    ConfidenceLevel level = ConfidenceLevel::NinetyFive;
};

struct NormsDifferenceReport {
    std::optional<Refusal<NormsDifferenceField>> refusal;
    double difference = 0;      // X - Y
    double critical = 0;        // the smallest |X - Y| that is significant at the level
    bool significant = false;
    double baseRate = 0;        // percent of the norm population with a difference at least this large, one way
    // Written with ".": the difference as typed (whole, two places on the z scale), the critical
    // difference with two places, the base rates with one ("< 0.1", "> 99.9" at the ends).
    std::string differenceText, criticalText, baseRateText, baseRateBothText;
};

NormsDifferenceReport CompareWithNorms(const NormsDifferenceEntry& entry);

enum class ControlsDifferenceField { ScoreX, ScoreY, MeanX, SDX, MeanY, SDY, Correlation, SampleSize };

// A patient's scores on two tasks and the control sample's statistics, each as typed.
struct ControlsDifferenceEntry {
    std::string x, y;
    std::string meanX, sdX, meanY, sdY;  // SDs above 0
    std::string correlation;             // of X and Y in the controls, -1 < r < 1
    std::string sampleSize;              // 3 to 9999, read as ReadSampleSize reads it
    ConfidenceLevel level = ConfidenceLevel::NinetyFive;
};

struct ControlsDifferenceReport {
    std::optional<Refusal<ControlsDifferenceField>> refusal;
    double zX = 0, zY = 0;
    double zdcc = 0;        // (zX - zY) / sqrt(2 - 2r)
    double t = 0;           // the revised standardized difference test, the sign of zX - zY
    int df = 0;             // n - 1
    double p = 0;           // two-tailed
    double moreExtreme = 0; // percent of controls with a more extreme difference the same way, 100 p / 2
    bool significant = false;
    // Written with ".": two places, p three ("< 0.001"), the percentage "< 0.01" below what two places show.
    std::string zXText, zYText, zdccText, tText, pText, moreExtremeText;
};

ControlsDifferenceReport CompareWithControls(const ControlsDifferenceEntry& entry);

}  // namespace modVelmora
