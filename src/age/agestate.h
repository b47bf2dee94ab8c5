#pragma once

#include <QDate>

// What the age calculator remembers for the whole run, across module switches.

namespace modVelmora {

struct AgeCalculatorState {
    QDate birthDate;  // the last date read from the birth date box; null until then
    QDate testDate;   // the last date read from the test date box; null until then
};

AgeCalculatorState& AgeState();

}  // namespace modVelmora
