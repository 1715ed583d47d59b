#pragma once
// Date-time values: days since 1899-12-30 as a double, the time of day as the fraction
// (0.5 is noon). 0 means "no date". Formatting and reading follow the user's formats
// (CurrentFormats()); patterns use the tokens of locale_formats.h.

#include <optional>
#include <string>
#include <string_view>

namespace cardwise {

using DateTime = double;

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// nullopt for an impossible date (month 13, 30 February, year 0 or above 9999).
std::optional<DateTime> EncodeDate(int year, int month, int day);
std::optional<DateTime> EncodeTime(int hour, int minute, int second);
CalendarDate DecodeDate(DateTime value);

DateTime Now();    // local date and time
DateTime Today();  // local date, no fraction

// The value formatted by a pattern ("yymmdd", "hhnn", "yyyy", the user's short date, ...).
std::string FormatDateTime(std::string_view pattern, DateTime value);
std::string ShortDateText(DateTime value);  // the user's short date format
std::string LongTimeText(DateTime value);   // the user's long time format
std::string ShortTimeText(DateTime value);  // the user's short time format

// Completes the short date forms of the legacy files: yymmdd, yymm, yy, ccyy (and a seventh
// character dropped) become ccyy-mm-dd forms with cc the current century; "?" becomes "1".
// `currentYear` is for tests; 0 means the year of today.
std::string NormalizeDXDate(std::string_view text, int currentYear = 0);

// The date reader of the data files. A text holding the user's date separator is read in the
// user's short date format; otherwise the first non-digit is the separator, "-" giving
// year-month-day and any other month/day/year; a field that is not a number keeps today's
// value; an empty text is today. nullopt when the text does not give a real date.
std::optional<DateTime> ParseDate(std::string_view text);

// The platform's date conversion in the user's short date format (fields in the format's order,
// split at the date separator; a two-digit year in the current century; a missing year is the
// current one). nullopt when the text does not convert.
std::optional<DateTime> StrToDate(std::string_view text);

// The time reader: "h:n", "h:n:s", optionally followed by AM or PM. The result is the fraction
// of a day. nullopt when the text is not a time.
std::optional<DateTime> ParseTime(std::string_view text);

// The modification time of a file as a local date-time; nullopt when it cannot be read.
std::optional<DateTime> FileDateTime(const std::string& path);

}  // namespace cardwise
