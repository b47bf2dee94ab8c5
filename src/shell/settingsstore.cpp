#include "shell/settingsstore.h"

#include <QSettings>
#include <memory>

#include "shell/settingsrecord.h"

namespace modVelmora {

namespace {

constexpr const char* kApplication = "Velmora";
constexpr const char* kSection = "Parameters/";

std::unique_ptr<QSettings> store() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kApplication,
                                       kApplication);
}

StoreWriteObserver& observer() {
    static StoreWriteObserver watching;
    return watching;
}

void writeTo(QSettings& settings, const QString& key, const QString& text) {
    settings.setValue(kSection + key, text);
    if (observer()) observer()(key, text);
}

std::optional<QString> readFrom(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(kSection + key);
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

}  // namespace

std::optional<QString> ReadStoredValue(const QString& key) { return readFrom(*store(), key); }

void WriteStoredValue(const QString& key, const QString& text) { writeTo(*store(), key, text); }

void LoadSettings() {
    const auto settings = store();
    Settings() = ReadSettings([&](const char* key) -> std::optional<std::string> {
        const auto text = readFrom(*settings, QString::fromLatin1(key));
        if (!text) return std::nullopt;
        return text->toStdString();
    });
}

void SaveSettings() {
    const auto settings = store();
    for (const auto& [key, text] : SettingsToSave(Settings()))
        writeTo(*settings, QString::fromStdString(key), QString::fromStdString(text));
}

void ObserveStoreWrites(StoreWriteObserver watcher) { observer() = std::move(watcher); }

}  // namespace modVelmora
