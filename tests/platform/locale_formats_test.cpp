#include "platform/locale_formats.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <tuple>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;

auto Fields(const LocaleFormats& f) {
  return std::tuple(f.ShortDate, f.LongTime, f.ShortTime, f.DecimalSeparator, f.DateSeparator);
}

const LocaleFormats kIso{"yyyy-mm-dd", "hh:nn:ss", "hh:nn", '.', '-'};

// Patterns as the C library's locale data gives them.
TEST(FormatsFromPatterns, TranslatesRealLocalePatterns) {
  const std::tuple<const char*, const char*, const char*, char, LocaleFormats> cases[] = {
      {"de_DE", "%d.%m.%Y", "%H:%M:%S", ',', {"dd.mm.yyyy", "hh:nn:ss", "hh:nn", ',', '.'}},
      {"en_US", "%m/%d/%Y", "%r", '.', {"mm/dd/yyyy", "hh:nn:ss ampm", "hh:nn ampm", '.', '/'}},
      {"en_GB", "%d/%m/%y", "%T", '.', {"dd/mm/yyyy", "hh:nn:ss", "hh:nn", '.', '/'}},
      {"cs_CZ", "%-d.%-m.%Y", "%H:%M:%S", ',', {"dd.mm.yyyy", "hh:nn:ss", "hh:nn", ',', '.'}},
      {"en_AU",
       "%e/%m/%Y",
       "%I:%M:%S %p",
       '.',
       {"dd/mm/yyyy", "hh:nn:ss ampm", "hh:nn ampm", '.', '/'}},
      {"12h no marker", "%D", "%l:%M", '.', {"mm/dd/yyyy", "hh:nn ampm", "hh:nn ampm", '.', '/'}},
      {"composites", "%F", "%R", '.', {"yyyy-mm-dd", "hh:nn", "hh:nn", '.', '-'}},
      {"alt digits", "%Ey.%Om.%Od", "%k.%M.%S", '.', {"yyyy.mm.dd", "hh:nn:ss", "hh:nn", '.', '.'}},
      {"letters", "%d.%m.%Y", "%Hh%M", '.', {"dd.mm.yyyy", "hh:nn", "hh:nn", '.', '.'}},
      {"names", "%a %e %b %Y", "%H:%M:%S %Z", '.', {"dd yyyy", "hh:nn:ss", "hh:nn", '.', ' '}},
      {"empty", "", "", '\0', kIso}};
  for (const auto& [locale, date, time, radix, expected] : cases)
    EXPECT_EQ(Fields(FormatsFromPatterns(date, time, radix)), Fields(expected)) << locale;
}

TEST(SystemLocaleFormats, CLikeAndUnknownLocalesGiveIsoFormatsAndLeaveTheProcessLocale) {
  for (const char* name : {"C", "POSIX", "C.UTF-8", "C.utf8", "xx_NOWHERE.UTF-8"}) {
    ScopedEnv all("LC_ALL", name);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    EXPECT_EQ(Fields(SystemLocaleFormats()), Fields(kIso)) << name;
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before) << name;
  }
}

}  // namespace
}  // namespace cardwise
