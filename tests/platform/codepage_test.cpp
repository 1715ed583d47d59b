// The Windows-1252 code page of the data files, and CSV fields.

#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "platform/csv.h"

namespace cardwise {
namespace {

// Lower and upper case of one byte; a byte without a partner is its own.
TEST(CodepageCase, LetterPairsMapBothWaysOtherBytesStay) {
  const std::pair<int, int> pairs[] = {{'z', 'Z'},   {0xE0, 0xC0}, {0xFE, 0xDE}, {0x9A, 0x8A},
                                       {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}, {0xF7, 0xF7},
                                       {0xD7, 0xD7}, {0xDF, 0xDF}, {0xB5, 0xB5}, {'[', '['}};
  for (const auto& [lower, upper] : pairs) {
    SCOPED_TRACE(lower);
    EXPECT_EQ(UpperChar(lower), upper);
    EXPECT_EQ(LowerChar(upper), lower);
    EXPECT_EQ(UpperChar(upper), upper);
    EXPECT_EQ(LowerChar(lower), lower);
  }
  EXPECT_EQ(UpperCase("Malm\xF6 \xDF x\xF7y"), "MALM\xD6 \xDF X\xF7Y");
  EXPECT_EQ(LowerCase("MALM\xD6 \xDF X\xF7Y"), "malm\xF6 \xDF x\xF7y");
}

// Bytes above 0x7F sort after ASCII; "_" (0x5F) sorts after "a", compared as "A" (0x41).
TEST(CodepageCompare, OrdersUpperCasedUnsignedBytes) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"ab", "abc", -1}, {"", "a", -1}, {"\xE9t\xE9", "\xC9T\xC9", 0},
      {"z", "\xE9", -1}, {"_", "a", 1}, {"\xFF", "\x9F", 0},
      {"b", "A", 1}};
  const auto sign = [](int value) { return (value > 0) - (value < 0); };
  for (const auto& [a, b, order] : cases) {
    SCOPED_TRACE(std::string(a) + " / " + b);
    EXPECT_EQ(sign(CompareText(a, b)), order);
    EXPECT_EQ(sign(CompareText(b, a)), -order);
    EXPECT_EQ(SameText(a, b), order == 0);
  }
}

TEST(CodepageUtf8, ConvertsBothWaysAndEveryByteRoundTrips) {
  const std::pair<const char*, const char*> cases[] = {{"Ab\xE9", "Ab\xC3\xA9"},
                                                       {"\x80", "\xE2\x82\xAC"},
                                                       {"\x9F", "\xC5\xB8"},
                                                       {"\x81", "\xC2\x81"},
                                                       {"\x99", "\xE2\x84\xA2"}};
  for (const auto& [windows, utf8] : cases) {
    EXPECT_EQ(Windows1252ToUtf8(windows), utf8);
    EXPECT_EQ(Utf8ToWindows1252(utf8), windows);
  }
  std::string all;
  for (int c = 0; c < 256; ++c)
    all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);

  // Characters the code page lacks become "?"; bytes that are no UTF-8 (an overlong form, a
  // sequence cut short, a surrogate) are taken as they are.
  const std::pair<const char*, const char*> oneWay[] = {
      {"\xE6\x97\xA5", "?"},           {"\xF0\x9F\x8F\x8C!", "?!"}, {"\xC2\x85", "?"},
      {"Malm\xF6", "Malm\xF6"},        {"\xC0\xAF", "\xC0\xAF"},    {"\xE2\x82", "\xE2\x82"},
      {"\xED\xA0\x80", "\xED\xA0\x80"}};
  for (const auto& [utf8, windows] : oneWay)
    EXPECT_EQ(Utf8ToWindows1252(utf8), windows) << utf8;
}

TEST(CsvTest, QuotesOnlyTheFieldsThatNeedIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"Mill Brook", "Mill Brook"},
      {"72.5", "72.5"},
      {" spaced ", " spaced "},
      {"Smith, John", "\"Smith, John\""},
      {"Jo; Anne", "\"Jo; Anne\""},
      {"Bill \"Bomber\" Bo", "\"Bill \"\"Bomber\"\" Bo\""},
      {"\"", "\"\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"J\xC3\xBCrgen", "J\xC3\xBCrgen"},
  };
  for (const auto& [text, field] : cases)
    EXPECT_EQ(CsvField(text), field) << text;
}

}  // namespace
}  // namespace cardwise
