#pragma once

#include "common/operation.h"
#include "difference/scoredifference.h"

// The score difference as velmora-cli's command "difference", one operation for each choice of
// --against: norms, with the fields x, y, scale, rxx, ryy and rxy; controls, with x, y, mx, sx, my,
// sy, r and n; each with the optional level.

namespace modVelmora {

NormsDifferenceEntry ReadNormsDifferenceEntry(const Fields& fields, const FieldContext& context);
NamedTexts NormsDifferenceFields(const NormsDifferenceEntry& entry);
void NameNormsDifferenceResults(const NormsDifferenceReport& report, NamedTexts& results);

ControlsDifferenceEntry ReadControlsDifferenceEntry(const Fields& fields, const FieldContext& context);
NamedTexts ControlsDifferenceFields(const ControlsDifferenceEntry& entry);
void NameControlsDifferenceResults(const ControlsDifferenceReport& report, NamedTexts& results);

const Operation& DifferenceOperation(DifferenceAgainst against);

}  // namespace modVelmora
