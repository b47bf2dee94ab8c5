#include "age/datetext.h"

namespace modVelmora {

namespace {

// Numeric dates follow the locale's order of day, month and year; the C locale,
// like the tooltip's "09/17/98", puts the month first.
DateOrder numericOrder(const QLocale& locale) {
    if (locale.language() == QLocale::C) return DateOrder::MonthDayYear;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const auto day = format.indexOf(QLatin1Char('d')), month = format.indexOf(QLatin1Char('M'));
    const auto year = format.indexOf(QLatin1Char('y'));
    if (day < 0 || month < 0) return DateOrder::MonthDayYear;
    if (year >= 0 && year < month && year < day) return DateOrder::YearMonthDay;
    return day < month ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
}

// Typed and known names meet in one form: folded case, composed accents.
std::string folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_C).toCaseFolded().toStdString();
}

const DateConventions& systemConventions() {
    static const DateConventions conventions = ConventionsFor(QLocale::system());
    return conventions;
}

}  // namespace

DateConventions ConventionsFor(const QLocale& locale) {
    DateConventions result = DateConventions::English();
    result.order = numericOrder(locale);
    for (int month = 1; month <= 12; ++month) {
        for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            result.addMonthName(month, folded(locale.monthName(month, format)));
            result.addMonthName(month, folded(locale.standaloneMonthName(month, format)));
        }
    }
    for (int day = 1; day <= 7; ++day) {
        for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            result.addWeekdayName(folded(locale.dayName(day, format)));
            result.addWeekdayName(folded(locale.standaloneDayName(day, format)));
        }
    }
    if (locale.language() == QLocale::Spanish) result.connectors = {"de"};
    if (locale.language() == QLocale::French) result.firstDaySuffixes = {"er"};
    return result;
}

std::optional<QDate> ReadDate(const QString& text, const DateConventions& conventions) {
    const auto date = ParseDate(folded(text), conventions);
    if (!date) return std::nullopt;
    return ToQDate(*date);
}

std::optional<std::chrono::year_month_day> ReadYearMonthDay(std::string_view text) { return ReadYearMonthDayIn(text, systemConventions()); }

std::optional<std::chrono::year_month_day> ReadYearMonthDayIn(std::string_view text, const DateConventions& conventions) {
    return ParseDate(folded(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))), conventions);
}

DateConventions SystemDateConventions() { return systemConventions(); }

QDate ToQDate(std::chrono::year_month_day date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

std::optional<QDate> ReadDate(const QString& text) { return ReadDate(text, systemConventions()); }

QString DateText(const QDate& date, const QLocale& locale) {
    QString format;
    switch (locale.language()) {
    case QLocale::German: format = QStringLiteral("d. '%1' yyyy"); break;
    case QLocale::French:
    case QLocale::Spanish: format = QStringLiteral("d '%1' yyyy"); break;
    default: return locale.toString(date, QStringLiteral("MMM d, yyyy"));
    }
    QString month = locale.monthName(date.month(), QLocale::ShortFormat);
    // These languages close a shortened month with a point ("may." for mayo); Qt's Spanish names lack it.
    if (month.size() < locale.monthName(date.month(), QLocale::LongFormat).size() && !month.endsWith(QLatin1Char('.')))
        month += QLatin1Char('.');
    return locale.toString(date, format.arg(month.replace(QLatin1Char('\''), QStringLiteral("''"))));
}

QString DateText(const QDate& date) { return DateText(date, QLocale::system()); }

int DateBoxLength(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    return language == QLocale::German || language == QLocale::French || language == QLocale::Spanish ? 40 : 18;
}

std::chrono::year_month_day ToYearMonthDay(const QDate& date) {
    return {std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
            std::chrono::day(static_cast<unsigned>(date.day()))};
}

}  // namespace modVelmora
