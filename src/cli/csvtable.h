#pragma once

#include <functional>
#include <stdexcept>
#include <string_view>

#include "common/operation.h"

// A whole CSV file through one command: every input row gives exactly one
// output row, the input's fields unchanged, then the command's result
// columns and "error". Fields are read and written as RFC 4180 has them,
// with the delimiter given; a UTF-8 byte-order mark the file starts with
// starts the output too.

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
    // Each row as computed and written (velmora-cli draws the profile from them).
    std::function<void(const Fields& fields, const Outcome& outcome)> computed = {};
};

struct CsvFormat {
    char delimiter = ',';     // of the file read, and of the rows written unless tabbed
    bool tabbedOutput = false; // rows written with tabs, for pasting into a table
};

// defaults gives the value of a column the file does not have (the command line's options);
// a column in the file wins, even where a row leaves it empty.
CsvCounts RunCsv(const Operation& command, const FieldContext& context, const CsvStreams& streams, const CsvFormat& format = {},
                 const Fields& defaults = {});

}  // namespace modVelmora::cli
