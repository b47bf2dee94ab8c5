#include "common/confidence.h"

#include <QtGlobal>

#include "stats/tails.h"

namespace modVelmora {

namespace {

// Indexed by IntervalCentre.
const char* const kCentreNames[] = {QT_TRANSLATE_NOOP("modVelmora::Interval", "Obtained score"),
                                    QT_TRANSLATE_NOOP("modVelmora::Interval", "Estimated true score")};

}  // namespace

double CriticalZ(ConfidenceLevel level) {
    static const double ninety = NormalQuantile(0.95), ninetyFive = NormalQuantile(0.975);
    return level == ConfidenceLevel::Ninety ? ninety : ninetyFive;
}

const char* IntervalCentreName(IntervalCentre centre) { return kCentreNames[static_cast<int>(centre)]; }

const char* IntervalCentreKey(IntervalCentre centre) { return centre == IntervalCentre::EstimatedTrue ? "true" : "obtained"; }

std::optional<IntervalCentre> IntervalCentreNamed(std::string_view key) {
    for (const IntervalCentre centre : {IntervalCentre::Obtained, IntervalCentre::EstimatedTrue})
        if (key == IntervalCentreKey(centre)) return centre;
    return std::nullopt;
}

const char* DifferenceAgainstKey(DifferenceAgainst against) { return against == DifferenceAgainst::Controls ? "controls" : "norms"; }

std::optional<DifferenceAgainst> DifferenceAgainstNamed(std::string_view key) {
    for (const DifferenceAgainst against : {DifferenceAgainst::Norms, DifferenceAgainst::Controls})
        if (key == DifferenceAgainstKey(against)) return against;
    return std::nullopt;
}

}  // namespace modVelmora
