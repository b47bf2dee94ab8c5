// Any bytes read as a CSV file by each command, comma or semicolon separated: never a
// crash, and the output is CSV again whose every row has as many fields as its header.
#include <csv.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "age/dateparse.h"
#include "cli/commands.h"
#include "cli/csvtable.h"

namespace {

struct Widths {
    std::size_t fields = 0, header = 0;
    bool first = true;
};

void onField(void*, std::size_t, void* widths) { ++static_cast<Widths*>(widths)->fields; }
void onRowEnd(int, void* data) {
    auto& widths = *static_cast<Widths*>(data);
    if (widths.first) widths.header = widths.fields;
    else if (widths.fields != widths.header) std::abort();
    widths.first = false;
    widths.fields = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace modVelmora::cli;
    static const auto english = modVelmora::DateConventions::English();
    const modVelmora::FieldContext context{[](std::string_view text) { return modVelmora::ParseDate(text, english); },
                          std::chrono::year_month_day(std::chrono::year(2018), std::chrono::January, std::chrono::day(14)),
                          modVelmora::LabelSystem::Aacn, false, {}};
    // Each command, as a comma file and as a semicolon file with decimal commas and an option standing for a column.
    static const modVelmora::Fields defaults = [] {
        modVelmora::Fields given;
        given.byName = {{"mean", "100"}, {"from", "z"}, {"gestation", "30+2"}, {"scale", "t"}, {"sd1", "15"}};
        return given;
    }();
    for (const modVelmora::Operation* command : Commands())
    for (const bool european : {false, true}) {
        modVelmora::FieldContext row = context;
        row.decimalComma = european;
        const CsvFormat format{european ? ';' : ','};
        std::size_t offset = 0;
        std::string out;
        const CsvStreams streams{[&](char* buffer, std::size_t wanted) {
                                     const std::size_t n = std::min(wanted, size - offset);
                                     std::memcpy(buffer, data + offset, n);
                                     offset += n;
                                     return n;
                                 },
                                 [&](std::string_view text) { out += text; }, [](std::string_view) {}};
        try {
            RunCsv(*command, row, streams, format, european ? defaults : modVelmora::Fields{});
        } catch (const UsageError&) {
            continue;
        }
        csv_parser parser;
        csv_init(&parser, 0);
        csv_set_delim(&parser, static_cast<unsigned char>(format.delimiter));
        Widths widths;
        csv_parse(&parser, out.data(), out.size(), onField, onRowEnd, &widths);
        csv_fini(&parser, onField, onRowEnd, &widths);
        csv_free(&parser);
    }
    return 0;
}
