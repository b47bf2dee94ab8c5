#pragma once

#include <QString>
#include <string_view>

#include "common/fields.h"

namespace modVelmora {

// A result a window has just shown, as the session keeps it: its operation's command word, the
// entry and the results in the window's words, the entry's fields followed by the results' columns,
// and the test's name where the window has one.
struct CalculatedResult {
    std::string_view command;
    QString entry, results;
    NamedTexts fields;
    QString test = {};
};

}  // namespace modVelmora
