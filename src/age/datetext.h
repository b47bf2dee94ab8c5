#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <chrono>
#include <optional>
#include <string_view>

#include "age/dateparse.h"

// Dates as the age calculator reads and writes them, in the user's locale.

namespace modVelmora {

// The locale's month and weekday names (with the English ones), its order of
// day and month, and the words its written dates carry: Spanish "de", French "1er".
DateConventions ConventionsFor(const QLocale& locale);

// Typed text read as a date (the accepted forms are those of ParseDate), in
// the system locale's conventions or in the ones given.
std::optional<QDate> ReadDate(const QString& text);
std::optional<QDate> ReadDate(const QString& text, const DateConventions& conventions);

// The date as the language writes it with its abbreviated month: "17. Sept. 1998"
// in German, "17 sept. 1998" in French and Spanish, and "Sep 17, 1998" in English
// and any other language; in the system locale or the one given.
QString DateText(const QDate& date);
QString DateText(const QDate& date, const QLocale& locale);

// How many characters a date box holds: 18 for the forms English writes, room
// for "jueves, 17 de septiembre de 1998" where a language writes its dates longer.
int DateBoxLength(const QLocale& locale);

std::chrono::year_month_day ToYearMonthDay(const QDate& date);
QDate ToQDate(std::chrono::year_month_day date);

// Typed text read as a date, for the age computation, in the system locale's conventions or the ones given.
std::optional<std::chrono::year_month_day> ReadYearMonthDay(std::string_view text);
std::optional<std::chrono::year_month_day> ReadYearMonthDayIn(std::string_view text, const DateConventions& conventions);
DateConventions SystemDateConventions();

}  // namespace modVelmora
