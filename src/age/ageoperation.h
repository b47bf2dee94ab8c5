#pragma once

#include "age/agecalculation.h"
#include "common/operation.h"

// The age as velmora-cli's command "age": the field birth, and the optional test (today when
// empty) and gestation (the corrected age).

namespace modVelmora {

AgeEntry ReadAgeEntry(const Fields& fields, const FieldContext& context);
// The dates as the computation read them, ISO 8601, and the gestation as typed.
NamedTexts AgeFields(const AgeEntry& entry, const AgeReport& report);
// extended: the corrected age's columns too.
void NameAgeResults(const AgeReport& report, bool extended, NamedTexts& results);

const Operation& AgeOperation();

}  // namespace modVelmora
