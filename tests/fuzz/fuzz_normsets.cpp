// Any bytes read as a norms file: never a crash; whatever is accepted is written and read back
// unchanged, and the raw score window takes every set accepted without a refusal.
#include <cstdint>
#include <cstdlib>

#include "rawscore/normsets.h"
#include "rawscore/rawscoreoperation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto reading = modVelmora::ReadNormSets(QByteArrayView(data, qsizetype(size)));
    if (!reading.problem.isEmpty()) return 0;
    const auto again = modVelmora::ReadNormSets(modVelmora::WriteNormSets(reading.sets));
    if (!again.problem.isEmpty() || again.sets != reading.sets) std::abort();
    const modVelmora::FieldContext context{{}, {}, modVelmora::LabelSystem::Aacn, false, {}};
    for (const modVelmora::NormSet& set : reading.sets) {
        modVelmora::NamedTexts fields;
        fields.add("raw", "0");
        fields.add("mean", set.mean.toStdString());
        fields.add("sd", set.sd.toStdString());
        fields.add("n", set.n.toStdString());
        fields.add("reverse", set.reverse ? "1" : "0");
        const auto entry = modVelmora::ReadRawScoreEntry(modVelmora::Fields(fields), !set.n.isEmpty(), context);
        if (modVelmora::ScoreRawScore(entry).refusal) std::abort();
    }
    return 0;
}
