// Any entry converted between any two scales with any decimals: a converted
// result is always a finite number text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "converter/conversions.h"

namespace {

// An optional minus, digits, and at most one point: never "nan", "inf" or an exponent.
bool isNumberText(const std::string& text) {
    int digits = 0, points = 0;
    for (std::size_t i = text.rfind('-', 0) == 0 ? 1 : 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') ++digits;
        else if (text[i] == '.') ++points;
        else return false;
    }
    return digits > 0 && points <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    using modVelmora::ScoreScale;
    const auto from = static_cast<ScoreScale>(data[0] % modVelmora::kScaleCount);
    const auto to = static_cast<ScoreScale>(data[1] % modVelmora::kScaleCount);
    const unsigned decimals = data[2] % 5;
    modVelmora::ConversionEntry entry(modVelmora::LabelSystem::Aacn);
    entry.value.assign(reinterpret_cast<const char*>(data + 3), size - 3);
    entry.from = from;
    entry.to = to;
    entry.decimals = decimals;
    const auto report = modVelmora::ConvertScore(entry);
    if (!report.refusal && !isNumberText(report.answer)) std::abort();
    return 0;
}
