#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "common/confidence.h"
#include "common/labels.h"

// An operation's entry and results as named fields: the columns of velmora-cli's files, the
// fields a session row keeps, a saved norm set. Numbers are written with ".", dates as ISO 8601.

namespace modVelmora {

// Texts by name, in order; the names are the operations' own and live as long as the program.
struct NamedTexts {
    std::vector<std::pair<std::string_view, std::string>> items;

    void add(std::string_view name, std::string text) { items.emplace_back(name, std::move(text)); }
    // The text of that name; empty when there is none.
    const std::string& operator[](std::string_view name) const;
};

// Fields read, by name; a name not listed is absent. The texts belong to the caller.
struct Fields {
    std::vector<std::pair<std::string_view, std::string_view>> byName;

    Fields() = default;
    explicit Fields(const NamedTexts& texts);
    std::optional<std::string_view> operator()(std::string_view name) const {
        for (const auto& [field, text] : byName)
            if (field == name) return text;
        return std::nullopt;
    }
};

// A field that cannot be read, or an entry refused: the reason, in English.
struct FieldError : std::runtime_error {
    explicit FieldError(const std::string& reason) : std::runtime_error(reason), reason_(reason) {}
    // The whole reason: what() ends at a NUL byte the row's text may hold.
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

using Date = std::chrono::year_month_day;

// What reading fields takes besides the fields themselves.
struct FieldContext {
    // A date as the user writes it, or ISO 8601; none for a text that is no date.
    std::function<std::optional<Date>(std::string_view text)> readDate;
    Date today;  // stands in for an age's missing test date
    LabelSystem labels;
    bool decimalComma = false;  // numbers written with "," for the point
    // The fields of the saved norm set of that name (mean, sd, n, reverse, norm_set, norm_source), or why there is none to use.
    std::function<std::variant<NamedTexts, std::string>(std::string_view name)> normSet;
};

// The field's text, blanks and tabs around it dropped; empty when absent.
std::string_view FieldText(const Fields& fields, std::string_view name);
// Whether text is a number and nothing else: an optional minus, digits and at most one decimal
// point (the point given); no blanks.
bool IsPlainNumber(std::string_view text, char point);
// A number read strictly: the whole field an optional minus, digits and at most one decimal
// point ("." or, with a decimal comma, ","); empty stays empty. Given back with ".".
std::string NumberField(const Fields& fields, std::string_view name, const FieldContext& context);
// Places of decimals, 0 to 4; 1 when empty.
unsigned DecimalsField(const Fields& fields);
// 1, true or yes; 0, false, no or empty.
bool YesNoField(const Fields& fields, std::string_view name);
// 90 or 95 in the field "level"; fallback when it is empty.
ConfidenceLevel LevelField(const Fields& fields, ConfidenceLevel fallback);

}  // namespace modVelmora
