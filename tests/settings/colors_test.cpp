#include "settings/colors.h"

#include <gtest/gtest.h>

#include <utility>

namespace cardwise {
namespace {

TEST(ColorsTest, HtmlToColorReadsTheFirstSixHexDigitsAsRedGreenBlue) {
  const std::pair<const char*, ColorValue> cases[] = {
      {"#1A2b3C", 0x3c2b1a}, {"1a2b3c", 0x3c2b1a},    {"", 0x000000},
      {"#abc", 0x00c0ab},    {"#12345678", 0x563412}, {"zz12 yy34-56", 0x563412},
      {"#gg0000", 0x000000}, {"rgb(1,2,3)", 0x0023b1}};  // the "b" of "rgb" is a digit too
  for (const auto& [text, value] : cases)
    EXPECT_EQ(HtmlToColor(text), value) << text;
}

TEST(ColorsTest, ColorToHtmlWritesSixLowerCaseDigitsWithoutHash) {
  // The unused high byte is ignored.
  const std::pair<ColorValue, const char*> cases[] = {
      {0x3c2b1a, "1a2b3c"}, {0x000000, "000000"}, {0x0000ff, "ff0000"}, {0xff563412, "123456"}};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(ColorToHtml(value), text);
    EXPECT_EQ(HtmlToColor(ColorToHtml(value)), value & 0xffffffu);
  }
}

}  // namespace
}  // namespace cardwise
