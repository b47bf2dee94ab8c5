#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The shared settings, kept in memory for the run and written to the
// per-user store once, at exit.

namespace modVelmora {

inline constexpr const char* kKeyView = "View";
inline constexpr const char* kKeyUseTTest = "UseTTest";
inline constexpr const char* kKeyNumberOfDecimals = "Number of Decimals";
inline constexpr const char* kKeyTopCoordinates = "Top Coordinates";
inline constexpr const char* kKeyLeftCoordinates = "Left Coordinates";

inline constexpr unsigned kMaxDecimals = 4;

struct SettingsRecord {
    std::int16_t topCoordinates = 729;   // twips
    std::int16_t leftCoordinates = 729;  // twips
    std::uint8_t numberOfDecimals = 1;
    std::uint8_t useTTest = 0;
    std::uint8_t view = 1;
    bool operator==(const SettingsRecord&) const = default;
};

// A stored text as a whole number in [min, max]: an optional "-" and digits.
std::optional<long> ReadStoredWhole(std::string_view text, long min, long max);

// The record as read from a store, which gives the stored text of a key or
// none. A value that is not a whole number in its field's range takes the
// key's default; decimals above 4 are used as 4 and any t-test value other
// than 0 as 1, so a hand-edited store cannot stop the program.
using StoredValueReader = std::function<std::optional<std::string>(const char* key)>;
SettingsRecord ReadSettings(const StoredValueReader& read);

// The five keys and their decimal texts, in the order they are saved.
std::vector<std::pair<std::string, std::string>> SettingsToSave(const SettingsRecord& record);

// A twips position brought into the range a 16-bit field can hold.
std::int16_t ClampToCoordinate(long twips);

}  // namespace modVelmora
