#pragma once
// The user's date, time and number formats.
//
// Patterns use these tokens: "yyyy" four-digit year, "yy" two-digit year, "mm"/"m" month,
// "dd"/"d" day, "hh"/"h" hour, "nn"/"n" minute, "ss"/"s" second, "ampm" AM or PM (and with it
// a 12-hour clock); every other character stands for itself. The time separator is always ":".

#include <string>

namespace cardwise {

struct LocaleFormats {
  std::string ShortDate = "yyyy-mm-dd";
  std::string LongTime = "hh:nn:ss";
  std::string ShortTime = "hh:nn";
  char DecimalSeparator = '.';
  char DateSeparator = '-';
};

// The formats of the C/POSIX locale: ISO dates, 24-hour times, "." as decimal separator.
LocaleFormats IsoFormats();

// Translates the C library's patterns (nl_langinfo D_FMT and T_FMT, e.g. "%d.%m.%Y" and
// "%H:%M:%S") and radix character into our formats. The year is always four digits; the date
// separator is the first character of the date pattern that is not part of a field. Hours,
// minutes and seconds are always joined by ":"; %I, %l and %r add "ampm". Conversions we have
// no token for (names of days and months, zones) are left out; an empty or field-less pattern
// keeps the IsoFormats() value.
LocaleFormats FormatsFromPatterns(const std::string& dateFormat, const std::string& timeFormat,
                                  char radix);

// The formats of the user's locale (LC_TIME, LC_NUMERIC from the environment), or IsoFormats()
// when that locale is C or POSIX (also C.UTF-8) or cannot be set.
LocaleFormats SystemLocaleFormats();

// The process-wide formats every reader and writer of dates and numbers uses. They start as
// SystemLocaleFormats() on first use; tests and the app may set them.
const LocaleFormats& CurrentFormats();
void SetCurrentFormats(const LocaleFormats& formats);

}  // namespace cardwise
