// Any bytes read as a norms file: never a crash; whatever is accepted is written and read back
// unchanged, and the raw score window takes every set accepted without a refusal.
#include <cstdint>
#include <cstdlib>

#include "rawscore/normsets.h"
#include "rawscore/rawscore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto reading = modVelmora::ReadNormSets(QByteArrayView(data, qsizetype(size)));
    if (!reading.problem.isEmpty()) return 0;
    const auto again = modVelmora::ReadNormSets(modVelmora::WriteNormSets(reading.sets));
    if (!again.problem.isEmpty() || again.sets != reading.sets) std::abort();
    for (const modVelmora::NormSet& set : reading.sets) {
        const modVelmora::RawScoreEntry entry{"0", set.mean.toStdString(), set.sd.toStdString(), set.n.toStdString(), set.reverse,
                                              !set.n.isEmpty()};
        if (modVelmora::ScoreRawScore(entry).refusal) std::abort();
    }
    return 0;
}
