#pragma once

#include <functional>
#include <stdexcept>
#include <string_view>

#include "cli/commands.h"

// A whole CSV file through one command: every input row gives exactly one
// output row, the input's fields unchanged, then the command's result
// columns and "error". Fields are read and written as RFC 4180 has them.

namespace modVelmora::cli {

// A file the command cannot work on: empty, or without a column it needs.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct CsvCounts {
    long rows = 0;
    long failed = 0;
};

struct CsvStreams {
    std::function<std::size_t(char* buffer, std::size_t size)> read;  // 0 at the end
    std::function<void(std::string_view text)> write;                 // the output rows
    std::function<void(std::string_view line)> report;                // "line 3: reason" for a failed row
};

CsvCounts RunCsv(Command command, const Context& context, const CsvStreams& streams);

}  // namespace modVelmora::cli
