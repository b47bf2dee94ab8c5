#pragma once

#include <chrono>
#include <string>

// Chronological age as test manuals count it: the day, month and year columns
// are subtracted right to left, borrowing a fixed 30 days and 12 months.

namespace modVelmora {

struct Age {
    int years = 0;
    int months = 0;
    int days = 0;
};

// testDate must not be earlier than birthDate.
Age ComputeAge(std::chrono::year_month_day birthDate, std::chrono::year_month_day testDate);

// "19 - 3 - 27".
std::string AgeText(const Age& age);

// The completed months, as infant tests take the age: 14 for 1 - 2 - 5.
inline int TotalMonths(const Age& age) { return 12 * age.years + age.months; }

}  // namespace modVelmora
