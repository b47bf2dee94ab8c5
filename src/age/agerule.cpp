#include "age/agerule.h"

namespace modVelmora {

Age ComputeAge(std::chrono::year_month_day birthDate, std::chrono::year_month_day testDate) {
    const int bd = static_cast<int>(static_cast<unsigned>(birthDate.day()));
    const int bm = static_cast<int>(static_cast<unsigned>(birthDate.month()));
    const int by = static_cast<int>(birthDate.year());
    int d = static_cast<int>(static_cast<unsigned>(testDate.day()));
    int m = static_cast<int>(static_cast<unsigned>(testDate.month()));
    int y = static_cast<int>(testDate.year());

    if (d < bd) {
        // Test manuals borrow a fixed 30 days, whatever the month's length.
        d += 30;
        m -= 1;
        if (m < bm) {
            m += 12;
            y -= 1;
        }
    } else if (m < bm) {
        m += 12;
        y -= 1;
    }
    return {y - by, m - bm, d - bd};
}

std::string AgeText(const Age& age) {
    return std::to_string(age.years) + " - " + std::to_string(age.months) + " - " +
           std::to_string(age.days);
}

}  // namespace modVelmora
