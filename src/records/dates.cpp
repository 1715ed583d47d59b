#include "records/dates.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/locale_formats.h"
#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kSecondsPerDay = 86400;
constexpr sys_days kEpoch = sys_days(std::chrono::year(1899) / 12 / 30);
// Day numbers of 0001-01-01 and 9999-12-31, the range of EncodeDate.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

struct DayAndSecond {
  long long day = 0;
  int second = 0;  // of the day, 0..86399
};

struct Fields {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The whole day and the time of day rounded to the nearest second. A fraction that rounds up
// to a full day (23:59:59.9) belongs to the next day, so that the date and the time written
// for one value never disagree. Negative values keep the time as the absolute fraction
// (-1.25 is 29 December 1899, 06:00). nullopt outside the years 1 to 9999.
std::optional<DayAndSecond> Split(DateTime value) {
  if (!std::isfinite(value) || value <= kFirstDay - 1 || value >= kLastDay + 1) return std::nullopt;
  DayAndSecond result;
  result.day = static_cast<long long>(std::trunc(value));
  long long second = std::llround(std::fabs(value - std::trunc(value)) * kSecondsPerDay);
  if (second >= kSecondsPerDay) {
    second -= kSecondsPerDay;
    ++result.day;
  }
  result.second = static_cast<int>(second);
  return result;
}

CalendarDate DateOfDay(long long day) {
  const year_month_day date(kEpoch + days(day));
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

Fields FieldsOf(DateTime value) {
  const DayAndSecond split = Split(value).value_or(DayAndSecond{});
  const CalendarDate date = DateOfDay(split.day);
  return {date.year,        date.month, date.day, split.second / 3600, split.second / 60 % 60,
          split.second % 60};
}

std::string Padded(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

int ClockHour(int hour, bool twelveHour) {
  if (!twelveHour) return hour;
  return hour % 12 == 0 ? 12 : hour % 12;
}

// The value shown by the one-letter tokens (doubled for two digits); nullopt for other letters.
std::optional<int> NumberToken(char letter, const Fields& f, bool twelveHour) {
  switch (letter) {
    case 'm':
      return f.month;
    case 'd':
      return f.day;
    case 'h':
      return ClockHour(f.hour, twelveHour);
    case 'n':
      return f.minute;
    case 's':
      return f.second;
    default:
      return std::nullopt;
  }
}

// Appends the token at the start of `rest` (or its first character when it starts none) and
// returns how many pattern characters it used.
std::size_t AppendToken(std::string_view rest, const Fields& f, bool twelveHour, std::string& out) {
  std::size_t used = 1;
  if (rest.starts_with("yyyy")) {
    out += Padded(f.year, 4);
    used = 4;
  } else if (rest.starts_with("yy")) {
    out += Padded(f.year % 100, 2);
    used = 2;
  } else if (rest.starts_with("ampm")) {
    out += f.hour < 12 ? "AM" : "PM";
    used = 4;
  } else if (const std::optional<int> value = NumberToken(rest.front(), f, twelveHour)) {
    used = rest.size() > 1 && rest[1] == rest[0] ? 2 : 1;
    out += used == 2 ? Padded(*value, 2) : std::to_string(*value);
  } else {
    out += rest.front();
  }
  return used;
}

DateTime LocalDateTime(std::time_t time) {
  std::tm local{};
  if (localtime_r(&time, &local) == nullptr) return 0;
  const DateTime date =
      EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
  const DateTime clock =
      EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)).value_or(0);
  return date + clock;
}

int YearOfToday() {
  return DecodeDate(Today()).year;
}

// The text with "-" inserted before its position-th character (1-based).
std::string InsertBefore(std::string text, std::size_t position) {
  if (position >= 1 && position <= text.size() + 1) text.insert(position - 1, 1, '-');
  return text;
}

// Whole numbers of a date field: digits with blanks around them, nothing else.
std::optional<int> DateNumber(std::string_view field) {
  const std::string_view digits = TrimView(field);
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return ParseWholeNumber(digits);
}

// The letters 'y', 'm', 'd' in the order the short date format shows them; year-month-day
// when the format lacks one of them.
std::array<char, 3> DateOrder(std::string_view format) {
  std::array<std::pair<std::size_t, char>, 3> positions = {
      {{format.find('y'), 'y'}, {format.find('m'), 'm'}, {format.find('d'), 'd'}}};
  for (const auto& [position, letter] : positions) {
    if (position == std::string_view::npos) return {'y', 'm', 'd'};
  }
  std::sort(positions.begin(), positions.end());
  return {positions[0].second, positions[1].second, positions[2].second};
}

// Splits the text at the separator into at most N pieces (views into the text); nullopt when
// there are more. Dates and times are read for every round of a file, so nothing is allocated.
template <std::size_t N>
struct Pieces {
  std::array<std::string_view, N> Items;
  std::size_t Count = 0;
};

template <std::size_t N>
std::optional<Pieces<N>> SplitAt(std::string_view text, char separator) {
  Pieces<N> pieces;
  while (true) {
    if (pieces.Count == N) return std::nullopt;
    const std::size_t hit = text.find(separator);
    pieces.Items[pieces.Count++] = text.substr(0, hit);
    if (hit == std::string_view::npos) return pieces;
    text.remove_prefix(hit + 1);
  }
}

// Strips a trailing "AM" or "PM" (any letter case); returns 0 for none, 1 for AM, 2 for PM.
int TakeMeridiem(std::string_view& text) {
  if (text.size() < 2) return 0;
  const char first =
      static_cast<char>(UpperChar(static_cast<unsigned char>(text[text.size() - 2])));
  const char second = static_cast<char>(UpperChar(static_cast<unsigned char>(text.back())));
  if ((first != 'A' && first != 'P') || second != 'M') return 0;
  text = TrimView(text.substr(0, text.size() - 2));
  return first == 'A' ? 1 : 2;
}

// The text of the value in the pattern (see FormatDateTime).
std::string FormatAnew(std::string_view pattern, DateTime value) {
  const Fields fields = FieldsOf(value);
  const bool twelveHour = pattern.find("ampm") != std::string_view::npos;
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    i += AppendToken(pattern.substr(i), fields, twelveHour, out);
  }
  return out;
}

}  // namespace

std::optional<DateTime> EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) {
    return std::nullopt;
  }
  const year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                            std::chrono::day{unsigned(day)}};
  if (!date.ok()) return std::nullopt;
  return static_cast<DateTime>((sys_days(date) - kEpoch).count());
}

std::optional<DateTime> EncodeTime(int hour, int minute, int second) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  return (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
}

CalendarDate DecodeDate(DateTime value) {
  const std::optional<DayAndSecond> split = Split(value);
  if (!split) return {};
  return DateOfDay(split->day);
}

DateTime Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(
                          now - std::chrono::system_clock::from_time_t(seconds))
                          .count();
  return LocalDateTime(seconds) + static_cast<double>(millis) / (1000.0 * kSecondsPerDay);
}

DateTime Today() {
  return std::floor(LocalDateTime(std::time(nullptr)));
}

std::string FormatDateTime(std::string_view pattern, DateTime value) {
  // Pages show the same few thousand dates and times over and over: each thread remembers the
  // texts it made last, in a table indexed by the value and the pattern's length.
  struct Made {
    std::string Pattern, Text;
    DateTime Value = -1;
  };
  thread_local std::array<Made, 4096> made;
  const std::size_t slot = (std::hash<DateTime>{}(value) + pattern.size()) % made.size();
  Made& entry = made[slot];
  if (entry.Value == value && entry.Pattern == pattern) return entry.Text;
  entry.Text = FormatAnew(pattern, value);
  entry.Pattern = pattern;
  entry.Value = value;
  return entry.Text;
}

std::string ShortDateText(DateTime value) {
  return FormatDateTime(CurrentFormats().ShortDate, value);
}

std::string LongTimeText(DateTime value) {
  return FormatDateTime(CurrentFormats().LongTime, value);
}

std::string ShortTimeText(DateTime value) {
  return FormatDateTime(CurrentFormats().ShortTime, value);
}

std::string NormalizeDXDate(std::string_view text, int currentYear) {
  std::string date(text.substr(0, 12));
  if (date.size() == 7) date.pop_back();
  // Only the short forms need the century; the clock is not asked for the others, which every
  // date of a data file goes through.
  const auto century = [currentYear] {
    return Padded(currentYear > 0 ? currentYear : YearOfToday(), 4).substr(0, 2);
  };
  if (date.size() == 6) {
    date = InsertBefore(InsertBefore(century() + date, 7), 5);
  } else if (date.size() == 4) {
    const std::string cc = century();
    date = date.starts_with(cc) ? date + "-01-01" : InsertBefore(cc + date + "-01", 5);
  } else if (date.size() == 2) {
    date = century() + date + "-01-01";
  }
  std::replace(date.begin(), date.end(), '?', '1');
  return date;
}

std::optional<DateTime> ParseDate(std::string_view text) {
  if (text.empty()) return Today();
  if (text.find(CurrentFormats().DateSeparator) != std::string_view::npos) {
    return StrToDate(NormalizeDXDate(text));
  }
  const std::size_t firstOther = text.find_first_not_of("0123456789");
  const char separator = firstOther == std::string_view::npos ? '-' : text[firstOther];
  const int yearField = separator == '-' ? 1 : 3;
  const int monthField = separator == '-' ? 2 : 1;
  const int dayField = separator == '-' ? 3 : 2;
  const CalendarDate today = DecodeDate(Today());
  const auto field = [&](int n, int fallback) {
    return WholeNumberOr(ExtractField(text, n, separator), fallback);
  };
  return EncodeDate(field(yearField, today.year), field(monthField, today.month),
                    field(dayField, today.day));
}

std::optional<DateTime> StrToDate(std::string_view text) {
  const std::optional<Pieces<3>> pieces = SplitAt<3>(text, CurrentFormats().DateSeparator);
  if (!pieces || pieces->Count < 2) return std::nullopt;
  const std::array<char, 3> order = DateOrder(CurrentFormats().ShortDate);
  CalendarDate date{0, 0, 0};
  std::size_t next = 0;
  for (char letter : order) {
    if (letter == 'y' && pieces->Count == 2) {
      date.year = YearOfToday();
      continue;
    }
    const std::string_view piece = pieces->Items[next++];
    const std::optional<int> number = DateNumber(piece);
    if (!number) return std::nullopt;
    if (letter == 'y' && TrimView(piece).size() <= 2) {
      date.year = YearOfToday() / 100 * 100 + *number;
    } else {
      (letter == 'y' ? date.year : letter == 'm' ? date.month : date.day) = *number;
    }
  }
  return EncodeDate(date.year, date.month, date.day);
}

std::optional<DateTime> ParseTime(std::string_view text) {
  text = TrimView(text);
  const int meridiem = TakeMeridiem(text);
  const std::optional<Pieces<3>> pieces = SplitAt<3>(text, ':');
  if (!pieces || pieces->Count < 2) return std::nullopt;
  std::array<int, 3> clock = {0, 0, 0};
  for (std::size_t i = 0; i < pieces->Count; ++i) {
    const std::optional<int> number = DateNumber(pieces->Items[i]);
    if (!number) return std::nullopt;
    clock[i] = *number;
  }
  if (meridiem != 0) {
    if (clock[0] < 1 || clock[0] > 12) return std::nullopt;
    clock[0] = clock[0] % 12 + (meridiem == 2 ? 12 : 0);
  }
  return EncodeTime(clock[0], clock[1], clock[2]);
}

std::optional<DateTime> FileDateTime(const std::string& path) {
  const std::optional<std::time_t> modified = ModificationTime(path);
  if (!modified) return std::nullopt;
  return LocalDateTime(*modified);
}

}  // namespace cardwise
