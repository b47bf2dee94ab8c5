#pragma once

#include "common/operation.h"
#include "interval/scoreinterval.h"

// The score interval as velmora-cli's command "interval": the fields score, scale and
// reliability, and the optional level, centre and decimals.

namespace modVelmora {

IntervalEntry ReadIntervalEntry(const Fields& fields, const FieldContext& context);
NamedTexts IntervalFields(const IntervalEntry& entry);
void NameIntervalResults(const IntervalReport& report, LabelSystem labels, NamedTexts& results);
// An interval's row as a report gives it: the score on its scale, its percentile and label and, where
// the row has one, the interval ("121 to 139"), cited in the sentence, with the confidence and the
// reliability in the details. Bounds on the standard scale (the score profile's) beside a score on
// another scale are named so, and the sentence leaves them out.
ReportLine IntervalReportLine(const Fields& fields, const QString& separator, bool boundsOnStandardScale = false);

const Operation& IntervalOperation();

}  // namespace modVelmora
