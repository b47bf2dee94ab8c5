#pragma once

#include "common/operation.h"
#include "interval/scoreinterval.h"

// The score interval as velmora-cli's command "interval": the fields score, scale and
// reliability, and the optional level, centre and decimals.

namespace modVelmora {

IntervalEntry ReadIntervalEntry(const Fields& fields, const FieldContext& context);
NamedTexts IntervalFields(const IntervalEntry& entry);
void NameIntervalResults(const IntervalReport& report, LabelSystem labels, NamedTexts& results);

const Operation& IntervalOperation();

}  // namespace modVelmora
