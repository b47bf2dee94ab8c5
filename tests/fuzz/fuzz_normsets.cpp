// Any bytes read as a norms file: never a crash; whatever is accepted is written and read back
// unchanged, the raw score window takes every set accepted without a refusal, and a row scored with
// a set names it and its source in its report line.
#include <cstdint>
#include <cstdlib>

#include "rawscore/normsets.h"
#include "rawscore/rawscoreoperation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace modVelmora;
    const auto reading = ReadNormSets(QByteArrayView(data, qsizetype(size)));
    if (!reading.problem.isEmpty()) return 0;
    const auto again = ReadNormSets(WriteNormSets(reading.sets));
    if (!again.problem.isEmpty() || again.sets != reading.sets) std::abort();
    for (const NormSet& set : reading.sets) {
        const FieldContext context{{}, {}, LabelSystem::Aacn, false, [&](std::string_view) { return NormSetFields(set); }};
        NamedTexts row;
        row.add("raw", "0");
        row.add("norms", set.name.toStdString());
        const RawScoreEntry entry = ReadRawScoreEntry(Fields(row), !set.n.isEmpty(), context);
        const RawScoreReport report = ScoreRawScore(entry);
        if (report.refusal) std::abort();
        NamedTexts fields = RawScoreFields(entry);
        NameRawScoreResults(report, entry.useTTest, LabelSystem::Aacn, fields);
        const ReportLine line = RawScoreOperation().reportLine(Fields(fields), QStringLiteral("."));
        if (!line.score.contains(set.name) || !line.details.contains(set.source)) std::abort();
    }
    return 0;
}
