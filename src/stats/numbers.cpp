#include "stats/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace modVelmora {

namespace {

// A finite non-negative value as decimal digits: value = 0.digits x 10^pointPosition.
// Fixed patterns take 15 significant digits, all a double holds reliably, so
// 1.005 is treated as the half it was typed as.
struct Decimal {
    char digits[24];  // up to 17 significant digits and a carry
    int count = 0;
    int pointPosition = 0;
};

// significantDigits 0 gives the shortest digits that read back as the value.
Decimal toDecimal(double magnitude, int significantDigits) {
    // to_chars never consults the process locale, which Qt sets from the environment.
    char buffer[64];
    char* const end = buffer + sizeof buffer;
    const auto written = significantDigits > 0
                             ? std::to_chars(buffer, end, magnitude, std::chars_format::scientific, significantDigits - 1)
                             : std::to_chars(buffer, end, magnitude, std::chars_format::scientific);
    // "d.ddde+XX", or "de+XX" for a single digit.
    const char* p = std::find(buffer, written.ptr, 'e');
    Decimal d;
    d.digits[d.count++] = buffer[0];
    for (const char* digit = buffer + 2; buffer[1] == '.' && digit < p; ++digit) d.digits[d.count++] = *digit;
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), written.ptr, exponent);
    d.pointPosition = exponent + 1;
    return d;
}

// Keeps the first keep digits, rounding the rest half away from zero.
void roundDigits(Decimal& d, int keep) {
    if (keep < 0) {
        d.digits[0] = '0';
        d.count = d.pointPosition = 1;
        return;
    }
    if (keep >= d.count) return;
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        std::copy_backward(d.digits, d.digits + d.count, d.digits + d.count + 1);
        d.digits[0] = '1';
        ++d.count;
        ++d.pointPosition;
    }
}

char digitAt(const Decimal& d, int index) { return index >= 0 && index < d.count ? d.digits[index] : '0'; }

bool allZero(const std::string& s) { return s.find_first_not_of("0.") == std::string::npos; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string NumericPrefixText(std::string_view text) {
    std::string number;
    bool seenPoint = false;
    for (char c : text) {
        if (isBlank(c)) continue;
        if (isDigit(c)) {
            number += c;
        } else if (c == '-' && number.empty()) {
            number += c;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            number += c;
        } else {
            break;
        }
    }
    if (number.find_first_of("0123456789") == std::string::npos) return text.empty() ? "" : "0";
    return number;
}

double ReadNumericPrefix(std::string_view text) {
    const std::string number = NumericPrefixText(text);
    const bool negative = !number.empty() && number[0] == '-';
    std::string_view digits(number);
    if (negative) digits.remove_prefix(1);
    if (digits.empty()) return 0;

    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Hundreds of digits: too large for a double, or a fraction too small.
        const bool tiny = digits.find_first_not_of("0.") > digits.find('.');
        value = tiny ? 0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

namespace {

// A number's digits without sign or point, and how many of them follow the point.
struct Digits {
    bool negative = false;
    std::string digits;
    std::size_t decimals = 0;
};

Digits digitsOf(std::string_view text) {
    const std::string number = NumericPrefixText(text);
    const std::size_t point = number.find('.');
    Digits d;
    d.negative = !number.empty() && number[0] == '-';
    for (const char c : number)
        if (isDigit(c)) d.digits += c;
    if (point != std::string::npos) d.decimals = number.size() - point - 1;
    return d;
}

}  // namespace

double DecimalDifference(std::string_view a, std::string_view b) {
    Digits x = digitsOf(a), y = digitsOf(b);
    y.negative = !y.negative;  // a - b as a + (-b)
    // Aligned at the point and to one length, a digit to spare for a carry.
    const std::size_t decimals = std::max(x.decimals, y.decimals);
    x.digits.append(decimals - x.decimals, '0');
    y.digits.append(decimals - y.decimals, '0');
    const std::size_t width = std::max(x.digits.size(), y.digits.size()) + 1;
    x.digits.insert(0, width - x.digits.size(), '0');
    y.digits.insert(0, width - y.digits.size(), '0');
    // Like signs add; unlike ones take the smaller magnitude from the larger, whose sign the result has.
    const bool adding = x.negative == y.negative;
    if (!adding && x.digits < y.digits) std::swap(x, y);
    std::string sum(width, '0');
    int carry = 0;
    for (std::size_t i = width; i-- > 0;) {
        int digit = x.digits[i] - '0' + (adding ? y.digits[i] - '0' : '0' - y.digits[i]) + carry;
        carry = digit >= 10 ? 1 : digit < 0 ? -1 : 0;
        sum[i] = char('0' + digit - 10 * carry);
    }
    const std::size_t point = width - decimals;
    return ReadNumericPrefix((x.negative ? "-" : "") + sum.substr(0, point) + "." + sum.substr(point));
}

double RoundToPlaces(double v, int places) {
    static constexpr double kPowersOfTen[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    const double scale = places >= 0 && places <= 8 ? kPowersOfTen[places] : std::pow(10.0, places);
    const double rounded = std::nearbyint(v * scale) / scale;
    return std::isfinite(rounded) ? rounded : v;
}

namespace {

// The digits of d rounded to places decimals (halves away from zero), with
// its sign unless it rounds to zero.
std::string fixedText(Decimal d, bool negative, int places) {
    roundDigits(d, d.pointPosition + places);
    std::string text;
    text.reserve(static_cast<size_t>(std::max(d.pointPosition, 1) + places + 2));
    if (d.pointPosition <= 0) text += '0';
    for (int i = 0; i < d.pointPosition; ++i) text += digitAt(d, i);
    if (places > 0) text += '.';
    for (int i = 0; i < places; ++i) text += digitAt(d, d.pointPosition + i);
    if (negative && !allZero(text)) text.insert(text.begin(), '-');
    return text;
}

}  // namespace

std::string FormatFixed(double v, int places) {
    if (!std::isfinite(v)) return {};
    return fixedText(toDecimal(std::fabs(v), 15), v < 0, places);
}

bool ShowableFigure(double v) { return std::isfinite(v) && std::fabs(v) < 999999999999.0; }

std::string PValueText(double p) {
    const std::string shown = FormatFixed(p, 3);
    return shown == "0.000" ? "< 0.001" : shown;
}

std::string FormatWithPoint(double v, int maxPlaces) {
    if (!std::isfinite(v)) return {};
    // The shortest digits that read back as v, so binary noise never shows.
    std::string text = fixedText(toDecimal(std::fabs(v), 0), v < 0, maxPlaces);
    if (text.find('.') == std::string::npos) return text + ".";
    while (text.back() == '0') text.pop_back();
    return text;
}

std::string FormatPlaces(double value, unsigned places) {
    if (places > 4) return {};
    return FormatFixed(value, static_cast<int>(places));
}

unsigned ZScorePlaces(unsigned decimals) { return std::max(decimals, 2u); }

std::string FormatGeneral(double v, int significantDigits) {
    if (!std::isfinite(v)) return {};
    if (v == 0) return "0";
    Decimal d = toDecimal(std::fabs(v), significantDigits);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    const int exponent = d.pointPosition - 1;
    const int count = d.count;
    const std::string_view digits(d.digits, static_cast<size_t>(count));

    std::string text = v < 0 ? "-" : "";
    if (exponent < -4 || exponent >= significantDigits) {
        text += d.digits[0];
        if (count > 1) text.append(".").append(digits.substr(1));
        const std::string power = std::to_string(std::abs(exponent));
        return text + (exponent < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
    }
    if (d.pointPosition <= 0) {
        text.append("0.").append(static_cast<size_t>(-d.pointPosition), '0');
        return text.append(digits);
    }
    for (int i = 0; i < d.pointPosition; ++i) text += digitAt(d, i);
    if (count > d.pointPosition) text.append(".").append(digits.substr(static_cast<size_t>(d.pointPosition)));
    return text;
}

}  // namespace modVelmora
