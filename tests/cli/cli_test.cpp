// End-to-end tests of cardwise-cli: the real executable on settings and data in a temporary
// folder; its progress line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/progress.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// What `command` writes to stdout; its exit status into `exitCode` when given.
std::string Output(const std::string& command, int* exitCode = nullptr) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return text;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
    text.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return text;
}

struct RunResult {
  int ExitCode = -1;
  std::string Output;  // stdout and stderr together
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("cardwise.ini", "[Dirs]\r\nDataDir=" + dir_.File("Data/") + "\r\n");
  }

  // Runs the tool with `args`; `env` adds "NAME=value" assignments to its environment;
  // `streams` says where stderr goes (by default into the output with stdout).
  RunResult Run(const std::string& args, const std::string& env = "",
                const std::string& streams = "2>&1") const {
    const std::string command = "env -u CARDWISE_INI LC_ALL=C " + env +
                                " XDG_CONFIG_HOME=" + dir_.File("config") +
                                " XDG_DATA_HOME=" + dir_.File("share") + " " + CARDWISE_CLI_PATH +
                                " " + args + " " + streams;
    RunResult result;
    result.Output = Output(command, &result.ExitCode);
    return result;
  }

  // Runs the tool on our settings file.
  RunResult Cli(const std::string& args, const std::string& env = "",
                const std::string& streams = "2>&1") const {
    return Run("--ini " + dir_.File("cardwise.ini") + " " + args, env, streams);
  }
  RunResult Check() const { return Cli("check"); }
  // Each of the (arguments, message) cases exits with 2 and says the message.
  void ExpectRefused(const std::vector<std::pair<std::string, std::string>>& cases) const {
    for (const auto& [args, message] : cases) {
      const RunResult result = Cli(args);
      EXPECT_EQ(result.ExitCode, 2) << args;
      EXPECT_THAT(result.Output, HasSubstr(message)) << args;
    }
  }

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

TEST_F(CliTest, DemoLoadSwitchesTheNextCommandsToTheShippedDemoAndUnloadSwitchesBack) {
  const RunResult load = Cli("demo load");
  EXPECT_EQ(load.ExitCode, 0) << load.Output;

  const RunResult check = Check();
  EXPECT_EQ(check.ExitCode, 0) << "every line of the demo data reads\n" << check.Output;
  EXPECT_THAT(check.Output, HasSubstr(dir_.File("Data/DEMOR.DAT")));
  EXPECT_THAT(check.Output, Not(HasSubstr("(no such file)")));

  EXPECT_EQ(Cli("demo unload").ExitCode, 0);
  EXPECT_THAT(dir_.Read("cardwise.ini"), HasSubstr("RoundFName=ROUNDS.DAT"));
  EXPECT_EQ(Cli("demo").ExitCode, 2);
}

// --- --version and export ---

TEST_F(CliTest, ExportWritesCsvOrExitsWithTwoForWhatIsNotThere) {
  dir_.Write("Data/PLAYERS.DAT", "[A]\r\nID=A\r\nPlayer=J\xFCrgen, Jr.\r\n");
  dir_.Write("Data/ROUNDS.DAT",
             "[250601-0900-A]\r\nID=250601-0900-A\r\nPlayerID=A\r\nEventID=EV\r\nEventIDs=DV\r\n"
             "Date=2025-06-01\r\nScore=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n");
  dir_.Write("Data/EVENTS.DAT",
             "[EV]\r\nID=EV\r\nType=0\r\n[DV]\r\nID=DV\r\nType=0\r\nDivisions=10\r\n");
  const RunResult results = Cli("export results ev");
  EXPECT_EQ(results.ExitCode, 0) << results.Output;
  EXPECT_THAT(results.Output, HasSubstr("1,72,A,\"J\xC3\xBCrgen, Jr.\",0.0,0,250601-0900-A,\r\n"));
  EXPECT_THAT(results.Output, Not(HasSubstr("Division")));
  // A division column only for an event with divisions.
  EXPECT_THAT(Cli("export results DV").Output, HasSubstr(",0.0,0,250601-0900-A,,A\r\n"));

  EXPECT_EQ(Cli("export rounds --output " + dir_.File("r.csv") + " 2025").ExitCode, 0);
  EXPECT_THAT(dir_.Read("r.csv"), HasSubstr("250601-0900-A,2025-06-01,"));
  EXPECT_THAT(dir_.Read("Data/EVENTS.DAT"), Not(HasSubstr("1=")));  // nothing saved

  // The arguments, the exit status and what stderr says.
  ExpectRefused({
      {"export results NONE", "no event \"NONE\" in " + dir_.File("Data/EVENTS.DAT")},
      {"export standings T", "no tour \"T\" in "},
      {"export stats 2024", "no rounds of 2024 in " + dir_.File("Data/ROUNDS.DAT")},
      {"export rounds 2030", "no rounds of 2030"},
      {"export rounds 20x5", "usage: cardwise-cli export"},
      {"export rounds --output", "usage: cardwise-cli export"},
      {"export scores 2025", "usage: cardwise-cli export"},
  });
  const RunResult unwritable = Cli("export rounds --output " + dir_.File("no/such/r.csv"));
  EXPECT_EQ(unwritable.ExitCode, 1) << unwritable.Output;
  EXPECT_THAT(unwritable.Output, HasSubstr(dir_.File("no/such/r.csv")));
}

TEST_F(CliTest, KnockoutCreateResultShowAndExportOrExitTwoStoringNothing) {
  std::string players;
  for (const char* id : {"A", "B", "C", "D", "E"})
    players +=
        std::string("[") + id + "]\r\nID=" + id + "\r\nHcp=" + (id[0] == 'E' ? "20" : "4") + "\r\n";
  dir_.Write("Data/PLAYERS.DAT", players);
  dir_.Write("Data/COURSES.DAT",
             "[HILL]\r\nID=HILL\r\nHcp=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n");

  ExpectRefused({
      {"knockout create K --name Cup --players A", "1 players: a knockout takes 2 to 128"},
      {"knockout create K --name Cup --players A,B --seeding best", "--seeding takes"},
      {"knockout create K --players A,B", "create needs --name and --players"},
      {"knockout show K", "no knockout \"K\" in " + dir_.File("Data/KNOCKOUTS.DAT")},
      {"knockout frob K", "usage: cardwise-cli knockout"},
  });
  EXPECT_FALSE(std::filesystem::exists(dir_.File("Data/KNOCKOUTS.DAT"))) << "nothing stored";

  const RunResult made = Cli("knockout create K --name Cup --players A,B,C,D,E --course HILL");
  ASSERT_EQ(made.ExitCode, 0) << made.Output;
  EXPECT_THAT(
      made.Output,
      HasSubstr("Quarter-final\n  R1M1  A v bye  won by A bye\n  R1M2  D v E  (16 to E)\n"));
  ASSERT_EQ(Cli("knockout result K R1M2 e 1 up").ExitCode, 0);
  const std::string stored = dir_.Read("Data/KNOCKOUTS.DAT");
  ExpectRefused({
      {"knockout result K R1 A", "not a match: \"R1\""},
      {"knockout create K --name Cup --players A,B", "is in " + dir_.File("Data/KNOCKOUTS.DAT")},
  });
  EXPECT_EQ(dir_.Read("Data/KNOCKOUTS.DAT"), stored);
  EXPECT_THAT(Check().Output, HasSubstr("knockouts      1  " + dir_.File("Data/KNOCKOUTS.DAT")));

  const RunResult csv = Cli("export knockout K");
  EXPECT_EQ(csv.ExitCode, 0) << csv.Output;
  EXPECT_THAT(csv.Output, HasSubstr("Round,Match,Player A,Player B,Shots,Receiver,Winner,Result\r\n"
                                    "1,1,A,bye,,,A,bye\r\n1,2,D,E,16,E,E,1 up\r\n"
                                    "1,3,B,bye,,,B,bye\r\n1,4,C,bye,,,C,bye\r\n"
                                    "2,1,A,E,16,E,,\r\n2,2,B,C,0,,,\r\n3,1,,,,,,\r\n"));
  EXPECT_THAT(Cli("export knockout NONE").Output, HasSubstr("no knockout \"NONE\""));
}

TEST_F(CliTest, DrawStoresPrintsAndExportsTheDrawAndRefusesBadInputStoringNothing) {
  dir_.Write("Data/PLAYERS.DAT",
             "[A]\r\nID=A\r\nPlayer=Ann\r\nHcp=4.0\r\n[B]\r\nID=B\r\nPlayer=Bo\r\nHcp=12.4\r\n"
             "[C]\r\nID=C\r\nPlayer=Cy\r\nHcp=30.0\r\n");
  dir_.Write("Data/COURSES.DAT", "[C1]\r\nID=C1\r\nCourse=Mill\r\n");
  const std::string event = "[EV]\r\nID=EV\r\nCourseID=C1\r\nType=0\r\nMake=1\r\n";
  dir_.Write("Data/EVENTS.DAT", event);

  ExpectRefused({
      {"draw NONE --players A", "no event \"NONE\""},
      {"draw EV --players A,X", "no player \"X\""},
      {"draw EV --players A --group 5", "--group 5"},
      {"draw EV --players A --start 9:00", "--start 9:00: not a time HH:MM"},
      {"draw EV --players A --order best", "--order best"},
      {"draw EV --players A --two-tees --shotgun", "exclude each other"},
      {"draw EV", "no players"},
  });
  EXPECT_EQ(dir_.Read("Data/EVENTS.DAT"), event);
  EXPECT_EQ(Cli("export draw EV").ExitCode, 2) << "no draw yet";

  const RunResult drawn = Cli("draw ev --players C,A,B,a --group 2 --start 09:00 --interval 8");
  EXPECT_EQ(drawn.ExitCode, 0) << drawn.Output;
  EXPECT_THAT(drawn.Output, HasSubstr("A is named twice and drawn once"));
  EXPECT_THAT(drawn.Output, HasSubstr("09:08    1      2  C   Cy       30.0       30"));
  EXPECT_EQ(dir_.Read("Data/EVENTS.DAT"), event + "Group1=09:00;1;A\r\nGroup2=09:08;1;B;C\r\n");
  EXPECT_EQ(Check().ExitCode, 0);
  EXPECT_EQ(Cli("export draw EV").Output,
            "Group,Time,Tee,Player ID,Player,Hcp,Strokes\r\n1,09:00,1,A,Ann,4.0,4\r\n"
            "2,09:08,1,B,Bo,12.4,12\r\n2,09:08,1,C,Cy,30.0,30\r\n");

  const RunResult random = Cli("draw EV --players A,B,C --order random", "", "2>/dev/null");
  const std::string seed = random.Output.substr(5, random.Output.find(' ', 5) - 5);
  const std::string stored = dir_.Read("Data/EVENTS.DAT");
  EXPECT_THAT(stored, HasSubstr("DrawSeed=" + seed + "\r\n"));
  Cli("draw EV --players A,B,C");
  EXPECT_EQ(Cli("draw EV --players A,B,C --order random --seed " + seed).ExitCode, 0);
  EXPECT_EQ(dir_.Read("Data/EVENTS.DAT"), stored);
}

// The number of times `part` occurs in `text`.
int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST_F(CliTest, CardsMarkTheStrokesReceivedWithBulletsInThePdf) {
  const std::pair<const char*, int> players[] = {
      {"0.0", 0}, {"9.0", 9}, {"18.0", 18}, {"28.4", 28}, {"36.0", 36}};
  std::string file;
  for (const auto& [hcp, strokes] : players)
    file += "[P" + std::to_string(strokes) + "]\r\nID=P" + std::to_string(strokes) +
            "\r\nPlayer=Player " + std::to_string(strokes) + "\r\nHcp=" + hcp + "\r\n";
  dir_.Write("Data/PLAYERS.DAT", file);
  dir_.Write("Data/COURSES.DAT",
             "[C1]\r\nID=C1\r\nCourse=Mill Brook\r\nPar=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n"
             "Hcp=7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4\r\n");
  dir_.Write("Data/EVENTS.DAT",
             "[EV]\r\nID=EV\r\nEvent=Spring Cup\r\nType=2\r\n"
             "[NC]\r\nID=NC\r\nGroup1=08:00;1;P0\r\n");
  EXPECT_THAT(Cli("cards NC").Output, HasSubstr("event NC has no course"));
  dir_.Write("Data/EVENTS.DAT", "[EV]\r\nID=EV\r\nEvent=Spring Cup\r\nCourseID=C1\r\nType=2\r\n");
  const RunResult undrawn = Cli("cards EV");
  EXPECT_EQ(undrawn.ExitCode, 2);
  EXPECT_THAT(undrawn.Output, HasSubstr("event EV has no draw"));

  // One card each; the bullets of all five add up to 0 + 9 + 18 + 28 + 36.
  ASSERT_EQ(Cli("draw EV --players P0,P9,P18,P28,P36").ExitCode, 0);
  const RunResult cards = Cli("cards EV --output " + dir_.File("cards.pdf"));
  ASSERT_EQ(cards.ExitCode, 0) << cards.Output;
  const std::string text = Output("pdftotext -enc UTF-8 " + dir_.File("cards.pdf") + " - 2>&1");
  for (const auto& [hcp, strokes] : players)
    EXPECT_THAT(text, HasSubstr("Player " + std::to_string(strokes))) << text;
  EXPECT_THAT(text, HasSubstr("Points"));
  EXPECT_EQ(Occurrences(text, "\u2022"), 91);
  const RunResult unwritable = Cli("cards EV --output " + dir_.File("no/such/c.pdf"));
  EXPECT_EQ(unwritable.ExitCode, 1) << unwritable.Output;
  EXPECT_THAT(unwritable.Output, HasSubstr(dir_.File("no/such/c.pdf")));
}

// The demo data in the data folder, the site in web/, published to server/www/.
class PublishCliTest : public CliTest {
 protected:
  void SetUp() override {
    Settings(dir_.File("server/www/"), false);
    std::filesystem::create_directories(dir_.File("server"));  // rsync makes only the last folder
  }

  void Settings(const std::string& target, bool remove) const {
    dir_.Write("cardwise.ini",
               "[Dirs]\r\nDataDir=" + dir_.File("Data/") + "\r\nHtmlRootDir=" + dir_.File("web/") +
                   "\r\n[Files]\r\nPlayerFName=DEMOP.DAT\r\nCourseFName=DEMOC.DAT\r\n"
                   "EventFName=DEMOE.DAT\r\nTourFName=DEMOT.DAT\r\nRoundFName=DEMOR.DAT\r\n"
                   "[Web]\r\nPublishTo=" +
                   target + "\r\nPublishDelete=" + (remove ? "1" : "0") + "\r\n");
  }
};

// The counts of a run as the tool prints them; what is sent and deleted is the publish tests'.
TEST_F(PublishCliTest, ADryRunCountsAndChangesNothingARunSendsAndDeletes) {
  ASSERT_EQ(Cli("make-pages --publish").ExitCode, 0);
  const std::string page = "index/help.htm", sent = dir_.Read("server/www/" + page);
  ASSERT_TRUE(std::filesystem::remove(dir_.File("web/" + page)));
  dir_.Write("web/index/new.htm", "new");
  Settings(dir_.File("server/www/"), true);
  const RunResult dry = Cli("publish --dry-run");
  EXPECT_EQ(dry.ExitCode, 0) << dry.Output;
  EXPECT_THAT(dry.Output, HasSubstr("files to send: 1\nbytes to send: 3\nfiles to delete: 1\n"));
  EXPECT_EQ(dir_.Read("server/www/" + page), sent);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("server/www/index/new.htm")));
  EXPECT_THAT(Cli("publish").Output, HasSubstr("files sent: 1\nbytes sent: 3\nfiles deleted: 1\n"));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("server/www/" + page)));
}

// A stand-in rsync that leaves a mark shows whether anything ran.
TEST_F(PublishCliTest, RefusedTargetsAndAMissingRsyncRunNothing) {
  const std::string bin = dir_.File("bin/");
  dir_.Write("bin/rsync", "#!/bin/sh\ntouch " + dir_.File("rsync-ran") + "\n");
  std::filesystem::permissions(bin + "rsync", std::filesystem::perms::owner_all);
  const std::string path = "PATH=" + bin + ":/usr/bin:/bin";
  for (const char* target : {"-e sh", "x;rm", "$(id)", ""}) {
    Settings(target, true);
    const RunResult result = Cli("publish", path);
    EXPECT_EQ(result.ExitCode, 1) << target;
    EXPECT_THAT(result.Output, HasSubstr(*target ? "refused" : "no publish target")) << target;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("rsync-ran")));

  Settings(dir_.File("server/www/"), false);
  const RunResult missing = Cli("make-pages --publish", "PATH=" + dir_.File("nothing"));
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_THAT(missing.Output, HasSubstr("rsync: not found in PATH"));
  EXPECT_EQ(Cli("publish --now").ExitCode, 2);
}

// The progress line of cardwise-cli, on a clock the test sets.

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
