// Typed and pasted text read as a number, and numbers shown in every form:
// a reading is always finite and every shown form is a number text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rawscore/rawscore.h"
#include "stats/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = modVelmora::ReadNumericPrefix(text);
    if (!std::isfinite(value)) std::abort();
    modVelmora::ReadSampleSize(text);
    for (unsigned places = 0; places <= 4; ++places) {
        const std::string shown = modVelmora::FormatPlaces(value, places);
        if (shown.empty() || shown.find_first_not_of("-0123456789.") != std::string::npos) std::abort();
    }
    const std::string general = modVelmora::FormatGeneral(value, 15);
    if (general.empty() || general.find_first_not_of("-0123456789.E+") != std::string::npos) std::abort();
    return 0;
}
