#pragma once
// Number formatting and parsing as the program shows and stores numbers.
#include <string>
#include <string_view>

namespace ondivel {

// Formats like the classic Format function with a numeric pattern: "0.00", "000.0", "##",
// "####0.0", "#0.00" … Digits are rounded half away from zero; the decimal separator is ".".
// A leading "-" is written for negative values that do not round to zero.
std::string FormatNumber(double value, std::string_view pattern);

// Replaces every occurrence of `from` in `text` by `to`, scanning left to right and resuming
// after each inserted replacement; an empty text or an empty `from` leaves the text unchanged.
void Remplacer(std::string& text, std::string_view from, std::string_view to);

// FormatNumber with every "." turned into ",": the read-outs always show a decimal comma.
std::string FormatComma(double value, std::string_view pattern);

// The trimmed decimal text of a number as written in the settings file: "12", "0.5", "-3.25",
// at most 15 significant digits, never an exponent for |value| in [1e-9, 1e15).
std::string NumberText(double value);

// Lenient numeric conversion: leading blanks skipped, optional sign, digits with "." (or ",")
// as decimal separator, optional exponent; anything that is not a number reads as 0, and a
// number followed by other text reads as its leading number ("12abc" is 12).
double Val(std::string_view text);

// Rounds half to even, the rule of the classic integer conversion.
double RoundHalfEven(double value);

} // namespace ondivel
