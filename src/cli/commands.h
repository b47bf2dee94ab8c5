#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/labels.h"

// The three commands of velmora-cli, computed from text fields exactly as the
// windows compute them. The same code serves one value from the command line
// and each row of a CSV file.

namespace modVelmora::cli {

enum class Command { Score, Convert, Age, Interval, Change };

// A row's fields by column (option) name; a column not listed is absent.
struct Fields {
    std::vector<std::pair<std::string_view, std::string_view>> byColumn;

    std::optional<std::string_view> operator()(std::string_view column) const {
        for (const auto& [name, text] : byColumn)
            if (name == column) return text;
        return std::nullopt;
    }
};

struct Outcome {
    std::vector<std::string> results;  // as ResultColumns; all empty when the row failed
    std::string error;                 // empty, or the reason
    bool reversed = false;             // score: low scores were good, by the row or its norm set
};

// The columns a file must have, and the optional ones the command reads. A norm set (score's
// norms column or option) stands for the mean and sd columns.
std::vector<std::string> RequiredColumns(Command command, bool normSet = false);
std::vector<std::string> OptionalColumns(Command command);
// The optional columns whose presence brings further results: a sample size or a norm set, which
// may hold one (the t-test's) for score, a gestation (the corrected age) for age; none for
// convert. A row may leave them empty.
std::vector<std::string> ExtendingColumns(Command command);
// The columns the command adds; score adds the t-test's only when extended.
std::vector<std::string> ResultColumns(Command command, bool extended, LabelSystem labels);

// A saved norm set as score takes it: its numbers written with ".".
struct NormValues {
    std::string mean, sd, n;
    bool reverse = false;
};

// What a row is read with besides its fields: dates as the age window reads
// them, today, which stands in for an age's missing test date, and the saved norm sets.
struct Context {
    std::function<std::optional<std::chrono::year_month_day>(std::string_view text)> readDate;
    std::chrono::year_month_day today;
    LabelSystem labels = LabelSystem::Aacn;  // the descriptive labels added to scores
    bool decimalComma = false;               // numbers read (and written) with "," for the point
    // The norm set of that name, or why there is none to use; none are saved when left out.
    std::function<std::variant<NormValues, std::string>(std::string_view name)> normSet;
};

// Fills outcome, whose storage is reused from row to row.
void Compute(Command command, const Fields& fields, bool extended, const Context& context, Outcome& outcome);

}  // namespace modVelmora::cli
