// The calculator driven by a stream of keys: the display is always a number
// text or one of its two errors, and an integer entry never grows past the
// sixteen digits it holds.
#include <cstdint>
#include <cstdlib>

#include "calculator/calculatorengine.h"

using modVelmora::CalculatorEngine;
using modVelmora::CalculatorKey;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int keyCount = static_cast<int>(CalculatorKey::MemoryAdd) + 1;
    CalculatorEngine engine;
    for (std::size_t i = 0; i < size; ++i) {
        const auto key = static_cast<CalculatorKey>(data[i] % keyCount);
        const std::string before = engine.number();
        engine.press(key);
        const std::string& display = engine.number();
        const bool number = engine.state() == modVelmora::DisplayState::Number;
        if (number != !display.empty() || (number && display != "-" && !modVelmora::CalculatorNumber(display))) std::abort();
        // A digit typed into the integer part leaves at most sixteen characters there, a minus sign
        // included; after the point, as after a computed result's long integer part, it is appended.
        const auto integerPart = [](const std::string& text) { return text.substr(0, text.find('.')); };
        const bool typedIntoIntegerPart = key <= CalculatorKey::Digit9 && display.find('.') != std::string::npos &&
                                          integerPart(display) != integerPart(before);
        if (typedIntoIntegerPart && integerPart(display).size() > 16) std::abort();
    }
    return 0;
}
