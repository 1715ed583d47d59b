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

TEST_F(CliTest, RecalcKeepsTheRecordsItCannotReadAndSavesTheRest) {
  const std::string ini = "--ini " + dir_.File("cardwise.ini") + " ";
  dir_.Write("Data/PLAYERS.DAT", "stray line\r\n[A]\r\nID=A\r\n");
  dir_.Write("Data/ROUNDS.DAT",
             "[250601-0900-A]\r\nID=250601-0900-A\r\nPlayerID=A\r\nHcp=4.0\r\nEventID=F\r\n"
             "Score=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n");
  const RunResult hcp = Run(ini + "recalc hcp");
  EXPECT_EQ(hcp.ExitCode, 0) << "a line before the first section stops nothing";
  EXPECT_THAT(hcp.Output, HasSubstr("warning: " + dir_.File("Data/PLAYERS.DAT") + ":1:"));
  EXPECT_EQ(dir_.Read("Data/PLAYERS.DAT"), "stray line\r\n[A]\r\nID=A\r\nHcp=4.0\r\n");

  const std::string bad = "[E]\r\nID=E\r\nDate=31.31.31\r\n";
  dir_.Write("Data/EVENTS.DAT", bad + "[F]\r\nID=F\r\nType=0\r\n");
  const RunResult events = Run(ini + "recalc events");
  EXPECT_EQ(events.ExitCode, 1);
  EXPECT_THAT(events.Output, HasSubstr(dir_.File("Data/EVENTS.DAT") +
                                       ":3: not a date: Date=31.31.31 (E left as it was)"));
  EXPECT_THAT(events.Output, Not(HasSubstr("warning: " + dir_.File("Data/EVENTS.DAT"))));
  EXPECT_EQ(dir_.Read("Data/EVENTS.DAT"),
            bad + "[F]\r\nID=F\r\nType=0\r\nMake=1\r\n1=1;72;A;250601-0900-A;\r\n");

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

TEST_F(CliTest, ImportDXRunsEachStepOnTheShippedSampleFiles) {
  const std::string ini = "--ini " + dir_.File("cardwise.ini") + " import-dx ";
  const std::string dx = std::string(CARDWISE_DATA_DIR) + "dx/";
  const char* const steps[][3] = {{"courses", "BANA.DX", "courses: 3 records imported"},
                                  {"players", "ROND.DX", "players: 12 records imported"},
                                  {"events", "ROND.DX", "events: 11 records imported"},
                                  {"rounds", "ROND.DX", "rounds: 12 records imported"}};
  for (const auto& step : steps) {
    const RunResult result = Run(ini + step[0] + " " + dx + step[1]);
    EXPECT_EQ(result.ExitCode, 0) << result.Output;
    EXPECT_THAT(result.Output, HasSubstr(step[2]));
  }
  EXPECT_THAT(dir_.Read("Data/PLAYERS.DAT"), HasSubstr("Player=G\xF6ran \xC5str\xF6m"));
  EXPECT_THAT(dir_.Read("Data/ROUNDS.DAT"), HasSubstr("[020615-0853-G\xC5]"));
  const RunResult check = Check();
  EXPECT_EQ(check.ExitCode, 0) << check.Output;
  EXPECT_THAT(check.Output, HasSubstr("players        5"));
  EXPECT_THAT(check.Output, HasSubstr("events         3"));
  EXPECT_THAT(check.Output, HasSubstr("rounds        12"));

  const RunResult missing = Run(ini + "rounds " + dir_.File("NONE.DX"));
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_THAT(missing.Output,
              HasSubstr("File not found: " + dir_.File("NONE.DX") + " Is the filename correct ?"));
  EXPECT_EQ(Run(ini + "teams " + dx + "ROND.DX").ExitCode, 2);
}

TEST_F(CliTest, DemoLoadSwitchesTheNextCommandsToTheShippedDemoAndUnloadSwitchesBack) {
  const std::string ini = "--ini " + dir_.File("cardwise.ini") + " ";
  const RunResult load = Run(ini + "demo load");
  EXPECT_EQ(load.ExitCode, 0) << load.Output;
  EXPECT_THAT(dir_.Read("cardwise.ini"), HasSubstr("RoundFName=DEMOR.DAT"));
  EXPECT_THAT(dir_.Read("cardwise.ini"), HasSubstr("[DemoUnload]\r\nRound=ROUNDS.DAT"));

  const RunResult check = Check();
  EXPECT_EQ(check.ExitCode, 0) << "every line of the demo data reads\n" << check.Output;
  EXPECT_THAT(check.Output, HasSubstr(dir_.File("Data/DEMOR.DAT")));
  EXPECT_THAT(check.Output, Not(HasSubstr("(no such file)")));

  EXPECT_EQ(Run(ini + "demo unload").ExitCode, 0);
  EXPECT_THAT(dir_.Read("cardwise.ini"), HasSubstr("RoundFName=ROUNDS.DAT"));
  EXPECT_THAT(dir_.Read("cardwise.ini"),
              HasSubstr("HtmlRootDir=" + dir_.File("share/cardwise/Web-Docs/")));
  EXPECT_EQ(Run(ini + "demo").ExitCode, 2);
}

}  // namespace
}  // namespace cardwise
