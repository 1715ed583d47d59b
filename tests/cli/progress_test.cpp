// The progress line of cardwise-cli, on a clock the test sets.

#include "cli/progress.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace cardwise {
namespace {

using Clock = ProgressPrinter::Clock;

TEST(ProgressPrinterTest, APipeGetsWholeLinesAfterTheFirstSecondATerminalOneClearedLine) {
  const struct {
    bool Terminal;
    std::vector<std::pair<int, std::string>> Texts;  // milliseconds after the start, text
    std::string Written;
  } cases[] = {
      {false, {{0, "AL"}, {999, "BS"}}, ""},
      {false,
       {{200, "a"}, {1000, "Bj\xF6rn"}, {1500, "c"}, {2000, "d"}, {2100, "e"}},
       "Bj\xC3\xB6rn\nd\n"},
      {true, {}, ""},
      {true, {{0, "a"}, {50, "b"}, {100, "c"}}, "\r\033[Ka\r\033[Kc\r\033[K"},
  };
  for (const auto& c : cases) {
    std::ostringstream err;
    const Clock::time_point start = Clock::now();
    ProgressPrinter printer(err, c.Terminal, start);
    for (const auto& [after, text] : c.Texts)
      printer.Show(text, start + std::chrono::milliseconds(after));
    printer.Finish();
    EXPECT_EQ(err.str(), c.Written) << c.Terminal << " " << c.Texts.size();
  }
}

}  // namespace
}  // namespace cardwise
