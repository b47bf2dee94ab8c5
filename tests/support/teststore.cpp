#include "teststore.h"

#include <QSettings>

#include "shell/settingsstore.h"

void ClearStore() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Velmora");
    settings.clear();
    settings.sync();
}

void Store(const QString& key, const QString& text) { modVelmora::WriteStoredValue(key, text); }

std::optional<QString> Stored(const QString& key) { return modVelmora::ReadStoredValue(key); }

StoreWriteLog::StoreWriteLog() {
    modVelmora::ObserveStoreWrites([this](const QString& key, const QString& text) { writes << key + "=" + text; });
}

StoreWriteLog::~StoreWriteLog() { modVelmora::ObserveStoreWrites(nullptr); }
