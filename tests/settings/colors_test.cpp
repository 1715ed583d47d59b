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

constexpr ColorValue kBlack = 0x000000, kWhite = 0xffffff;

TEST(ColorsTest, ContrastFollowsTheRelativeLuminanceFormula) {
  struct Case {
    const char* Back;
    ColorValue Text;
    double Ratio;  // of the chosen text colour
  };
  const Case cases[] = {
      {"000000", kWhite, 21.0}, {"ffffff", kBlack, 21.0}, {"4444ff", kWhite, 5.97},
      {"ff0000", kBlack, 5.25}, {"0000ff", kWhite, 8.59}, {"00ff00", kBlack, 15.3},
      {"767676", kBlack, 4.62}, {"757575", kWhite, 4.61}, {"eeeeaa", kBlack, 17.45}};
  for (const Case& c : cases) {
    const ColorValue back = HtmlToColor(c.Back);
    EXPECT_EQ(TextColorOn(back), c.Text) << c.Back;
    EXPECT_NEAR(ContrastRatio(back, TextColorOn(back)), c.Ratio, 0.01) << c.Back;
    EXPECT_DOUBLE_EQ(ContrastRatio(back, c.Text), ContrastRatio(c.Text, back));
  }
  // Whatever colour a user picks, the text chosen on it passes the 4.5:1 of level AA.
  for (ColorValue r = 0; r < 256; r += 5)
    for (ColorValue g = 0; g < 256; g += 5)
      for (ColorValue b = 0; b < 256; b += 5) {
        const ColorValue back = r | g << 8 | b << 16;
        ASSERT_GE(ContrastRatio(back, TextColorOn(back)), 4.5) << ColorToHtml(back);
      }
}

}  // namespace
}  // namespace cardwise
