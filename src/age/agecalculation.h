#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "age/agerule.h"
#include "common/refusal.h"

// The age calculator's computation: two typed dates give the age in years,
// months and days.

namespace modVelmora {

enum class AgeField { BirthDate, TestDate };

using Date = std::chrono::year_month_day;
// Reads a typed date in the user's forms; none when the text is no date.
using DateReader = std::function<std::optional<Date>(std::string_view text)>;

struct AgeEntry {
    std::string birthDate, testDate;  // as typed
};

// A date box as it is left: a date, or the refusal of its text. An empty box reads as nothing.
struct DateReading {
    std::optional<Date> date;
    std::optional<Refusal<AgeField>> refusal;
};
DateReading ReadDateBox(AgeField field, std::string_view text, const DateReader& read);

struct AgeReport {
    // In the order the user is told; both dates can be refused at once.
    std::vector<Refusal<AgeField>> refusals;
    std::optional<Date> birthDate, testDate;  // each date read, whether or not the age follows
    std::optional<Age> age;
    std::string ageText;  // "19 - 3 - 27"
};

AgeReport CalculateAge(const AgeEntry& entry, const DateReader& read);

}  // namespace modVelmora
