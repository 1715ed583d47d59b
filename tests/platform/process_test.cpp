#include "platform/process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(RunProcess, StdoutComesLineByLineAndStderrWhole) {
  const ChildRun run = RunSh("printf 'one\\r\\ntwo\\n\\nlast'; echo oops >&2; exit 3");
  ASSERT_TRUE(run.Started) << run.Started.message();
  EXPECT_THAT(run.Lines, ElementsAre("one", "two", "", "last"));
  EXPECT_EQ(run.Outcome.ErrorText, "oops\n");
  EXPECT_EQ(run.Outcome.ExitCode, 3);
}

// Arguments reach the child as they are: nothing splits or expands them.
TEST(RunProcess, ArgumentsArePassedLiterally) {
  const std::vector<std::string> args = {"$(id)", "x;rm -rf y", "-e sh", "*", "a b"};
  const ChildRun run = RunSh("for a in \"$@\"; do printf '%s\\n' \"$a\"; done", args);
  ASSERT_TRUE(run.Started) << run.Started.message();
  EXPECT_EQ(run.Lines, args);
  EXPECT_EQ(run.Outcome.ExitCode, 0);
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

}  // namespace
}  // namespace cardwise
