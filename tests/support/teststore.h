#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The settings store as a test sees it: emptied before each case, read back after.
void ClearStore();
void Store(const QString& key, const QString& text);
std::optional<QString> Stored(const QString& key);

// Records every write to the store as "key=text" while it lives.
class StoreWriteLog {
public:
    StoreWriteLog();
    ~StoreWriteLog();
    QStringList writes;
};
