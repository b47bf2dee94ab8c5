#pragma once

#include "common/operation.h"
#include "rawscore/rawscore.h"

// The raw score as velmora-cli's command "score": the fields raw, mean, sd and the optional n,
// reverse and decimals, or a saved norm set named in norms for mean, sd, n and reverse.

namespace modVelmora {

// extended: the t-test's columns are wanted, so a sample size given brings the t-test.
RawScoreEntry ReadRawScoreEntry(const Fields& fields, bool extended, const FieldContext& context);
// The entry's fields as the computation reads them.
NamedTexts RawScoreFields(const RawScoreEntry& entry);
// The report's results by name; extended: the t-test's too, empty without it.
void NameRawScoreResults(const RawScoreReport& report, bool extended, LabelSystem labels, NamedTexts& results);

const Operation& RawScoreOperation();

}  // namespace modVelmora
