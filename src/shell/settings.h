#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "common/confidence.h"
#include "common/labels.h"
#include "common/scales.h"
#include "shell/settingsrecord.h"

// The user's settings, in the per-user store of application "Velmora",
// section "Parameters" (the registry on Windows, ~/.config/Velmora/Velmora.conf
// on Linux). The program owns one and hands it to the windows that need it.

namespace modVelmora {

// Where the settings are kept: Velmora.conf, or on Windows the registry key.
QString SettingsPath();

class Settings {
public:
    // The shared values: read at start, changed in memory, written once at exit.
    SettingsRecord record;

    // Fills the record from the store, with defaults where needed.
    void load();
    // Writes the record's five keys in their saving order; a failure is told even when one was told before.
    void save();

    // Every write is written whole or not at all; tell is given the message when one fails, once
    // while the store stays unwritable (the program shows it).
    void tellFailures(std::function<void(const QString& message)> tell) { tell_ = std::move(tell); }
    using Values = std::vector<std::pair<QString, QString>>;

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
    // The keys at once, in one write of the store; tellAgain tells a failure even while the store stays unwritable.
    void write(const Values& values, bool tellAgain = false);

    WriteObserver observer_;
    std::function<void(const QString& message)> tell_;
    bool failing_ = false;
};

}  // namespace modVelmora
