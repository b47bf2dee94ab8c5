#include "age/dateparse.h"

#include <algorithm>
#include <charconv>

namespace modVelmora {

namespace {

using std::chrono::year_month_day;

struct Token {
    enum class Kind { Number, Word, Colon } kind;
    std::string text;
    char separatorBefore;  // the punctuation before the token, ' ' for blanks only, 0 for none
    bool afterConnector = false;  // a connector word stood before it: "de septiembre"
    bool ordinal = false;         // a day number that carried an ordinal suffix: "1er"
};

bool contains(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string normalisedName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), lower);
    while (!name.empty() && name.back() == '.') name.pop_back();
    return name;
}

std::optional<std::vector<Token>> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    char separator = 0;
    for (size_t i = 0; i < text.size();) {
        const char c = lower(text[i]);
        if (c == ' ' || c == '\t') {
            if (separator == 0) separator = ' ';
            ++i;
        } else if (c == ',' || c == '/' || c == '-' || c == '.') {
            // "1//2" is refused; the point of an abbreviation may take a comma: "Do., 17. Sept. 1998"
            const bool abbreviationComma =
                separator == '.' && c == ',' && !tokens.empty() && tokens.back().kind == Token::Kind::Word;
            if (separator != 0 && separator != ' ' && !abbreviationComma) return std::nullopt;
            separator = c;
            ++i;
        } else if (c == ':') {
            tokens.push_back({Token::Kind::Colon, ":", separator});
            separator = 0;
            ++i;
        } else if (isDigit(c) || isLetter(c)) {
            const bool digits = isDigit(c);
            std::string run;
            for (; i < text.size() && (digits ? isDigit(text[i]) : isLetter(lower(text[i]))); ++i)
                run += lower(text[i]);
            tokens.push_back({digits ? Token::Kind::Number : Token::Kind::Word, run, separator});
            separator = 0;
        } else {
            return std::nullopt;
        }
    }
    if (separator != 0 && separator != ' ' && separator != '.') return std::nullopt;
    return tokens;
}

// Callers have checked the length, so the value fits.
int numberOf(const Token& t) {
    int value = 0;
    std::from_chars(t.text.data(), t.text.data() + t.text.size(), value);
    return value;
}

bool isNumber(const Token& t, size_t maxDigits) {
    return t.kind == Token::Kind::Number && t.text.size() <= maxDigits;
}

// "10:30", "10:30:15", optionally followed by "am" or "pm".
bool isTimeOfDay(const std::vector<Token>& t) {
    const size_t n = t.size();
    if (n < 3 || !isNumber(t[0], 2) || t[1].kind != Token::Kind::Colon || !isNumber(t[2], 2))
        return false;
    size_t next = 3;
    int seconds = 0;
    if (n >= 5 && t[3].kind == Token::Kind::Colon) {
        if (!isNumber(t[4], 2)) return false;
        seconds = numberOf(t[4]);
        next = 5;
    }
    const int hours = numberOf(t[0]);
    const int minutes = numberOf(t[2]);
    if (minutes > 59 || seconds > 59) return false;
    if (next == n) return hours <= 23;
    if (next + 1 == n && (t[next].text == "am" || t[next].text == "pm"))
        return hours >= 1 && hours <= 12;
    return false;
}

std::optional<int> yearOf(const Token& t) {
    if (t.kind != Token::Kind::Number || (t.text.size() > 2 && t.text.size() != 4)) return std::nullopt;
    const int value = numberOf(t);
    if (t.text.size() <= 2) return value < 30 ? 2000 + value : 1900 + value;
    if (value >= 1000) return value;
    return std::nullopt;
}

std::optional<year_month_day> makeDate(std::optional<int> year, int month, const Token& day) {
    if (!year || month == 0 || !isNumber(day, 2)) return std::nullopt;
    return year_month_day(std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(month)),
                          std::chrono::day(static_cast<unsigned>(numberOf(day))));
}

// A month written as a number, 0 when it is none.
int monthNumbered(const Token& month) { return isNumber(month, 2) ? numberOf(month) : 0; }

int monthNamed(const std::string& word, const DateConventions& conventions) {
    for (int m = 0; m < 12; ++m) {
        if (contains(conventions.monthNames[static_cast<size_t>(m)], word)) return m + 1;
    }
    return 0;
}

std::optional<year_month_day> readDate(const std::vector<Token>& t, const DateConventions& conventions) {
    if (t.size() != 3) return std::nullopt;
    const auto kind = [&](size_t i) { return t[i].kind; };
    using K = Token::Kind;

    // Day, month name, year: the one form that may carry connectors and an ordinal day.
    if (kind(0) == K::Number && kind(1) == K::Word && kind(2) == K::Number && t[0].text.size() != 4) {
        if (t[0].afterConnector || t[2].ordinal) return std::nullopt;
        return makeDate(yearOf(t[2]), monthNamed(t[1].text, conventions), t[0]);
    }
    if (std::any_of(t.begin(), t.end(), [](const Token& token) { return token.afterConnector || token.ordinal; }))
        return std::nullopt;

    if (kind(0) == K::Number && kind(1) == K::Number && kind(2) == K::Number) {
        const char separator = t[1].separatorBefore;
        if ((separator != '/' && separator != '-' && separator != '.') ||
            t[2].separatorBefore != separator)
            return std::nullopt;
        if (t[0].text.size() == 4 || conventions.order == DateOrder::YearMonthDay) return makeDate(yearOf(t[0]), monthNumbered(t[1]), t[2]);
        return conventions.order == DateOrder::DayMonthYear ? makeDate(yearOf(t[2]), monthNumbered(t[1]), t[0])
                                                            : makeDate(yearOf(t[2]), monthNumbered(t[0]), t[1]);
    }
    if (kind(0) == K::Word && kind(1) == K::Number && kind(2) == K::Number) {
        if (t[2].separatorBefore == '.') return std::nullopt;  // "Sep 17. 1998": the German point needs a month after it
        return makeDate(yearOf(t[2]), monthNamed(t[0].text, conventions), t[1]);
    }
    if (kind(0) == K::Number && kind(1) == K::Word && kind(2) == K::Number)
        return makeDate(yearOf(t[0]), monthNamed(t[1].text, conventions), t[2]);
    return std::nullopt;
}

// "1er": the suffix joins the number before it, which must be 1 ("2er" is no French).
bool joinOrdinals(std::vector<Token>& t, const DateConventions& conventions) {
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].kind != Token::Kind::Word || t[i].separatorBefore != 0 || t[i - 1].kind != Token::Kind::Number ||
            !contains(conventions.firstDaySuffixes, t[i].text))
            continue;
        if (!isNumber(t[i - 1], 2) || numberOf(t[i - 1]) != 1) return false;
        t[i - 1].ordinal = true;
        t.erase(t.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return true;
}

// Connector words go, each marking the part after it; readDate decides where a mark may stand.
bool dropConnectors(std::vector<Token>& t, const DateConventions& conventions) {
    for (size_t i = 0; i < t.size();) {
        if (t[i].kind != Token::Kind::Word || !contains(conventions.connectors, t[i].text)) {
            ++i;
            continue;
        }
        // "17 de de 1998", a date ending in "de", and "17. de": the point after a day needs a month name
        if (t[i].afterConnector || i + 1 == t.size() ||
            (i > 0 && t[i].separatorBefore == '.' && t[i - 1].kind == Token::Kind::Number))
            return false;
        t.erase(t.begin() + static_cast<std::ptrdiff_t>(i));
        t[i].afterConnector = true;
    }
    return true;
}

}  // namespace

void DateConventions::addMonthName(int month, std::string name) {
    name = normalisedName(std::move(name));
    if (month < 1 || month > 12 || name.empty()) return;
    auto& names = monthNames[static_cast<size_t>(month - 1)];
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

void DateConventions::addWeekdayName(std::string name) {
    name = normalisedName(std::move(name));
    if (!name.empty() && std::find(weekdayNames.begin(), weekdayNames.end(), name) == weekdayNames.end())
        weekdayNames.push_back(name);
}

DateConventions DateConventions::English() {
    static const char* const months[] = {"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};
    static const char* const weekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                           "Friday", "Saturday", "Sunday"};
    DateConventions conventions;
    for (int m = 1; m <= 12; ++m) {
        const std::string name = months[m - 1];
        conventions.addMonthName(m, name);
        conventions.addMonthName(m, name.substr(0, 3));
    }
    conventions.addMonthName(9, "Sept");
    for (const char* day : weekdays) {
        conventions.addWeekdayName(day);
        conventions.addWeekdayName(std::string(day).substr(0, 3));
    }
    return conventions;
}

std::optional<year_month_day> ParseDate(std::string_view text, const DateConventions& conventions) {
    auto tokens = tokenize(text);
    if (!tokens) return std::nullopt;
    std::vector<Token>& t = *tokens;

    // A time of day after the date is dropped; ISO joins it with a "T".
    const auto colon = std::find_if(t.begin(), t.end(),
                                    [](const Token& token) { return token.kind == Token::Kind::Colon; });
    if (colon != t.end()) {
        if (colon == t.begin()) return std::nullopt;
        auto timeStart = colon - 1;
        if (!isTimeOfDay(std::vector<Token>(timeStart, t.end()))) return std::nullopt;
        if (timeStart != t.begin() && (timeStart - 1)->kind == Token::Kind::Word &&
            (timeStart - 1)->text == "t" && timeStart->separatorBefore == 0)
            --timeStart;
        t.erase(timeStart, t.end());
    }
    if (!joinOrdinals(t, conventions) || !dropConnectors(t, conventions)) return std::nullopt;

    // A leading weekday is dropped only when the words do not read as a date with it:
    // Spanish "mar" is both martes and marzo.
    auto date = readDate(t, conventions);
    if (!date && !t.empty() && t.front().kind == Token::Kind::Word &&
        contains(conventions.weekdayNames, t.front().text)) {
        t.erase(t.begin());
        date = readDate(t, conventions);
    }
    if (!date || !date->ok()) return std::nullopt;
    return date;
}

const char* DateOrderName(DateOrder order) {
    switch (order) {
        case DateOrder::DayMonthYear: return "dmy";
        case DateOrder::YearMonthDay: return "ymd";
        case DateOrder::MonthDayYear: break;
    }
    return "mdy";
}

std::optional<DateOrder> DateOrderNamed(std::string_view name) {
    for (const DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay})
        if (name == DateOrderName(order)) return order;
    return std::nullopt;
}

}  // namespace modVelmora
