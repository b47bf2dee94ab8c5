#include "profile/scoreprofile.h"

#include <QtGlobal>

#include "converter/conversions.h"

namespace modVelmora {

namespace {

const char* const kNoScore = QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter a score.");
const char* const kBeyondRange = QT_TRANSLATE_NOOP("modVelmora::Messages", "The score is too large to convert.");

ProfileReport refused(const Refusal<IntervalField>& refusal) {
    ProfileReport report;
    report.refusal = refusal;
    return report;
}

// The interval's report for the same entry: its percentile, standard score and label, and its
// bounds written on the standard scale as it writes a bound on any scale.
ProfileReport withInterval(const ProfileEntry& entry) {
    const IntervalReport shown = ComputeScoreInterval(entry);
    if (shown.refusal) return refused(*shown.refusal);
    ProfileReport report;
    report.percentile = shown.scores[static_cast<std::size_t>(ScoreScale::Percentile)];
    report.standard = shown.scores[static_cast<std::size_t>(ScoreScale::StandardScore)];
    report.z = shown.z;
    report.label = shown.label;
    report.low = IntervalBoundText(ScoreScale::StandardScore, shown.zLow, entry.decimals);
    report.high = IntervalBoundText(ScoreScale::StandardScore, shown.zHigh, entry.decimals);
    return report;
}

// The converter's answers for the same entry, to a percentile and to a standard score.
ProfileReport converted(const ProfileEntry& entry) {
    ConversionEntry conversion(entry.labels);
    conversion.value = entry.score;
    conversion.from = entry.scale;
    conversion.decimals = entry.decimals;
    ProfileReport report;
    for (const ScoreScale to : {ScoreScale::Percentile, ScoreScale::StandardScore}) {
        conversion.to = to;
        const ConversionReport answer = ConvertScore(conversion);
        if (const auto& refusal = answer.refusal)
            return refused({IntervalField::Score, refusal->notice, refusal->message, refusal->emptiesEntry, refusal->results});
        (to == ScoreScale::Percentile ? report.percentile : report.standard) = answer.answer;
        report.z = answer.z;
        report.label = answer.label;
    }
    return report;
}

}  // namespace

ProfileReport ComputeProfileRow(const ProfileEntry& entry) {
    if (entry.score.empty()) return refused({IntervalField::Score, Notice::Information, kNoScore});
    return entry.reliability.empty() ? converted(entry) : withInterval(entry);
}

const char* ProfileRefusalMessage(const Refusal<IntervalField>& refusal) { return refusal.message ? refusal.message : kBeyondRange; }

}  // namespace modVelmora
