#include "settings/colors.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace cardwise {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A channel byte as linear light; a table, because the pages colour many thousands of cells.
double LinearChannel(unsigned byte) {
  static const std::array<double, 256> kLinear = [] {
    std::array<double, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
      const double value = static_cast<double>(i) / 255.0;
      table[i] = value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    }
    return table;
  }();
  return kLinear[byte & 0xFFu];
}

constexpr ColorValue kBlack = 0x000000;
constexpr ColorValue kWhite = 0xFFFFFF;

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

double RelativeLuminance(ColorValue color) {
  return 0.2126 * LinearChannel(color) + 0.7152 * LinearChannel(color >> 8) +
         0.0722 * LinearChannel(color >> 16);
}

double ContrastRatio(ColorValue first, ColorValue second) {
  const double a = RelativeLuminance(first) + 0.05;
  const double b = RelativeLuminance(second) + 0.05;
  return a > b ? a / b : b / a;
}

ColorValue TextColorOn(ColorValue background) {
  return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

}  // namespace cardwise
