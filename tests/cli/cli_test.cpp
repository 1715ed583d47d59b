// End-to-end tests of cardwise-cli: the real executable on settings and data in a temporary
// folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

struct RunResult {
  int ExitCode = -1;
  std::string Output;  // stdout and stderr together
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("cardwise.ini", "[Dirs]\r\nDataDir=" + dir_.File("Data/") + "\r\n");
  }

  // Runs the tool with `args`; `env` adds "NAME=value" assignments to its environment.
  RunResult Run(const std::string& args, const std::string& env = "") const {
    const std::string command =
        "env -u CARDWISE_INI LC_ALL=C " + env + " XDG_CONFIG_HOME=" + dir_.File("config") +
        " XDG_DATA_HOME=" + dir_.File("share") + " " + CARDWISE_CLI_PATH + " " + args + " 2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
      result.Output.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
  }

  RunResult Check() const { return Run("--ini " + dir_.File("cardwise.ini") + " check"); }

  testing::TempDir dir_;
};

TEST_F(CliTest, CommandLineErrorsExitWithTwo) {
  const std::string cases[] = {"", "frobnicate", "--ini", "--verbose check"};
  for (const std::string& args : cases) {
    const RunResult result = Run(args);
    EXPECT_EQ(result.ExitCode, 2) << args;
    EXPECT_THAT(result.Output, HasSubstr("usage: cardwise-cli")) << args;
  }
  const RunResult help = Run("--help");
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_THAT(help.Output, HasSubstr("check"));
}

TEST_F(CliTest, CheckOfAnEmptyDataFolderCountsNothing) {
  const RunResult result = Check();
  EXPECT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_THAT(result.Output, HasSubstr("players        0  " + dir_.File("Data/PLAYERS.DAT")));
  EXPECT_THAT(result.Output, HasSubstr("(no such file)"));
}

TEST_F(CliTest, CheckCountsRecordsAndReportsEveryUnreadableLine) {
  dir_.Write("Data/PLAYERS.DAT",
             "[A]\r\nID=A\r\nHcp=abc\r\n[B]\r\nID=B\r\nPlayer=B\xF6rje\r\n[C]\r\nID=C\r\n");
  dir_.Write("Data/COURSES.DAT", "[C1]\r\nID=C1\r\n[C2]\r\nID=C2\r\n");
  const RunResult result = Check();
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_THAT(result.Output, HasSubstr("players        3"));
  EXPECT_THAT(result.Output, HasSubstr("courses        2"));
  EXPECT_THAT(result.Output,
              HasSubstr(dir_.File("Data/PLAYERS.DAT") + ":3: not a number: Hcp=abc"));
}

TEST_F(CliTest, RecalcRewritesItsFileOrRefusesWhenLinesWouldBeLost) {
  const std::string ini = "--ini " + dir_.File("cardwise.ini") + " ";
  dir_.Write("Data/PLAYERS.DAT", "[A]\r\nID=A\r\n");
  dir_.Write("Data/ROUNDS.DAT",
             "[250601-0900-A]\r\nID=250601-0900-A\r\nPlayerID=A\r\nHcp=4.0\r\n"
             "Score=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n");
  EXPECT_EQ(Run(ini + "recalc hcp").ExitCode, 0);
  EXPECT_THAT(dir_.Read("Data/PLAYERS.DAT"), HasSubstr("Hcp=4.0"));

  dir_.Write("Data/EVENTS.DAT", "[E]\r\nID=E\r\nDate=31.31.31\r\n");
  const RunResult refused = Run(ini + "recalc events");
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_THAT(refused.Output, HasSubstr("EVENTS.DAT:3: not a date"));
  EXPECT_EQ(dir_.Read("Data/EVENTS.DAT"), "[E]\r\nID=E\r\nDate=31.31.31\r\n");

  EXPECT_EQ(Run(ini + "recalc").ExitCode, 2);
  EXPECT_EQ(Run(ini + "recalc players").ExitCode, 2);
}

TEST_F(CliTest, SettingsComeFromTheEnvironmentWhenNoOptionIsGiven) {
  dir_.Write("Data/PLAYERS.DAT", "[A]\r\nID=A\r\n");
  const RunResult result = Run("check");  // no --ini, no $CARDWISE_INI: the XDG file
  EXPECT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_THAT(result.Output, Not(HasSubstr(dir_.File("Data/"))));
  const RunResult viaEnv = Run("check", "CARDWISE_INI=" + dir_.File("cardwise.ini"));
  EXPECT_THAT(viaEnv.Output, HasSubstr("players        1  " + dir_.File("Data/PLAYERS.DAT")));
}

}  // namespace
}  // namespace cardwise
