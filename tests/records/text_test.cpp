// Texts and numbers as the data files and the user write them.

#include "records/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <tuple>

#include "records/numbers.h"
#include "records/process_info.h"
#include "records_fixture.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;

TEST(TextTest, ExtractField) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"a;;b", 1, "a"}, {"a;;b", 2, ""}, {"a;;b", 3, "b"},     {"a;;b", 4, ""},
      {"a;;b", 0, ""},  {"", 1, ""},     {" x ; y ", 2, " y "}};
  for (const auto& [text, n, expected] : cases)
    EXPECT_EQ(ExtractField(text, n, ';'), expected) << text << " n=" << n;
  // Only the first 255 characters count.
  EXPECT_EQ(ExtractField(std::string(253, 'a') + ";bc", 2, ';'), "b");
  EXPECT_EQ(ExtractField(std::string(300, 'x') + ";tail", 2, ';'), "");
}

// Only a name typed in one case is changed; one with capitals and small letters is as typed.
TEST(TextTest, ProperCase) {
  const std::pair<std::string, std::string> names[] = {
      {"JOHN O'NEIL-SMITH", "John O'neil-Smith"},
      {"st.andrews  links", "St.Andrews  Links"},
      {"\xC9MILE \xD6STERBERG", "\xC9mile \xD6sterberg"},  // Windows-1252 letters
      {"\xE9mile \xF6sterberg", "\xC9mile \xD6sterberg"},
      {"Fiona McAllister", "Fiona McAllister"},
      {"van der Berg", "van der Berg"},
      {"O'Neil", "O'Neil"},
      {"JOHN o'neil", "JOHN o'neil"},
      {"\xC9mile \xF6sterberg", "\xC9mile \xF6sterberg"},
      {"J. 2nd", "J. 2nd"},
      {"123 - 45", "123 - 45"},
      {std::string(100, 'A'), "A" + std::string(79, 'a')},
      {std::string(80, 'a') + "B", "A" + std::string(79, 'a')},  // the capital is cut off first
  };
  for (const auto& [text, expected] : names)
    EXPECT_EQ(ProperCase(text), expected) << text;
}

using NumbersTest = testing::FormatsTest;

TEST_F(NumbersTest, ParseDecimal) {
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"12,4", 12.4}, {" -1,5 ", -1.5}, {"+2", 2.0}, {".5", 0.5}, {"1e2", 100.0}, {"", {}},
      {"12.4x", {}},  {"1,234.5", {}},  {"1 2", {}}, {"-", {}},   {"inf", {}},    {"0x10", {}}};
  testing::SetFormats("yyyy-mm-dd", '-', '.');
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ParseDecimal(text), expected) << text;
  // A point is still read where the user writes commas.
  testing::SetFormats("yyyy-mm-dd", '-', ',');
  EXPECT_EQ(ParseDecimal("12.4"), 12.4);
}

// A handicap beyond the range of its field once became infinity and was saved as "inf", a
// line no later load could read (found by the data-file fuzz target).
TEST_F(NumbersTest, ParseSingleRefusesNumbersBeyondItsRange) {
  const std::pair<std::string, std::optional<float>> cases[] = {
      {"12,5", 12.5f}, {"-3.4e38", -3.4e38f}, {"3.5e38", {}}, {"-1e39", {}}, {"x", {}}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ParseSingle(text), expected) << text;
}

TEST_F(NumbersTest, ParseWholeNumber) {
  const std::pair<std::string, std::optional<int>> cases[] = {
      {"42", 42},  {" -7 ", -7}, {"+3", 3},   {"-2147483648", INT_MIN}, {"", {}}, {"4.0", {}},
      {"12x", {}}, {"+-1", {}},  {"1 2", {}}, {"2147483648", {}}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ParseWholeNumber(text), expected) << text;
}

TEST_F(NumbersTest, FormatOneDecimal) {
  // 71.25 is an exact half: printf rounds it to the even digit.
  const std::tuple<double, std::string, std::string> cases[] = {
      {12.44, "12.4", "12,4"}, {3, "3.0", "3,0"},       {-1.5, "-1.5", "-1,5"},
      {128, "128.0", "128,0"}, {-0.04, "-0.0", "-0,0"}, {71.25, "71.2", "71,2"}};
  for (const auto& [value, point, comma] : cases) {
    testing::SetFormats("yyyy-mm-dd", '-', '.');
    EXPECT_EQ(FormatOneDecimal(value), point);
    testing::SetFormats("yyyy-mm-dd", '-', ',');
    EXPECT_EQ(FormatOneDecimal(value), comma);
    EXPECT_NEAR(DecimalOrZero(FormatOneDecimal(value)), value, 0.05) << comma;
  }
}

}  // namespace
}  // namespace cardwise
