#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace cardwise {
namespace {

TEST(CodepageCase, LetterPairsMapBothWaysOtherBytesStay) {
  const struct {
    int lower, upper;
  } pairs[] = {{'a', 'A'},   {'z', 'Z'},   {0xE0, 0xC0}, {0xF6, 0xD6}, {0xFE, 0xDE}, {0x9A, 0x8A},
               {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}, {0xF7, 0xF7}, {0xD7, 0xD7}, {0xDF, 0xDF},
               {0xB5, 0xB5}, {'1', '1'},   {'[', '['},   {0x80, 0x80}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.lower);
    EXPECT_EQ(UpperChar(pair.lower), pair.upper);
    EXPECT_EQ(LowerChar(pair.upper), pair.lower);
    EXPECT_EQ(UpperChar(pair.upper), pair.upper);
    EXPECT_EQ(LowerChar(pair.lower), pair.lower);
  }
  EXPECT_EQ(UpperCase("Malm\xF6 \xDF x\xF7y"), "MALM\xD6 \xDF X\xF7Y");
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(CodepageCompare, OrdersUpperCasedUnsignedBytes) {
  const struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {{"abc", "ABC", 0},   {"ab", "abc", -1}, {"", "a", -1}, {"\xE9t\xE9", "\xC9T\xC9", 0},
               {"z", "\xE9", -1},  // bytes above 0x7F sort after ASCII
               {"_", "a", 1},      // compared as "A" (0x41), below "_" (0x5F)
               {"\xFF", "\x9F", 0}, {"b", "A", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(Sign(CompareText(c.a, c.b)), c.sign);
    EXPECT_EQ(Sign(CompareText(c.b, c.a)), -c.sign);
    EXPECT_EQ(SameText(c.a, c.b), c.sign == 0);
  }
}

TEST(CodepageDos, ReplacesOnlyTheLetterTable) {
  EXPECT_EQ(DosToWindows("\x81\x82\x84\x86\x8E\x8F\x90\x94\x99\x9A\xA0"),
            "\xFC\xE9\xE4\xE5\xC4\xC5\xC9\xF6\xD6\xDC\xE1");
  EXPECT_EQ(DosToWindows(std::string("A\x83\x91\xFF\0z", 6)), std::string("A\x83\x91\xFF\0z", 6));
}

TEST(CodepageUtf8, ConvertsBothWaysAndEveryByteRoundTrips) {
  const struct {
    const char* windows;
    const char* utf8;
  } cases[] = {{"Abc", "Abc"},       {"\xE9", "\xC3\xA9"}, {"\x80", "\xE2\x82\xAC"},
               {"\x9F", "\xC5\xB8"}, {"\x81", "\xC2\x81"}, {"\x99", "\xE2\x84\xA2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.windows);
    EXPECT_EQ(Windows1252ToUtf8(c.windows), c.utf8);
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.windows);
  }
  std::string all;
  for (int c = 0; c < 256; ++c)
    all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(CodepageUtf8, ForeignCharactersAndInvalidBytes) {
  const struct {
    const char* utf8;
    const char* windows;
  } cases[] = {{"\xE6\x97\xA5", "?"},
               {"\xF0\x9F\x8F\x8C!", "?!"},
               {"\xC2\x85", "?"},                  // a C1 control the code page lacks
               {"Malm\xF6", "Malm\xF6"},           // already Windows-1252
               {"\xC0\xAF", "\xC0\xAF"},           // overlong form
               {"\xE2\x82", "\xE2\x82"},           // cut short
               {"\xED\xA0\x80", "\xED\xA0\x80"}};  // surrogate
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.windows);
  }
}

}  // namespace
}  // namespace cardwise
