#pragma once

#include <algorithm>
#include <optional>
#include <string_view>

// A yes-or-no field of a CSV file, as velmora-cli and the norm sets file read Reverse.

namespace modVelmora {

// 1, true or yes; 0, false or no; any case, and empty reads as no. None for anything else.
inline std::optional<bool> ReadYesNo(std::string_view text) {
    const auto is = [text](std::string_view word) {
        return std::equal(text.begin(), text.end(), word.begin(), word.end(),
                          [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b; });
    };
    if (text.empty() || is("0") || is("false") || is("no")) return false;
    if (is("1") || is("true") || is("yes")) return true;
    return std::nullopt;
}

}  // namespace modVelmora
