#include "age/agecalculation.h"

#include <QtGlobal>

namespace modVelmora {

namespace {

const char* const kInvalidDate = QT_TRANSLATE_NOOP("modVelmora::Messages", "Invalid Date");
const char* const kTestBeforeBirth =
    QT_TRANSLATE_NOOP("modVelmora::Messages", "The test date cannot be less than the birth date.");

}  // namespace

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
    if (std::chrono::sys_days(*report.testDate) < std::chrono::sys_days(*report.birthDate)) {
        report.refusals.push_back(
            {AgeField::BirthDate, Notice::Exclamation, kTestBeforeBirth, false, ShownResults::EmptiedAfter});
        return report;
    }
    report.age = ComputeAge(*report.birthDate, *report.testDate);
    report.ageText = AgeText(*report.age);
    return report;
}

}  // namespace modVelmora
