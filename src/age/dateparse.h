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
//   the day, the month name and the year as German, French and Spanish write
//   them, the month full or abbreviated, with or without its point:
//     "17. September 1998", "6. Dez. 2026", "6 déc. 2026", "1er janvier 2000",
//     "17 de septiembre de 1998", "6 dic. 2026"
//   where a "." after the day number stands only before a month name, a
//   connector word ("de") only after the day and after the month, and an
//   ordinal suffix ("er") only on day 1
//   three numbers joined by "/", "-" or ".", in the locale's order of day, month and year:
//     "09/17/98" (month first), "17.09.1998", "17. 9. 1998" (day first) or "98-09-17" (year first)
//   the year first, as in ISO: "1998-09-17", "1998 Sep 17"
// optionally preceded by a weekday name ("Thursday, ", "Do., ", "mardi ", "jueves, ")
// and followed by a time of day ("10:30", "10:30:15", "10:30 pm"), which is
// ignored. Two-digit years 00 to 29 are 2000 to 2029 and 30 to 99 are 1930 to
// 1999; four-digit years run from 1000 to 9999. Impossible days such as
// February 30 are refused. Letters beyond ASCII are matched as given, so the
// caller case-folds the text and the names alike.

namespace modVelmora {

// The order of an all-numeric date's day, month and year.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
// "mdy", "dmy", "ymd", as velmora-cli names them, and the order a name gives; none for any other.
const char* DateOrderName(DateOrder order);
std::optional<DateOrder> DateOrderNamed(std::string_view name);

struct DateConventions {
    DateOrder order = DateOrder::MonthDayYear;  // of all-numeric dates; four digits first are always a year
    std::array<std::vector<std::string>, 12> monthNames;  // lower-case UTF-8, January first
    std::vector<std::string> weekdayNames;                // lower-case UTF-8
    std::vector<std::string> connectors;        // words joining day, month and year: "17 de septiembre de 1998"
    std::vector<std::string> firstDaySuffixes;  // an ordinal written on day 1 only: "1er janvier 2000"

    // English month and weekday names, full and abbreviated, month first.
    static DateConventions English();
    // Adds a name (any case of ASCII letters; a trailing "." is dropped).
    void addMonthName(int month, std::string name);
    void addWeekdayName(std::string name);
};

std::optional<std::chrono::year_month_day> ParseDate(std::string_view text,
                                                      const DateConventions& conventions);

}  // namespace modVelmora
