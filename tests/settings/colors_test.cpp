#include "settings/colors.h"

#include <gtest/gtest.h>

namespace cardwise {
namespace {

TEST(ColorsTest, HtmlToColorReadsTheFirstSixHexDigitsAsRedGreenBlue) {
  struct Case {
    const char* text;
    ColorValue value;
  };
  const Case cases[] = {
      {"#ff5555", 0x5555ff},   {"#1A2b3C", 0x3c2b1a},
      {"1a2b3c", 0x3c2b1a},    {"#FFFFFF", 0xffffff},
      {"", 0x000000},          {"#abc", 0x00c0ab},
      {"#12345678", 0x563412}, {"zz12 yy34-56", 0x563412},
      {"#gg0000", 0x000000},   {"rgb(1,2,3)", 0x0023b1},  // the "b" of "rgb" is a digit too
  };
  for (const Case& c : cases)
    EXPECT_EQ(HtmlToColor(c.text), c.value) << c.text;
}

TEST(ColorsTest, ColorToHtmlWritesSixLowerCaseDigitsWithoutHash) {
  struct Case {
    ColorValue value;
    const char* text;
  };
  const Case cases[] = {
      {0x3c2b1a, "1a2b3c"}, {0x000000, "000000"},   {0xffffff, "ffffff"},
      {0x0000ff, "ff0000"}, {0xff563412, "123456"},  // the unused high byte is ignored
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorToHtml(c.value), c.text);
    EXPECT_EQ(HtmlToColor(ColorToHtml(c.value)), c.value & 0xffffffu);
  }
}

}  // namespace
}  // namespace cardwise
