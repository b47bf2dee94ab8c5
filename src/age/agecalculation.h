#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "age/agerule.h"
#include "common/refusal.h"

// The age calculator's computation: two typed dates give the age in years,
// months and days, and with the gestation at birth of a child born preterm the
// age corrected for prematurity (Engle, 2004, Pediatrics 114(5), 1362-1364).

namespace modVelmora {

enum class AgeField { BirthDate, TestDate, Gestation };

using Date = std::chrono::year_month_day;
// Reads a typed date in the user's forms; none when the text is no date.
using DateReader = std::function<std::optional<Date>(std::string_view text)>;

struct AgeEntry {
    std::string birthDate, testDate;  // as typed
    std::string gestation;            // weeks or weeks+days ("30", "30+2"); empty for no correction
};

// A gestation of 22+0 to 44+6 weeks, as typed; none for anything else.
struct Gestation {
    int weeks = 0, days = 0;
};
std::optional<Gestation> ReadGestation(std::string_view text);

// The age corrected for prematurity, or why there is none.
struct Correction {
    enum class Kind { Corrected, BeforeDueDate, BornAtTerm } kind;
    std::optional<Date> dueDate;  // the birth date moved to 40 weeks of gestation; none at term
    std::optional<Age> age;       // from the due date to the test date, by the same rule as the age
    std::string text;             // "0 - 5 - 27", or the English note of the other two kinds
};

// A date box as it is left: a date, or the refusal of its text. An empty box reads as nothing.
struct DateReading {
    std::optional<Date> date;
    std::optional<Refusal<AgeField>> refusal;
};
DateReading ReadDateBox(AgeField field, std::string_view text, const DateReader& read);

struct AgeReport {
    // In the order the user is told; both dates can be refused at once.
    std::vector<Refusal<AgeField>> refusals;
    std::optional<Date> birthDate, testDate;  // each date read, whether or not the age follows
    std::optional<Age> age;
    std::string ageText;  // "19 - 3 - 27"
    std::optional<Correction> correction;  // with a gestation
};

AgeReport CalculateAge(const AgeEntry& entry, const DateReader& read);

// "2024-03-18", as files and the command line write dates.
std::string IsoDate(Date date);

}  // namespace modVelmora
