#pragma once

#include <QDateTime>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "session/sessionrecord.h"

// A result a window calculated, as a session row: velmora-cli computes it again from the
// window's entries, so that the session's CSV has velmora-cli's columns and digits.

namespace modVelmora {

// velmora-cli's column names and values ("." decimals, dates as ISO 8601).
using CliEntries = std::vector<std::pair<std::string, std::string>>;

// The row of a result shown: the entries and results in the window's words, the entries and
// velmora-cli's results as fields. extended: the t-test's or corrected age's results too.
SessionRow CalculatedRow(cli::Command command, const QString& entry, const QString& results, const CliEntries& entries,
                         bool extended, LabelSystem labels, const QDateTime& time = QDateTime::currentDateTime());

}  // namespace modVelmora
