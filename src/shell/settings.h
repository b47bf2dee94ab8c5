#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "common/confidence.h"
#include "common/labels.h"
#include "common/scales.h"
#include "shell/settingsrecord.h"

// The user's settings, in the per-user store of application "Velmora",
// section "Parameters" (the registry on Windows, ~/.config/Velmora/Velmora.conf
// on Linux). The program owns one and hands it to the windows that need it.

namespace modVelmora {

class Settings {
public:
    // The shared values: read at start, changed in memory, written once at exit.
    SettingsRecord record;

    // Fills the record from the store, with defaults where needed.
    void load();
    // Writes the record's five keys in their saving order.
    void save();

    // The converter's two scales, written at once on every change. A stored
    // value that is not "0" to "4" (a damaged store) reads as the default.
    ScoreScale convertFrom() const;
    void setConvertFrom(ScoreScale scale);
    ScoreScale convertTo() const;
    void setConvertTo(ScoreScale scale);

    // The descriptive labels shown beside scores, written at once; a missing or
    // unknown value reads as AACN 2020.
    LabelSystem labels() const;
    void setLabels(LabelSystem system);

    // The score interval window's choices, the reliable change window's and the score difference window's, written at once;
    // a missing or damaged value reads as its default.
    struct IntervalChoices {
        ScoreScale scale = ScoreScale::StandardScore;
        ConfidenceLevel level = ConfidenceLevel::NinetyFive;
        IntervalCentre centre = IntervalCentre::Obtained;
    };
    IntervalChoices intervalChoices() const;
    void setIntervalChoices(const IntervalChoices& choices);
    struct ChangeChoices {
        ConfidenceLevel level = ConfidenceLevel::NinetyFive;
        bool reverse = false;
    };
    ChangeChoices changeChoices() const;
    void setChangeChoices(const ChangeChoices& choices);
    // The Score Difference window's: against the test's norms or a control sample, the scale of the norms' scores.
    struct DifferenceChoices {
        DifferenceAgainst against = DifferenceAgainst::Norms;
        ScoreScale scale = ScoreScale::StandardScore;
        ConfidenceLevel level = ConfidenceLevel::NinetyFive;
    };
    DifferenceChoices differenceChoices() const;
    void setDifferenceChoices(const DifferenceChoices& choices);
    // The Score Profile window's: the confidence and centre of every row's interval.
    struct ProfileChoices {
        ConfidenceLevel level = ConfidenceLevel::NinetyFive;
        IntervalCentre centre = IntervalCentre::Obtained;
    };
    ProfileChoices profileChoices() const;
    void setProfileChoices(const ProfileChoices& choices);

    // Reports every write to the store as it happens (tests check their order and number).
    using WriteObserver = std::function<void(const QString& key, const QString& text)>;
    void observeWrites(WriteObserver observer) { observer_ = std::move(observer); }

private:
    std::optional<QString> read(const QString& key) const;
    void write(const QString& key, const QString& text);

    WriteObserver observer_;
};

}  // namespace modVelmora
