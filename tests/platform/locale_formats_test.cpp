#include "platform/locale_formats.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;

// Patterns as the C library's locale data gives them.
TEST(FormatsFromPatterns, TranslatesRealLocalePatterns) {
  const struct {
    const char* locale;
    const char* date;
    const char* time;
    char radix;
    LocaleFormats expected;
  } cases[] = {
      {"de_DE", "%d.%m.%Y", "%H:%M:%S", ',', {"dd.mm.yyyy", "hh:nn:ss", "hh:nn", ',', '.'}},
      {"en_US", "%m/%d/%Y", "%r", '.', {"mm/dd/yyyy", "hh:nn:ss ampm", "hh:nn ampm", '.', '/'}},
      {"sv_SE", "%Y-%m-%d", "%H:%M:%S", ',', {"yyyy-mm-dd", "hh:nn:ss", "hh:nn", ',', '-'}},
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
      {"empty", "", "", '\0', IsoFormats()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    const LocaleFormats formats = FormatsFromPatterns(c.date, c.time, c.radix);
    EXPECT_EQ(formats.ShortDate, c.expected.ShortDate);
    EXPECT_EQ(formats.LongTime, c.expected.LongTime);
    EXPECT_EQ(formats.ShortTime, c.expected.ShortTime);
    EXPECT_EQ(formats.DecimalSeparator, c.expected.DecimalSeparator);
    EXPECT_EQ(formats.DateSeparator, c.expected.DateSeparator);
  }
}

TEST(SystemLocaleFormats, CLikeAndUnknownLocalesGiveIsoFormats) {
  for (const char* name : {"C", "POSIX", "C.UTF-8", "C.utf8", "xx_NOWHERE.UTF-8"}) {
    SCOPED_TRACE(name);
    ScopedEnv all("LC_ALL", name);
    const LocaleFormats formats = SystemLocaleFormats();
    EXPECT_EQ(formats.ShortDate, "yyyy-mm-dd");
    EXPECT_EQ(formats.LongTime, "hh:nn:ss");
    EXPECT_EQ(formats.ShortTime, "hh:nn");
    EXPECT_EQ(formats.DecimalSeparator, '.');
  }
}

TEST(SystemLocaleFormats, LeavesTheProcessLocaleAlone) {
  ScopedEnv all("LC_ALL", "C.UTF-8");
  const std::string before = std::setlocale(LC_ALL, nullptr);
  SystemLocaleFormats();
  EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", 1.5);
  EXPECT_STREQ(text, "1.5");
}

}  // namespace
}  // namespace cardwise
