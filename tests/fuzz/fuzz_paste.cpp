// Any bytes pasted into the Score Profile's table, at any column: never a crash, every row read
// is an entry or a reason, and a row's entry is computed into a reason or into results whose
// interval is there exactly when the row has a reliability.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "profile/profilecells.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace modVelmora;
    if (size < 1) return 0;
    static const ScaleNames scales = {QStringList{"Percentile", "percentile", "Rang centile"}, {"Scaled Score", "scaled", "Wertpunkte"},
                                      {"Standard Score", "standard", "IQ-Wert"}, {"T-Score", "t"}, {"Z-Score", "z"}};
    static const ProfileColumnNames columns = {QStringList{"Test", "test"}, {"Score", "score"}, {"Scale", "scale"}, {"Reliability", "reliability"}};
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    ProfileEntry choices(static_cast<LabelSystem>(data[0] % 3));
    choices.decimals = data[0] % 5;
    const PastedRows pasted = ReadPastedRows(text, data[0] % 5, columns);
    if (pasted.rows.size() > std::size_t(text.count(u'\n') + text.count(u'\r') + 1)) std::abort();
    for (const ProfileCells& cells : pasted.rows) {
        const CellReading reading = ReadProfileCells(cells, scales, choices);
        if (reading.entry && reading.problem) std::abort();
        if (!reading.entry) continue;
        const ProfileReport report = ComputeProfileRow(*reading.entry);
        if (report.refusal) continue;
        if (report.standard.empty() || report.percentile.empty()) std::abort();
        if (report.low.empty() != reading.entry->reliability.empty() || report.high.empty() != report.low.empty()) std::abort();
    }
    return 0;
}
