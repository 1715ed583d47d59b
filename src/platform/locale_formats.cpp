#include "platform/locale_formats.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

#include "platform/codepage.h"
#include "platform/env.h"

namespace cardwise {

namespace {

struct Translation {
  std::string pattern;
  bool twelveHour = false;  // %I or %l seen: the clock needs an am/pm marker
};

struct Conversion {
  char letter;
  const char* field;
  bool twelveHour;
};

// Our pattern for each C conversion we can show. Others (weekday and month names, time zones
// ...) are left out.
constexpr Conversion kConversions[] = {
    {'d', "dd", false},         {'e', "dd", false},
    {'m', "mm", false},         {'y', "yyyy", false},
    {'Y', "yyyy", false},       {'H', "hh", false},
    {'k', "hh", false},         {'I', "hh", true},
    {'l', "hh", true},          {'M', "nn", false},
    {'S', "ss", false},         {'p', "ampm", false},
    {'P', "ampm", false},       {'T', "hh:nn:ss", false},
    {'R', "hh:nn", false},      {'r', "hh:nn:ss ampm", true},
    {'D', "mm/dd/yyyy", false}, {'F', "yyyy-mm-dd", false},
    {'n', " ", false},          {'t', " ", false},
    {'%', "%", false},
};

const Conversion* FindConversion(char letter) {
  for (const Conversion& conversion : kConversions) {
    if (conversion.letter == letter) return &conversion;
  }
  return nullptr;
}

bool IsFlag(char c) {
  return c == '-' || c == '_' || c == '0' || c == '^' || c == '#' || c == 'E' || c == 'O' ||
         (c >= '1' && c <= '9');
}

// Fields we leave out (names, zones) leave their blanks behind: trims and collapses them.
std::string WithoutExtraBlanks(const std::string& pattern) {
  std::string result;
  for (char c : pattern) {
    if (c == ' ' && (result.empty() || result.back() == ' ')) continue;
    result += c;
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

Translation Translate(std::string_view format) {
  Translation result;
  std::size_t pos = 0;
  while (pos < format.size()) {
    if (format[pos] != '%') {
      result.pattern += format[pos++];
      continue;
    }
    ++pos;
    while (pos < format.size() && IsFlag(format[pos])) {
      ++pos;  // flags, width, E/O modifiers
    }
    if (pos == format.size()) break;
    if (const Conversion* conversion = FindConversion(format[pos++])) {
      result.pattern += conversion->field;
      result.twelveHour = result.twelveHour || conversion->twelveHour;
    }
  }
  result.pattern = WithoutExtraBlanks(result.pattern);
  return result;
}

bool IsFieldLetter(char c) {
  return c == 'y' || c == 'm' || c == 'd' || c == 'h' || c == 'n' || c == 's' || c == 'a' ||
         c == 'p';
}

bool HasAny(const std::string& pattern, std::string_view letters) {
  return pattern.find_first_of(letters) != std::string::npos;
}

// Whatever the locale puts between hours, minutes and seconds ("." or "h"), ours is ":",
// the one separator the time reader accepts.
std::string WithColons(std::string pattern) {
  const char* const fields[] = {"hh", "nn", "ss"};
  for (int i = 0; i < 2; ++i) {
    const std::size_t first = pattern.find(fields[i]);
    const std::size_t second = pattern.find(fields[i + 1]);
    if (first == std::string::npos || second == std::string::npos || second < first + 2) continue;
    pattern = pattern.substr(0, first + 2) + ":" + pattern.substr(second);
  }
  return pattern;
}

// "hh:nn:ss ampm" -> "hh:nn ampm": the seconds field with the separator before it.
std::string WithoutSeconds(std::string pattern) {
  const std::size_t seconds = pattern.find("ss");
  if (seconds == std::string::npos) return pattern;
  std::size_t start = seconds;
  while (start > 0 && !IsFieldLetter(pattern[start - 1])) {
    --start;
  }
  std::size_t end = seconds + 2;
  if (start == 0) {  // seconds first: drop the separator after them instead
    while (end < pattern.size() && !IsFieldLetter(pattern[end])) {
      ++end;
    }
  }
  return pattern.erase(start, end - start);
}

char FirstSeparator(const std::string& pattern, char fallback) {
  for (char c : pattern) {
    if (!IsFieldLetter(c)) return c;
  }
  return fallback;
}

bool IsCLocale(const std::string& name) {
  return name.empty() || name == "C" || name == "POSIX" || SameText(name, "C.UTF-8") ||
         SameText(name, "C.utf8");
}

// The locale name the C library picks for a category from the environment.
std::string LocaleNameFor(const char* category) {
  for (const char* variable : {"LC_ALL", category, "LANG"}) {
    std::string value = EnvOr(variable);
    if (!value.empty()) return value;
  }
  return "C";
}

// nl_langinfo_l of a private locale object, so the process's own locale (which printf and
// strtod rely on) is never touched.
std::string LangInfo(int mask, const std::string& name, nl_item item) {
  locale_t locale = newlocale(mask, name.c_str(), static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return {};
  std::string value = nl_langinfo_l(item, locale);
  freelocale(locale);
  return Utf8ToWindows1252(value);
}

}  // namespace

LocaleFormats IsoFormats() {
  return LocaleFormats{};
}

LocaleFormats FormatsFromPatterns(const std::string& dateFormat, const std::string& timeFormat,
                                  char radix) {
  LocaleFormats formats = IsoFormats();
  const std::string date = Translate(dateFormat).pattern;
  if (HasAny(date, "ymd")) {
    formats.ShortDate = date;
    formats.DateSeparator = FirstSeparator(date, formats.DateSeparator);
  }
  Translation time = Translate(timeFormat);
  if (time.twelveHour && time.pattern.find("ampm") == std::string::npos) {
    time.pattern += " ampm";
  }
  if (time.pattern.find("hh") != std::string::npos) {
    formats.LongTime = WithColons(time.pattern);
    formats.ShortTime = WithoutSeconds(formats.LongTime);
  }
  if (radix != '\0') formats.DecimalSeparator = radix;
  return formats;
}

LocaleFormats SystemLocaleFormats() {
  LocaleFormats formats = IsoFormats();
  const std::string timeLocale = LocaleNameFor("LC_TIME");
  if (!IsCLocale(timeLocale)) {
    const std::string dateFormat = LangInfo(LC_TIME_MASK, timeLocale, D_FMT);
    const std::string timeFormat = LangInfo(LC_TIME_MASK, timeLocale, T_FMT);
    if (!dateFormat.empty() || !timeFormat.empty()) {
      formats = FormatsFromPatterns(dateFormat, timeFormat, '.');
    }
  }
  const std::string numericLocale = LocaleNameFor("LC_NUMERIC");
  if (!IsCLocale(numericLocale)) {
    const std::string radix = LangInfo(LC_NUMERIC_MASK, numericLocale, RADIXCHAR);
    // A radix of more than one byte has no place in our one-character separator.
    if (radix.size() == 1) formats.DecimalSeparator = radix[0];
  }
  return formats;
}

namespace {
LocaleFormats& Formats() {
  static LocaleFormats formats = SystemLocaleFormats();
  return formats;
}
}  // namespace

const LocaleFormats& CurrentFormats() {
  return Formats();
}

void SetCurrentFormats(const LocaleFormats& formats) {
  Formats() = formats;
}

}  // namespace cardwise
