#pragma once

#include <QDate>
#include <QString>
#include <chrono>
#include <optional>
#include <string_view>

// Dates as the age calculator reads and writes them, in the user's locale.

namespace modVelmora {

// Typed text read as a date (the accepted forms are those of ParseDate).
std::optional<QDate> ReadDate(const QString& text);

// "Sep 17, 1998": the locale's abbreviated month, the day, the four-digit year.
QString DateText(const QDate& date);

std::chrono::year_month_day ToYearMonthDay(const QDate& date);
QDate ToQDate(std::chrono::year_month_day date);

// Typed text read as a date, for the age computation.
std::optional<std::chrono::year_month_day> ReadYearMonthDay(std::string_view text);

}  // namespace modVelmora
