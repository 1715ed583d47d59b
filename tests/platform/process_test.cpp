// Child processes, and the formats of the process's locale.

#include "platform/process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <tuple>
#include <vector>

#include "platform/locale_formats.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct ChildRun {
  Status Started = Status::Ok();
  ProcessOutcome Outcome;
  std::vector<std::string> Lines;
};

ChildRun RunSh(const std::string& script, const std::vector<std::string>& extra = {}) {
  std::vector<std::string> args = {"sh", "-c", script, "sh"};
  args.insert(args.end(), extra.begin(), extra.end());
  ChildRun run;
  run.Started = RunProcess(
      args, [&run](std::string_view line) { run.Lines.emplace_back(line); }, run.Outcome);
  return run;
}

// Arguments reach the child as they are: nothing splits or expands them.
TEST(RunProcess, ArgumentsAsTheyAreStdoutLineByLineAndStderrWhole) {
  std::vector<std::string> lines = {"$(id)", "x;rm -rf y", "-e sh", "*", "a b"};
  const ChildRun run = RunSh(
      "for a in \"$@\"; do printf '%s\\n' \"$a\"; done; printf 'one\\r\\ntwo\\n\\nlast'; "
      "echo oops >&2; exit 3",
      lines);
  ASSERT_TRUE(run.Started) << run.Started.message();
  lines.insert(lines.end(), {"one", "two", "", "last"});
  EXPECT_EQ(run.Lines, lines);
  EXPECT_EQ(run.Outcome.ErrorText, "oops\n");
  EXPECT_EQ(run.Outcome.ExitCode, 3);
}

// Much more on stderr than a pipe holds, while stdout stays open: no deadlock.
TEST(RunProcess, LargeOutputOnBothStreams) {
  const ChildRun run = RunSh(
      "i=0; while [ $i -lt 3000 ]; do echo $i; echo error-line-$i >&2; "
      "i=$((i+1)); done");
  ASSERT_TRUE(run.Started) << run.Started.message();
  ASSERT_EQ(run.Lines.size(), 3000u);
  EXPECT_EQ(run.Lines.back(), "2999");
  EXPECT_THAT(run.Outcome.ErrorText, HasSubstr("error-line-2999\n"));
}

TEST(RunProcess, FailuresToStartOrToEndAreErrors) {
  ProcessOutcome outcome;
  const Status missing = RunProcess({"cardwise-no-such-program"}, nullptr, outcome);
  EXPECT_EQ(missing.message(), "cardwise-no-such-program: not found in PATH");
  EXPECT_FALSE(RunProcess({}, nullptr, outcome));
  const ChildRun killed = RunSh("kill -9 $$");
  EXPECT_THAT(killed.Started.message(), HasSubstr("ended abnormally"));
  const ChildRun noInput =
      RunSh("read line; echo \"read $?\"");  // stdin is empty, not the terminal
  EXPECT_THAT(noInput.Lines, ElementsAre("read 1"));
}

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
