#pragma once

#include "change/reliablechange.h"
#include "common/operation.h"

// Reliable change as velmora-cli's command "change": the fields x1, x2, sd1 and r, and the
// optional sd2, m1, m2, n, level and reverse.

namespace modVelmora {

ChangeEntry ReadChangeEntry(const Fields& fields, const FieldContext& context);
NamedTexts ChangeFields(const ChangeEntry& entry);
void NameChangeResults(const ChangeReport& report, NamedTexts& results);

const Operation& ChangeOperation();

}  // namespace modVelmora
