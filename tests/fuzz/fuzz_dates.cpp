// Any text read as a date in English, German, French or Spanish: a reading is always a real calendar
// date; and as a gestation at birth: a reading always lies within 22+0 and 44+6 weeks.
#include <QLocale>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "age/agecalculation.h"
#include "age/datetext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const modVelmora::DateConventions monthFirst = modVelmora::DateConventions::English();
    static const auto inOrder = [](modVelmora::DateOrder order) {
        auto conventions = modVelmora::DateConventions::English();
        conventions.order = order;
        return conventions;
    };
    static const modVelmora::DateConventions dayFirst = inOrder(modVelmora::DateOrder::DayMonthYear);
    static const modVelmora::DateConventions yearFirst = inOrder(modVelmora::DateOrder::YearMonthDay);
    static const modVelmora::DateConventions german = modVelmora::ConventionsFor(QLocale(QLocale::German));
    static const modVelmora::DateConventions french = modVelmora::ConventionsFor(QLocale(QLocale::French));
    static const modVelmora::DateConventions spanish = modVelmora::ConventionsFor(QLocale(QLocale::Spanish));
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const auto* conventions : {&monthFirst, &dayFirst, &yearFirst, &german, &french, &spanish}) {
        const auto date = modVelmora::ParseDate(text, *conventions);
        if (date && (!date->ok() || int(date->year()) < 1000 || int(date->year()) > 9999)) std::abort();
    }
    const auto gestation = modVelmora::ReadGestation(text);
    if (gestation && (gestation->weeks < 22 || gestation->weeks > 44 || gestation->days < 0 || gestation->days > 6)) std::abort();
    return 0;
}
