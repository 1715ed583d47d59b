#include "records/dates.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "records_fixture.h"

namespace cardwise {
namespace {

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
