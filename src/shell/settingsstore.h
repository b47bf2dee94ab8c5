#pragma once

#include <QString>
#include <functional>
#include <optional>

// The per-user settings store: application "Velmora", section "Parameters"
// (the registry on Windows, ~/.config/Velmora/Velmora.conf on Linux).

namespace modVelmora {

std::optional<QString> ReadStoredValue(const QString& key);
void WriteStoredValue(const QString& key, const QString& text);

// Fills the Settings record from the store, with defaults where needed.
void LoadSettings();
// Writes the five shared keys in their saving order.
void SaveSettings();

// Reports every write to the store (tests check the order and number of writes).
using StoreWriteObserver = std::function<void(const QString& key, const QString& text)>;
void ObserveStoreWrites(StoreWriteObserver observer);

}  // namespace modVelmora
