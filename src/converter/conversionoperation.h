#pragma once

#include "common/operation.h"
#include "converter/conversions.h"

// The score converter as velmora-cli's command "convert": the fields value, from and to, and the
// optional decimals.

namespace modVelmora {

// A scale's field: percentile, scaled, standard, t or z, in any letter case.
ScoreScale ScaleField(const Fields& fields, std::string_view name);

ConversionEntry ReadConversionEntry(const Fields& fields, const FieldContext& context);
NamedTexts ConversionFields(const ConversionEntry& entry);
void NameConversionResults(const ConversionReport& report, LabelSystem labels, NamedTexts& results);

const Operation& ConversionOperation();

}  // namespace modVelmora
