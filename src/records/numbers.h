#pragma once
// Numbers as the data files write and read them.

#include <optional>
#include <string>
#include <string_view>

namespace cardwise {

// "%2.1f" with the user's decimal separator: at least two characters, one decimal
// (12.4, 3.0, -1.5, or 12,4 where the decimal separator is a comma).
std::string FormatOneDecimal(double value);

// A number with a fraction: a comma is taken as a decimal point whatever the locale; blanks
// around it are ignored. nullopt when the text holds no number.
std::optional<double> ParseDecimal(std::string_view text);
// ParseDecimal, with 0 for a text that holds no number.
double DecimalOrZero(std::string_view text);
// ParseDecimal for the single-precision fields (handicaps, course rating, slope): nullopt also
// for a number beyond their range, which would be kept as infinity and written as "inf".
std::optional<float> ParseSingle(std::string_view text);

// A whole number: optional sign and decimal digits, blanks around it ignored, in the range of
// int. nullopt when the text is anything else.
std::optional<int> ParseWholeNumber(std::string_view text);
int WholeNumberOr(std::string_view text, int fallback);

// Rounds to the nearest whole number, a half going to the even neighbour (12.5 gives 12).
int RoundHalfEven(double value);

}  // namespace cardwise
