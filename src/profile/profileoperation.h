#pragma once

#include "common/operation.h"
#include "profile/scoreprofile.h"

// A score profile's rows as velmora-cli's command "profile": the fields test, score and scale, and
// the optional reliability, level, centre and decimals, read and written as the score interval
// reads and writes them. The test's name is carried, not computed: a session keeps it in its
// own Test cell.

namespace modVelmora {

void NameProfileResults(const ProfileReport& report, LabelSystem labels, NamedTexts& results);

const Operation& ProfileOperation();

}  // namespace modVelmora
