#include "shell/settingsrecord.h"

#include <algorithm>
#include <charconv>

namespace modVelmora {

std::optional<long> ReadStoredWhole(std::string_view text, long min, long max) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first == last || *first == '+') return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < min || value > max) return std::nullopt;
    return value;
}

SettingsRecord ReadSettings(const StoredValueReader& read) {
    SettingsRecord record;
    const auto whole = [&](const char* key, long min, long max, long fallback) {
        const auto text = read(key);
        return text ? ReadStoredWhole(*text, min, max).value_or(fallback) : fallback;
    };
    record.view = static_cast<std::uint8_t>(whole(kKeyView, 0, 255, record.view));
    record.useTTest = whole(kKeyUseTTest, 0, 255, record.useTTest) != 0 ? 1 : 0;
    record.numberOfDecimals = static_cast<std::uint8_t>(
        std::min<long>(whole(kKeyNumberOfDecimals, 0, 255, record.numberOfDecimals), kMaxDecimals));
    record.topCoordinates =
        static_cast<std::int16_t>(whole(kKeyTopCoordinates, INT16_MIN, INT16_MAX, record.topCoordinates));
    record.leftCoordinates =
        static_cast<std::int16_t>(whole(kKeyLeftCoordinates, INT16_MIN, INT16_MAX, record.leftCoordinates));
    return record;
}

std::vector<std::pair<std::string, std::string>> SettingsToSave(const SettingsRecord& record) {
    return {
        {kKeyView, std::to_string(record.view)},
        {kKeyNumberOfDecimals, std::to_string(record.numberOfDecimals)},
        {kKeyLeftCoordinates, std::to_string(record.leftCoordinates)},
        {kKeyTopCoordinates, std::to_string(record.topCoordinates)},
        {kKeyUseTTest, std::to_string(record.useTTest)},
    };
}

std::int16_t ClampToCoordinate(long twips) {
    return static_cast<std::int16_t>(std::clamp<long>(twips, INT16_MIN, INT16_MAX));
}

}  // namespace modVelmora
