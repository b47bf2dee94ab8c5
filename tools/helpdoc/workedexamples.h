#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "common/fields.h"
#include "interval/scoreinterval.h"

// The manual's worked examples are written as placeholders that the program's own operations
// fill in when the manual is built, with velmora-cli's commands, fields and columns:
//   {{COMMAND NAME=VALUE ... : TEMPLATE}}   the command on those fields ("labels=wechsler" chooses the
//                                           descriptive labels, AACN otherwise; "against=controls" the
//                                           operation of a command that has several); the template with each
//                                           $column replaced by that result ("$ci_low to $ci_high")
//   {{no-change NAME=VALUE ... : PREFIX}}   reliable change on those fields: the range of retest scores
//                                           that is no reliable change by the method of that column prefix
//   {{bell-curve NAME=VALUE ...}}           the score interval's bell curve, a Markdown image of a picture listed
//   {{profile-picture}}                     the profile of the tests of the profile examples since the last one
//                                           (each test once), a Markdown image of a picture listed
//   {{columns COMMAND required|optional|results|extended}}  the command's columns, for the manual page;
//                                           {{columns COMMAND OPTION=VALUE KIND}} those of the operation the
//                                           option chooses (difference against=controls)
//   {{calc KEYS}}                           the calculator's display after the keys
//   {{version}}                             the program's version

namespace helpdoc {

struct UnknownPlaceholder : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A bell curve the manual shows: the interval and the scale of its entry, drawn under the name
// its image refers to.
struct Picture {
    std::string name;
    modVelmora::IntervalReport report;
    modVelmora::ScoreScale scale;
};

// A score profile the manual shows: each row's test and the profile's results, drawn under the name
// its image refers to.
struct ProfilePicture {
    std::string name;
    std::vector<std::pair<std::string, modVelmora::NamedTexts>> rows;
};

struct FilledManual {
    std::string text;
    std::vector<Picture> pictures;
    std::vector<ProfilePicture> profiles;
    std::vector<std::pair<std::string, modVelmora::NamedTexts>> profileRows;  // tests filled since the last profile picture
};

// Replaces every placeholder; throws UnknownPlaceholder for one it cannot fill.
FilledManual FillWorkedExamples(const std::string& text, const std::string& version);

}  // namespace helpdoc
