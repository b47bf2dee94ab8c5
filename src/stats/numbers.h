#pragma once

#include <string>
#include <string_view>

// Reading typed numbers and writing shown ones. Both use "." as the decimal
// point whatever the process locale; a window swaps in the user's separator
// when it shows the text.

namespace modVelmora {

// The value of the longest leading part of text that reads as a decimal
// number (optional minus, digits, optional point and digits). Blanks, tabs
// and line feeds are skipped anywhere; text with no such part reads as 0.
// "12abc" is 12, "1.2.3" is 1.2, ".5" is 0.5 and a lone "-" is 0. Always finite.
double ReadNumericPrefix(std::string_view text);
// The part of text that ReadNumericPrefix reads, blanks left out ("31.4" of "31.4\n", "12" of
// "12abc"); "0" for a text that reads as 0 without a digit, and empty for an empty text.
std::string NumericPrefixText(std::string_view text);

// a - b for two texts read as ReadNumericPrefix reads them, worked out in decimal digits before
// it becomes a double: 1000.03 - 1000 is 0.03 to the last digit, so a quotient of it that is
// exactly a half-step rounds as typed.
double DecimalDifference(std::string_view a, std::string_view b);

// v rounded to places decimals, halves to the even neighbour.
double RoundToPlaces(double v, int places);

// v with exactly places decimals, halves away from zero, at least one digit
// before the separator. A value that rounds to zero shows no minus sign.
// Non-finite values give the empty text.
std::string FormatFixed(double v, int places);

// A figure the program can show: finite, with at most 12 digits before the decimal point however
// it is rounded. A result beyond it comes only from extreme entries and is refused.
bool ShowableFigure(double v);

// A probability with three decimals, or "< 0.001" for one that shows as 0.000.
std::string PValueText(double p);

// The pattern "0.####...": at least one integer digit, always the point, at
// most maxPlaces decimals (rounded half away from zero), no trailing zeros;
// 15 gives "15.", 0.25 "0.25". Non-finite values give the empty text.
std::string FormatWithPoint(double v, int maxPlaces);

// The fixed pattern "0", "0.0" ... "0.0000" for 0 to 4 places; any larger
// count gives the empty text.
std::string FormatPlaces(double value, unsigned places);

// The places a z-score is shown with: the decimals, but at least 2.
unsigned ZScorePlaces(unsigned decimals);

// The general number form: at most significantDigits digits, no trailing
// zeros, exponent form ("1E+15", "1E-05") for magnitudes of
// 10^significantDigits or more or below 10^-4. Non-finite values give "".
std::string FormatGeneral(double v, int significantDigits);

}  // namespace modVelmora
