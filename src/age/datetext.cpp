#include "age/datetext.h"

#include <QLocale>

#include "age/dateparse.h"

namespace modVelmora {

namespace {

// Numeric dates follow the locale's order of day and month; the C locale,
// like the tooltip's "09/17/98", puts the month first.
bool dayBeforeMonth(const QLocale& locale) {
    if (locale.language() == QLocale::C) return false;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const auto day = format.indexOf(QLatin1Char('d'));
    const auto month = format.indexOf(QLatin1Char('M'));
    return day >= 0 && month >= 0 && day < month;
}

const DateConventions& conventions() {
    static const DateConventions systemConventions = [] {
        const QLocale locale = QLocale::system();
        DateConventions result = DateConventions::English();
        result.dayBeforeMonth = dayBeforeMonth(locale);
        for (int month = 1; month <= 12; ++month) {
            for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                result.addMonthName(month, locale.monthName(month, format).toCaseFolded().toStdString());
                result.addMonthName(month, locale.standaloneMonthName(month, format).toCaseFolded().toStdString());
            }
        }
        for (int day = 1; day <= 7; ++day) {
            for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat})
                result.addWeekdayName(locale.dayName(day, format).toCaseFolded().toStdString());
        }
        return result;
    }();
    return systemConventions;
}

}  // namespace

std::optional<QDate> ReadDate(const QString& text) {
    const auto date = ParseDate(text.toCaseFolded().toStdString(), conventions());
    if (!date) return std::nullopt;
    return ToQDate(*date);
}

std::optional<std::chrono::year_month_day> ReadYearMonthDay(std::string_view text) {
    return ParseDate(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toCaseFolded().toStdString(),
                     conventions());
}

QDate ToQDate(std::chrono::year_month_day date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

QString DateText(const QDate& date) { return QLocale::system().toString(date, QStringLiteral("MMM d, yyyy")); }

std::chrono::year_month_day ToYearMonthDay(const QDate& date) {
    return {std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
            std::chrono::day(static_cast<unsigned>(date.day()))};
}

}  // namespace modVelmora
