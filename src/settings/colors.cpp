#include "settings/colors.h"

#include <cstddef>

namespace cardwise {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

ColorValue HtmlToColor(std::string_view text) {
  // The digits RRGGBB, padded with "0" on the right when the text holds fewer than six.
  int digits[6] = {0, 0, 0, 0, 0, 0};
  std::size_t count = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) continue;
    digits[count++] = digit;
    if (count == 6) break;
  }
  const auto byte = [&](int first) {
    return static_cast<ColorValue>(digits[first] * 16 + digits[first + 1]);
  };
  return byte(0) | byte(2) << 8 | byte(4) << 16;
}

std::string ColorToHtml(ColorValue value) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (int shift : {0, 8, 16}) {  // red, green, blue
    const unsigned byte = (value >> shift) & 0xFFu;
    text += kHex[byte >> 4];
    text += kHex[byte & 0xFu];
  }
  return text;
}

}  // namespace cardwise
