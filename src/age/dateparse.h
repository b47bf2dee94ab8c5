#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading a date typed by the user. Accepted forms:
//   a month name with the day before or after it, then the year:
//     "September 17, 1998", "Sep 17 98", "17 sep 98", "17-Sep-1998"
//   three numbers joined by "/", "-" or ".", day and month in the locale's order:
//     "09/17/98" (month first) or "17.09.1998" (day first)
//   the year first, as in ISO: "1998-09-17", "1998 Sep 17"
// optionally preceded by a weekday name and followed by a time of day
// ("10:30", "10:30:15", "10:30 pm"), which is ignored. Two-digit years 00 to
// 29 are 2000 to 2029 and 30 to 99 are 1930 to 1999; four-digit years run
// from 1000 to 9999. Impossible days such as February 30 are refused.

namespace modVelmora {

struct DateConventions {
    bool dayBeforeMonth = false;  // all-numeric dates: day/month/year rather than month/day/year
    std::array<std::vector<std::string>, 12> monthNames;  // lower-case, January first
    std::vector<std::string> weekdayNames;                // lower-case

    // English month and weekday names, full and abbreviated, month first.
    static DateConventions English();
    // Adds a name (any case of ASCII letters; a trailing "." is dropped).
    void addMonthName(int month, std::string name);
    void addWeekdayName(std::string name);
};

std::optional<std::chrono::year_month_day> ParseDate(std::string_view text,
                                                      const DateConventions& conventions);

}  // namespace modVelmora
