// End-to-end tests of cardwise-cli: the real executable on settings and data in a temporary
// folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

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

// Three counted rounds of John Smith on a course of rating 72.0 and slope 113 (18.0, 18.0,
// 8.0: the lowest minus 2.0 gives 6.0) and a fourth with a hole missing.
TEST_F(CliTest, HandicapListsThePlayersAndOnePlayersDifferentials) {
  const std::string par = "Par=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n";
  const std::string index = "7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4\r\n";
  dir_.Write("Data/PLAYERS.DAT", "[JS]\r\nID=JS\r\nPlayer=John Smith\r\n[AB]\r\nID=AB\r\n");
  dir_.Write("Data/COURSES.DAT",
             "[MB]\r\nID=MB\r\nCR=72.0\r\nSlope=113.0\r\n" + par + "Hcp=" + index);
  std::string rounds;
  const char* const cards[][2] = {{"01", "5,5,4,6,5,5,4,5,6,5,5,4,6,5,5,4,5,6"},
                                  {"02", "5,5,4,6,5,5,4,5,6,5,5,4,6,5,5,4,5,6"},
                                  {"03", "5,5,4,6,5,5,4,5,5,4,4,3,5,4,4,3,4,5"},
                                  {"04", "4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4"}};
  for (const auto& [day, scores] : cards)
    rounds += std::string("[2605") + day + "-1030-JS]\r\nID=2605" + day +
              "-1030-JS\r\nPlayerID=JS\r\nCourseID=MB\r\nStrokes=18\r\nDate=2026-05-" + day +
              "\r\nStart=10:30:00\r\nScore=" + scores + "\r\nC" + par + "CHcp=" + index;
  dir_.Write("Data/ROUNDS.DAT", rounds);
  const std::string handicap = "--ini " + dir_.File("cardwise.ini") + " handicap ";
  const struct {
    std::string Args;
    int ExitCode;
    std::vector<std::string> Shown;
  } cases[] = {
      {"--as-of 2026-06-01",
       0,
       {"JS         John Smith                     6.0    3\n",
        "AB                                          -    0\n"}},
      {"--as-of 2026-05-02 js", 0, {"-    2\n", "no index: 2 rounds counted, 3 needed\n"}},
      {"--as-of 2026-06-01 JS",
       0,
       {"  260501-1030-JS     2026-05-01    90   18.0\n",
        "* 260503-1030-JS     2026-05-03    80    8.0\n",
        "  260504-1030-JS     2026-05-04  not counted: no score on hole 18\n"}},
      {"JS XX", 1, {"6.0    3\n", "cardwise-cli: no player \"XX\" in "}},
      {"--as-of", 2, {"usage: cardwise-cli handicap"}},
      {"--as-of 2026-13-45", 2, {"usage: cardwise-cli handicap"}},
      {"--all", 2, {"usage: cardwise-cli handicap"}},
  };
  for (const auto& c : cases) {
    const RunResult result = Run(handicap + c.Args);
    EXPECT_EQ(result.ExitCode, c.ExitCode) << c.Args << "\n" << result.Output;
    for (const std::string& shown : c.Shown)
      EXPECT_THAT(result.Output, HasSubstr(shown)) << c.Args;
  }
}

}  // namespace
}  // namespace cardwise
