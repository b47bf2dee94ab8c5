#include "shell/settings.h"

#include <QSettings>

namespace modVelmora {

namespace {

const QString kConvertFrom = QStringLiteral("Convert From");
const QString kConvertTo = QStringLiteral("Convert To");
const QString kDescriptiveLabels = QStringLiteral("Descriptive Labels");
const QString kIntervalScale = QStringLiteral("Interval Scale");
const QString kIntervalConfidence = QStringLiteral("Interval Confidence");
const QString kIntervalCentre = QStringLiteral("Interval Centre");
const QString kChangeConfidence = QStringLiteral("Change Confidence");
const QString kChangeReverse = QStringLiteral("Change Reverse");
const QString kDifferenceAgainst = QStringLiteral("Difference Against");
const QString kDifferenceScale = QStringLiteral("Difference Scale");
const QString kDifferenceConfidence = QStringLiteral("Difference Confidence");
const QString kProfileConfidence = QStringLiteral("Profile Confidence");
const QString kProfileCentre = QStringLiteral("Profile Centre");

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"), QStringLiteral("Velmora"));
}

QString inSection(const QString& key) { return QStringLiteral("Parameters/") + key; }

}  // namespace

std::optional<QString> Settings::read(const QString& key) const {
    const QVariant value = store().value(inSection(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

void Settings::write(const QString& key, const QString& text) {
    store().setValue(inSection(key), text);
    if (observer_) observer_(key, text);
}

void Settings::load() {
    record = ReadSettings([this](const char* key) -> std::optional<std::string> {
        const auto text = read(QString::fromLatin1(key));
        if (!text) return std::nullopt;
        return text->toStdString();
    });
}

void Settings::save() {
    for (const auto& [key, text] : SettingsToSave(record)) write(QString::fromStdString(key), QString::fromStdString(text));
}

namespace {

ScoreScale scaleIn(const std::optional<QString>& text, ScoreScale fallback) {
    const auto value = text ? ReadStoredWhole(text->toStdString(), 0, kScaleCount - 1) : std::nullopt;
    return value ? static_cast<ScoreScale>(*value) : fallback;
}

}  // namespace

ScoreScale Settings::convertFrom() const { return scaleIn(read(kConvertFrom), ScoreScale::ZScore); }

void Settings::setConvertFrom(ScoreScale scale) { write(kConvertFrom, QString::number(static_cast<int>(scale))); }

ScoreScale Settings::convertTo() const { return scaleIn(read(kConvertTo), ScoreScale::Percentile); }

void Settings::setConvertTo(ScoreScale scale) { write(kConvertTo, QString::number(static_cast<int>(scale))); }

LabelSystem Settings::labels() const {
    const auto text = read(kDescriptiveLabels);
    return text ? LabelSystemNamed(text->toStdString()).value_or(LabelSystem::Aacn) : LabelSystem::Aacn;
}

void Settings::setLabels(LabelSystem system) { write(kDescriptiveLabels, QString::fromLatin1(LabelSystemKey(system))); }

namespace {

// 90 or 95 as stored; anything else is the fallback.
ConfidenceLevel levelIn(const std::optional<QString>& text, ConfidenceLevel fallback) {
    return text == QStringLiteral("90") ? ConfidenceLevel::Ninety : text == QStringLiteral("95") ? ConfidenceLevel::NinetyFive : fallback;
}

}  // namespace

Settings::IntervalChoices Settings::intervalChoices() const {
    IntervalChoices choices;
    choices.scale = scaleIn(read(kIntervalScale), choices.scale);
    choices.level = levelIn(read(kIntervalConfidence), choices.level);
    if (const auto stored = read(kIntervalCentre)) choices.centre = IntervalCentreNamed(stored->toStdString()).value_or(choices.centre);
    return choices;
}

void Settings::setIntervalChoices(const IntervalChoices& choices) {
    write(kIntervalScale, QString::number(static_cast<int>(choices.scale)));
    write(kIntervalConfidence, QString::number(static_cast<int>(choices.level)));
    write(kIntervalCentre, QString::fromLatin1(IntervalCentreKey(choices.centre)));
}

Settings::ChangeChoices Settings::changeChoices() const {
    ChangeChoices choices;
    choices.level = levelIn(read(kChangeConfidence), choices.level);
    choices.reverse = read(kChangeReverse) == QStringLiteral("1");
    return choices;
}

void Settings::setChangeChoices(const ChangeChoices& choices) {
    write(kChangeConfidence, QString::number(static_cast<int>(choices.level)));
    write(kChangeReverse, choices.reverse ? QStringLiteral("1") : QStringLiteral("0"));
}

Settings::DifferenceChoices Settings::differenceChoices() const {
    DifferenceChoices choices;
    if (const auto stored = read(kDifferenceAgainst)) choices.against = DifferenceAgainstNamed(stored->toStdString()).value_or(choices.against);
    // The norms compare scores on a scale, never percentiles.
    choices.scale = scaleIn(read(kDifferenceScale), choices.scale);
    if (choices.scale == ScoreScale::Percentile) choices.scale = ScoreScale::StandardScore;
    choices.level = levelIn(read(kDifferenceConfidence), choices.level);
    return choices;
}

void Settings::setDifferenceChoices(const DifferenceChoices& choices) {
    write(kDifferenceAgainst, QString::fromLatin1(DifferenceAgainstKey(choices.against)));
    write(kDifferenceScale, QString::number(static_cast<int>(choices.scale)));
    write(kDifferenceConfidence, QString::number(static_cast<int>(choices.level)));
}

Settings::ProfileChoices Settings::profileChoices() const {
    ProfileChoices choices;
    choices.level = levelIn(read(kProfileConfidence), choices.level);
    if (const auto stored = read(kProfileCentre)) choices.centre = IntervalCentreNamed(stored->toStdString()).value_or(choices.centre);
    return choices;
}

void Settings::setProfileChoices(const ProfileChoices& choices) {
    write(kProfileConfidence, QString::number(static_cast<int>(choices.level)));
    write(kProfileCentre, QString::fromLatin1(IntervalCentreKey(choices.centre)));
}

}  // namespace modVelmora
