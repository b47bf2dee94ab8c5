#include "shell/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include "common/filewrite.h"

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

const QString kSection = QStringLiteral("Parameters");

#ifdef Q_OS_WIN

// The registry: Qt writes it, and says only that a write failed.
QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"), QStringLiteral("Velmora"));
}

std::optional<QString> readStored(const QString& key) {
    const QVariant value = store().value(kSection + u'/' + key);
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

QString writeStored(const Settings::Values& values) {
    QSettings settings = store();
    for (const auto& [key, text] : values) settings.setValue(kSection + u'/' + key, text);
    settings.sync();
    return settings.status() == QSettings::NoError ? QString() : FileErrorText(EACCES);
}

#else

// Velmora.conf in the INI form QSettings gives it, read and written here: QSettings moves an empty
// file over the old one when the disk is full and says nothing. Only the lines of the keys written
// change; every other line stays as it was.

QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Velmora/Velmora.conf");
}

// A key as QSettings writes it: letters, digits, "_", "-" and "." as they are, "/" as "\\", the rest "%XX" or "%UXXXX".
QByteArray escapedKey(const QString& key) {
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-' || u == '.')
            out += char(u);
        else if (u == '/')
            out += '\\';
        else
            out += (u <= 0xFF ? "%" + QByteArray::number(u, 16).toUpper().rightJustified(2, '0')
                              : "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0'));
    }
    return out;
}

QString unescapedKey(const QByteArray& text) {
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wide = text.mid(i, 2) == "%U";
        const qsizetype from = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
        bool ok = false;
        const uint code = text[i] == '%' && from + digits <= text.size() ? text.mid(from, digits).toUInt(&ok, 16) : 0;
        if (ok) {
            key += QChar(char16_t(code));
            i = from + digits - 1;
        } else {
            key += text[i] == '\\' ? QChar(u'/') : QChar::fromLatin1(text[i]);
        }
    }
    return key;
}

// The value of a line "key=value": blanks around it dropped, a quoted one unquoted.
QString valueOf(const QByteArray& line) {
    const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    if (value.size() < 2 || !value.startsWith('"') || !value.endsWith('"')) return QString::fromUtf8(value);
    return QString::fromUtf8(value.sliced(1, value.size() - 2)).replace(QStringLiteral("\\\""), QStringLiteral("\"")).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
}

// The lines of the file; the section of each is told by the last "[name]" before it.
struct Lines {
    QList<QByteArray> lines;
    // The line of key in the section, or the place where a new one goes (after the section's last line), or -1.
    qsizetype find(const QString& key, bool* found) const {
        bool inSection = false;
        qsizetype end = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (line.startsWith('[')) {
                inSection = line == '[' + kSection.toLatin1() + ']';
                if (inSection) end = i + 1;
            } else if (inSection && !line.isEmpty() && !line.startsWith(';') && line.contains('=')) {
                if (unescapedKey(line.left(line.indexOf('=')).trimmed()) == key) return *found = true, i;
                end = i + 1;
            }
        }
        *found = false;
        return end;
    }
};

Lines readLines(QString* failure = nullptr) {
    QFile file(storePath());
    Lines read;
    if (!file.exists()) return read;
    if (QFileInfo(file).isDir()) {
        if (failure) *failure = FileErrorText(EISDIR);
        return read;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (failure) *failure = file.errorString();
        return read;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError && failure) *failure = file.errorString();
    read.lines = bytes.split('\n');
    if (!read.lines.isEmpty() && read.lines.last().isEmpty()) read.lines.removeLast();
    return read;
}

std::optional<QString> readStored(const QString& key) {
    const Lines read = readLines();
    bool found = false;
    const qsizetype at = read.find(key, &found);
    if (!found) return std::nullopt;
    return valueOf(read.lines[at]);
}

QString writeStored(const Settings::Values& values) {
    QString failure = MakeFolder(QFileInfo(storePath()).absolutePath());
    // A file that cannot be read is not written over with these keys alone.
    Lines file = readLines(&failure);
    if (!failure.isEmpty()) return failure;
    for (const auto& [key, text] : values) {
        bool found = false;
        qsizetype at = file.find(key, &found);
        const QByteArray line = escapedKey(key) + '=' + text.toUtf8();
        if (found) {
            file.lines[at] = line;
            continue;
        }
        if (at < 0) {
            if (!file.lines.isEmpty() && !file.lines.last().trimmed().isEmpty()) file.lines << QByteArray();
            file.lines << '[' + kSection.toLatin1() + ']';
            at = file.lines.size();
        }
        file.lines.insert(at, line);
    }
    return WriteWholeFile(storePath(), file.lines.join('\n') + '\n');
}

#endif

}  // namespace

QString SettingsPath() {
#ifdef Q_OS_WIN
    return store().fileName();
#else
    return storePath();
#endif
}

std::optional<QString> Settings::read(const QString& key) const { return readStored(key); }

void Settings::write(const QString& key, const QString& text) { write({{key, text}}); }

void Settings::write(const Values& values, bool tellAgain) {
    const QString failure = writeStored(values);
    if (observer_)
        for (const auto& [key, text] : values) observer_(key, text);
    // Told once while the store stays unwritable, and again at exit when the whole record is lost.
    if (!failure.isEmpty() && tell_ && (!failing_ || tellAgain))
        tell_(QCoreApplication::translate("modVelmora::Settings", "The settings could not be saved to %1: %2.")
                  .arg(QDir::toNativeSeparators(SettingsPath()), failure));
    failing_ = !failure.isEmpty();
}

void Settings::load() {
    record = ReadSettings([this](const char* key) -> std::optional<std::string> {
        const auto text = read(QString::fromLatin1(key));
        if (!text) return std::nullopt;
        return text->toStdString();
    });
}

void Settings::save() {
    Values values;
    for (const auto& [key, text] : SettingsToSave(record)) values.emplace_back(QString::fromStdString(key), QString::fromStdString(text));
    write(values, true);
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
    write({{kIntervalScale, QString::number(static_cast<int>(choices.scale))},
           {kIntervalConfidence, QString::number(static_cast<int>(choices.level))},
           {kIntervalCentre, QString::fromLatin1(IntervalCentreKey(choices.centre))}});
}

Settings::ChangeChoices Settings::changeChoices() const {
    ChangeChoices choices;
    choices.level = levelIn(read(kChangeConfidence), choices.level);
    choices.reverse = read(kChangeReverse) == QStringLiteral("1");
    return choices;
}

void Settings::setChangeChoices(const ChangeChoices& choices) {
    write({{kChangeConfidence, QString::number(static_cast<int>(choices.level))},
           {kChangeReverse, choices.reverse ? QStringLiteral("1") : QStringLiteral("0")}});
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
    write({{kDifferenceAgainst, QString::fromLatin1(DifferenceAgainstKey(choices.against))},
           {kDifferenceScale, QString::number(static_cast<int>(choices.scale))},
           {kDifferenceConfidence, QString::number(static_cast<int>(choices.level))}});
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
