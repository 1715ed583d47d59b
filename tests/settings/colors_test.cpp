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

}  // namespace
}  // namespace cardwise
