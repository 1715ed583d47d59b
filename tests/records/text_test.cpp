// Texts, numbers, dates and times as the data files and the user write them.

#include "records/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <tuple>

#include "records/dates.h"
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

constexpr DateTime k20020615 = 37422;

DateTime Time(int h, int n, int s) {
  return EncodeTime(h, n, s).value();
}

using DatesTest = testing::FormatsTest;

const CalendarDate kToday = DecodeDate(Today());

TEST_F(DatesTest, EncodeAndDecodeKnownDays) {
  const std::tuple<int, int, int, DateTime> cases[] = {
      {1899, 12, 30, 0},    {1900, 3, 1, 61},   {2002, 6, 15, 37422},
      {2000, 2, 29, 36585}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465}};
  for (const auto& [year, month, day, value] : cases) {
    EXPECT_EQ(EncodeDate(year, month, day), value);
    // The time of day does not change the date; before 1899-12-30 it counts away from zero.
    const CalendarDate date = DecodeDate(value < 0 ? value - 0.75 : value + 0.75);
    EXPECT_EQ(std::tie(date.year, date.month, date.day), std::tie(year, month, day)) << value;
  }
  EXPECT_FALSE(EncodeDate(2002, 2, 30) || EncodeDate(2001, 2, 29) || EncodeDate(2002, 13, 1) ||
               EncodeDate(0, 1, 1) || EncodeDate(10000, 1, 1));
  EXPECT_FALSE(EncodeTime(24, 0, 0) || EncodeTime(23, 60, 0) || EncodeTime(23, 59, 60));
  EXPECT_EQ(DecodeDate(1e300).year, 0);  // out of range: no date, no crash
}

TEST_F(DatesTest, FormatDateTime) {
  const DateTime morning = k20020615 + Time(9, 5, 7), afternoon = k20020615 + Time(13, 30, 0);
  const DateTime lastMoment = k20020615 + 0.99999999, halfSecond = Time(10, 30, 0) + 0.6 / 86400;
  const std::tuple<std::string, DateTime, std::string> cases[] = {
      {"yymmdd", morning, "020615"},
      {"d.m.yy h:n:s", morning, "15.6.02 9:5:7"},
      {"hh:nn ampm", morning, "09:05 AM"},
      {"h:nn ampm", afternoon, "1:30 PM"},
      {"hh ampm", k20020615, "12 AM"},
      {"Date: dd", morning, "Date: 15"},
      {"yymmdd hhnnss", lastMoment, "020616 000000"},
      {"hh:nn:ss", halfSecond, "10:30:01"},
      {"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00"}};
  for (const auto& [pattern, value, expected] : cases)
    EXPECT_EQ(FormatDateTime(pattern, value), expected);
  testing::SetFormats("dd.mm.yyyy", '.', '.');
  EXPECT_EQ(ShortDateText(morning) + " " + LongTimeText(morning), "15.06.2002 09:05:07");
}

TEST_F(DatesTest, NormalizeDXDate) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"020615", 2002, "2002-06-15"}, {"0206", 2002, "2002-06-01"},
      {"2002", 2002, "2002-01-01"},   {"02", 2002, "2002-01-01"},
      {"0206??", 2002, "2002-06-11"}, {"0206151", 2002, "2002-06-15"},
      {"2002", 2026, "2002-01-01"},   {"99", 2026, "2099-01-01"},
      {"2506", 2026, "2025-06-01"},   {"0206", 1999, "1902-06-01"},
      {"12345", 2026, "12345"},       {"2002-06-15-xy", 2026, "2002-06-15-x"}};
  for (const auto& [text, year, expected] : cases)
    EXPECT_EQ(NormalizeDXDate(text, year), expected) << text;
}

TEST_F(DatesTest, ParseDateInTheIsoLocale) {
  for (const char* text : {"2002-06-15", "2002-6-15", "6/15/2002", "6.15.2002"})
    EXPECT_EQ(ParseDate(text), k20020615) << text;
  EXPECT_EQ(ParseDate(""), Today());
  EXPECT_EQ(ParseDate("1/x/2002"), EncodeDate(2002, 1, kToday.day));  // today's day kept
  EXPECT_EQ(ParseDate("x/15/2002"), Today());  // "x" is the separator: no field is a number
  EXPECT_FALSE(ParseDate("2002-02-30"));
  EXPECT_FALSE(ParseDate("13/1/2002"));
}

TEST_F(DatesTest, ParseDateInADottedLocale) {
  testing::SetFormats("dd.mm.yyyy", '.', '.');
  for (const char* text : {"2002-06-15", "6/15/2002", "15.06.2002", "15.06.02", "15. 06 .2002"})
    EXPECT_EQ(ParseDate(text), k20020615) << text;
  EXPECT_EQ(ParseDate("02-06-15"), EncodeDate(2, 6, 15));  // no widening without the separator
  EXPECT_EQ(ParseDate("2002--15"), EncodeDate(2002, kToday.month, 15));
  for (const char* text : {"ab.c", "30.02.2002", "15.06.2002.1", "15.06.2002 10:00", "."})
    EXPECT_FALSE(ParseDate(text)) << text;
}

TEST_F(DatesTest, StrToDateFollowsTheFormatOrder) {
  testing::SetFormats("mm/dd/yyyy", '/', '.');
  EXPECT_EQ(StrToDate(" 06 / 15 / 02 "), EncodeDate(kToday.year / 100 * 100 + 2, 6, 15));
  EXPECT_EQ(StrToDate("6/15"), EncodeDate(kToday.year, 6, 15));
  for (const char* text : {"15/6/2002", "6/x/2002", "2002", "", "6/15/2002/1"})
    EXPECT_FALSE(StrToDate(text)) << text;
  testing::SetFormats("yyyy-mm-dd", '-', '.');
  EXPECT_EQ(StrToDate("06-15"), EncodeDate(kToday.year, 6, 15));
}

TEST_F(DatesTest, ParseTime) {
  const std::pair<const char*, int> seconds[] = {{"10:30", 37800},    {"10:30:15", 37815},
                                                 {" 9:05 ", 32700},   {"12:00 AM", 0},
                                                 {"12:00 PM", 43200}, {"1:15pm", 47700}};
  for (const auto& [text, second] : seconds)
    EXPECT_NEAR(ParseTime(text).value_or(-1), second / 86400.0, 1e-9) << text;
  for (const char* text : {"24:00", "10:60", "10:30:60", "13:00 PM", "0:30 AM", "", "10", "1:2:3:4",
                           "10:30 XM", "-1:30"})
    EXPECT_FALSE(ParseTime(text)) << text;
}

}  // namespace
}  // namespace cardwise
