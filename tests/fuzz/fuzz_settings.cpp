// A settings store full of arbitrary values: the record read is always in
// range, and saving it and reading it back gives the same record.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "shell/settingsrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace modVelmora;
    static const char* const keys[] = {kKeyView, kKeyUseTTest, kKeyNumberOfDecimals, kKeyTopCoordinates,
                                       kKeyLeftCoordinates};
    // The input is split at zero bytes into one text per key; a missing text is a missing key.
    std::map<std::string, std::string> store;
    std::string text;
    std::size_t key = 0;
    for (std::size_t i = 0; i <= size && key < 5; ++i) {
        if (i == size || data[i] == 0) {
            if (!text.empty() || i < size) store[keys[key]] = text;
            text.clear();
            ++key;
        } else {
            text += static_cast<char>(data[i]);
        }
    }
    const auto reader = [](const std::map<std::string, std::string>& values) {
        return [&values](const char* name) { return values.contains(name) ? std::optional(values.at(name)) : std::nullopt; };
    };
    const SettingsRecord record = ReadSettings(reader(store));
    if (record.numberOfDecimals > kMaxDecimals || record.useTTest > 1) std::abort();

    std::map<std::string, std::string> saved;
    for (const auto& [name, value] : SettingsToSave(record)) saved[name] = value;
    if (ReadSettings(reader(saved)) != record) std::abort();
    return 0;
}
