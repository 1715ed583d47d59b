#include "records/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

#include "platform/locale_formats.h"

namespace cardwise {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view StripBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// from_chars reads no "+"; a plus sign directly before the number is allowed here as it was by
// the conversions the data files were written for.
std::string_view DropPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  return text;
}

// Only plain decimal notation (with an optional exponent) is a number: no "inf", "nan" or
// hexadecimal forms, which from_chars would otherwise accept.
bool HasOnlyNumberCharacters(std::string_view text) {
  bool digit = false;
  for (char c : text) {
    if (c >= '0' && c <= '9')
      digit = true;
    else if (c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E')
      return false;
  }
  return digit;
}

}  // namespace

std::string FormatOneDecimal(double value) {
  // to_chars rather than printf: the C library's radix character follows the process locale,
  // while the separator written here must be the one of CurrentFormats().
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
  std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0.0");
  for (char& c : text) {
    if (c == '.') c = CurrentFormats().DecimalSeparator;
  }
  if (text.size() < 2) text.insert(0, 2 - text.size(), ' ');
  return text;
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::string number(DropPlus(StripBlanks(text)));
  for (char& c : number) {
    if (c == ',') c = '.';
  }
  if (!HasOnlyNumberCharacters(number)) return std::nullopt;
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

double DecimalOrZero(std::string_view text) {
  return ParseDecimal(text).value_or(0.0);
}

std::optional<float> ParseSingle(std::string_view text) {
  const std::optional<double> value = ParseDecimal(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<int> ParseWholeNumber(std::string_view text) {
  // Up to nine plain digits, the form of nearly every number in a data file, are read directly.
  if (!text.empty() && text.size() <= 9) {
    int value = 0;
    std::size_t i = 0;
    for (; i < text.size() && static_cast<unsigned char>(text[i] - '0') <= 9; ++i)
      value = value * 10 + (text[i] - '0');
    if (i == text.size()) return value;
  }
  const std::string_view number = DropPlus(StripBlanks(text));
  if (number.empty() || number.front() == '+') return std::nullopt;
  int value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

int WholeNumberOr(std::string_view text, int fallback) {
  return ParseWholeNumber(text).value_or(fallback);
}

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  double rounded = std::round(value);  // halves away from zero
  if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
    rounded -= std::copysign(1.0, value);
  }
  return static_cast<int>(rounded);
}

}  // namespace cardwise
