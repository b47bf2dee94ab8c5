// The calculator driven by a stream of keys: the display is always a number
// text or one of its two errors, and typing never makes an integer entry
// longer than its sixteen digits allow.
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
        const auto response = engine.press(key);
        const std::string& display = engine.number();
        const bool number = engine.state() == modVelmora::DisplayState::Number;
        if (number != !display.empty() || (number && display != "-" && !modVelmora::CalculatorNumber(display))) std::abort();
        // Sixteen integer digits at most, with a minus sign before them.
        const bool typedDigit = key <= CalculatorKey::Digit9 && response == CalculatorEngine::Response::Done;
        if (typedDigit && display.find('.') != std::string::npos && display.find('.') > 17) std::abort();
    }
    return 0;
}
