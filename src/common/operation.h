#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/fields.h"
#include "common/refusal.h"
#include "common/report.h"

// One operation a module offers: its entry read from named fields, its computation, and its
// report's results as named columns. velmora-cli runs it on every row of a file, the manual
// builder fills its examples from it, and the windows keep its columns in the session, so each
// column is named once.

namespace modVelmora {

// When a result column is there: always, with the extending columns (the t-test's, the
// corrected age's), or with descriptive labels.
enum class ShownWhen { Always, Extended, Labelled };

template <class Report>
struct ResultColumn {
    const char* name;
    ShownWhen when;
    std::string (*text)(const Report& report);
};

// The option that picks one of a command's operations, and the value that picks this one
// (difference --against norms).
struct Choice {
    std::string_view option, value;
};

// A row computed from fields: the results by name, all empty when the row failed, and why it did.
struct Outcome {
    NamedTexts results;
    std::string error;
};

class Operation {
public:
    virtual ~Operation() = default;

    // velmora-cli's command word, which a session row also keeps.
    virtual std::string_view command() const = 0;
    // For a command of several operations, each with columns of its own, what picks this one.
    virtual std::optional<Choice> choice() const { return std::nullopt; }
    // The columns a file must have (a norm set stands for score's mean and sd), the optional ones
    // read, and those optional ones whose presence brings further results.
    virtual std::vector<std::string_view> requiredColumns(bool normSet = false) const = 0;
    virtual std::vector<std::string_view> optionalColumns() const = 0;
    virtual std::vector<std::string_view> extendingColumns() const { return {}; }
    virtual std::vector<std::string_view> resultColumns(bool extended, LabelSystem labels) const = 0;
    // Reads the entry, computes it and names its results; outcome's storage is reused from row to row.
    void compute(const Fields& fields, bool extended, const FieldContext& context, Outcome& outcome) const;
    // A result as a report gives it, from its fields: the entry's and the results' (a session row's),
    // numbers with the user's separator.
    virtual ReportLine reportLine(const Fields& fields, const QString& separator) const = 0;

protected:
    // Fills outcome.results, or throws FieldError.
    virtual void computeNamed(const Fields& fields, bool extended, const FieldContext& context, NamedTexts& results) const = 0;
};

// The names of the columns shown, in the table's order.
template <class Report>
std::vector<std::string_view> ColumnNames(std::span<const ResultColumn<Report>> table, bool extended, LabelSystem labels);
// The report's texts under those names.
template <class Report>
void NameResults(std::span<const ResultColumn<Report>> table, const Report& report, bool extended, LabelSystem labels,
                 NamedTexts& results);

// A computation's refusal as a row's reason: its message, or for a number beyond what the windows'
// boxes hold, which only a file reaches, the field it is in. columns names the fields by Field.
template <class Field>
[[noreturn]] void ThrowRefusal(const Refusal<Field>& refusal, const Fields& fields, std::span<const char* const> columns);

// ---

inline bool IsShown(ShownWhen when, bool extended, LabelSystem labels) {
    return when == ShownWhen::Always || (when == ShownWhen::Extended && extended) || (when == ShownWhen::Labelled && labels != LabelSystem::None);
}

template <class Report>
std::vector<std::string_view> ColumnNames(std::span<const ResultColumn<Report>> table, bool extended, LabelSystem labels) {
    std::vector<std::string_view> names;
    for (const ResultColumn<Report>& column : table)
        if (IsShown(column.when, extended, labels)) names.emplace_back(column.name);
    return names;
}

template <class Report>
void NameResults(std::span<const ResultColumn<Report>> table, const Report& report, bool extended, LabelSystem labels,
                 NamedTexts& results) {
    for (const ResultColumn<Report>& column : table)
        if (IsShown(column.when, extended, labels)) results.add(column.name, column.text(report));
}

[[noreturn]] void ThrowOutOfRange(const Fields& fields, std::string_view column);

template <class Field>
void ThrowRefusal(const Refusal<Field>& refusal, const Fields& fields, std::span<const char* const> columns) {
    if (refusal.message) throw FieldError(refusal.message);
    ThrowOutOfRange(fields, columns[static_cast<std::size_t>(refusal.field)]);
}

}  // namespace modVelmora
