#pragma once

#include <QDate>
#include <cstdint>

// What the age calculator remembers for the whole run, across module switches.

namespace modVelmora {

struct AgeCalculatorState {
    QDate birthDate;  // the last date read from the birth date box; null until then
    QDate testDate;   // the last date read from the test date box; null until then
    QDate pickedDate;  // the day picked in the calendar pop-up, or null
    std::uint8_t calendarTarget = 0;  // 1 birth date box, 2 test date box, 0 no pop-up open
};

inline constexpr std::uint8_t kBirthDateTarget = 1;
inline constexpr std::uint8_t kTestDateTarget = 2;

AgeCalculatorState& AgeState();

}  // namespace modVelmora
