#include "age/agecalculation.h"

#include <QtGlobal>

namespace modVelmora {

namespace {

const char* const kInvalidDate = QT_TRANSLATE_NOOP("modVelmora::Messages", "Invalid Date");
const char* const kTestBeforeBirth =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The test date cannot be less than the birth date.");
const char* const kBadGestation =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "Please enter the gestation as weeks or weeks+days, for example 30+2.");
const char* const kBeforeDueDate = QT_TRANSLATE_NOOP("modVelmora::Messages", "before the due date");
const char* const kBornAtTerm = QT_TRANSLATE_NOOP("modVelmora::Messages", "not corrected (born at term)");

constexpr int kTermDays = 7 * 40;  // the due date: 40 weeks after the last menstrual period
constexpr int kPretermDays = 7 * 37;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// One or two digits and nothing else.
std::optional<int> smallNumber(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
}

Correction correctionFor(Date birth, Date test, Gestation gestation) {
    const int gestationDays = 7 * gestation.weeks + gestation.days;
    if (gestationDays >= kPretermDays) return {Correction::Kind::BornAtTerm, std::nullopt, std::nullopt, kBornAtTerm};
    const Date due{std::chrono::sys_days(birth) + std::chrono::days(kTermDays - gestationDays)};
    if (std::chrono::sys_days(test) < std::chrono::sys_days(due)) return {Correction::Kind::BeforeDueDate, due, std::nullopt, kBeforeDueDate};
    const Age corrected = ComputeAge(due, test);
    return {Correction::Kind::Corrected, due, corrected, AgeText(corrected)};
}

}  // namespace

std::string IsoDate(Date date) {
    const auto padded = [](unsigned value, size_t width) {
        const std::string digits = std::to_string(value);
        return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
    };
    return padded(unsigned(int(date.year())), 4) + "-" + padded(unsigned(date.month()), 2) + "-" + padded(unsigned(date.day()), 2);
}

std::optional<Gestation> ReadGestation(std::string_view text) {
    const size_t plus = text.find('+');
    const auto weeks = smallNumber(text.substr(0, plus));
    const auto days = plus == std::string_view::npos ? std::optional(0) : smallNumber(text.substr(plus + 1));
    if (!weeks || !days || *weeks < 22 || *weeks > 44 || *days > 6) return std::nullopt;
    return Gestation{*weeks, *days};
}

DateReading ReadDateBox(AgeField field, std::string_view text, const DateReader& read) {
    if (text.empty()) return {};
    if (auto date = read(text)) return {date, std::nullopt};
    return {std::nullopt, Refusal<AgeField>{field, Notice::Exclamation, kInvalidDate, true, ShownResults::EmptiedAfter}};
}

AgeReport CalculateAge(const AgeEntry& entry, const DateReader& read) {
    AgeReport report;
    // A birth date alone sends the user on to the test date, silently.
    if (!entry.birthDate.empty() && entry.testDate.empty()) {
        report.refusals.push_back({AgeField::TestDate, Notice::FocusOnly, nullptr});
        return report;
    }
    if (entry.birthDate.empty()) {
        report.refusals.push_back({AgeField::BirthDate, Notice::Beep, nullptr});
        return report;
    }
    // Both boxes are read as if they were left, and either may be refused.
    for (const AgeField field : {AgeField::BirthDate, AgeField::TestDate}) {
        const DateReading reading =
            ReadDateBox(field, field == AgeField::BirthDate ? entry.birthDate : entry.testDate, read);
        if (reading.refusal) report.refusals.push_back(*reading.refusal);
        (field == AgeField::BirthDate ? report.birthDate : report.testDate) = reading.date;
    }
    if (!report.refusals.empty()) return report;
    const auto gestation = ReadGestation(entry.gestation);
    if (!entry.gestation.empty() && !gestation) {
        report.refusals.push_back({AgeField::Gestation, Notice::Exclamation, kBadGestation, false, ShownResults::EmptiedAfter});
        return report;
    }
    if (std::chrono::sys_days(*report.testDate) < std::chrono::sys_days(*report.birthDate)) {
        report.refusals.push_back(
            {AgeField::BirthDate, Notice::Exclamation, kTestBeforeBirth, false, ShownResults::EmptiedAfter});
        return report;
    }
    report.age = ComputeAge(*report.birthDate, *report.testDate);
    report.ageText = AgeText(*report.age);
    if (gestation) report.correction = correctionFor(*report.birthDate, *report.testDate, *gestation);
    return report;
}

}  // namespace modVelmora
