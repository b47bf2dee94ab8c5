#pragma once

#include <QStringList>

namespace modVelmora {

// velmora-cli's columns for the session's CSV: score, convert, age, interval and change in turn, each
// command's own columns then its results (all of them, labels included), a shared name where it first comes
// and a name one command has twice twice.
QStringList CliColumnOrder();

}  // namespace modVelmora
