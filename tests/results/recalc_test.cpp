// Loading the five data files and the batch commands of the Database menu; switching to the
// demo data; what uses a record; the legacy import's steps.

#include "results/recalc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/locale_formats.h"
#include "results/database.h"
#include "results/demo_data.h"
#include "results/dx_import_step.h"
#include "results/record_uses.h"
#include "results/startup.h"
#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

using ::testing::HasSubstr;

// The lists in memory, a temporary folder and settings, in the ISO formats.
class DatabaseTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  DatabaseTest() { SetCurrentFormats(IsoFormats()); }

  testing::TempDir dir_;
  AppSettings settings_;
};

class RecalcTest : public DatabaseTest {
 protected:
  RecalcTest() { settings_.DataDir = dir_.Path(); }

  // Writes the files, then loads all five.
  void Load(const std::string& players, const std::string& rounds, const std::string& events) {
    dir_.Write("PLAYERS.DAT", players);
    dir_.Write("ROUNDS.DAT", rounds);
    dir_.Write("EVENTS.DAT", events);
    reports_ = LoadDatabase(database_, settings_);
  }

  static std::string Round(const std::string& id, const std::string& player, const char* hcp,
                           const std::string& extra = "") {
    return "[" + id + "]\r\nID=" + id + "\r\nPlayerID=" + player + "\r\nHcp=" + hcp + "\r\n" +
           extra + "Score=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n";
  }

  LoadReports reports_;
};

TEST_F(RecalcTest, PlayersTakeTheHandicapOfTheirLatestRound) {
  const std::string rounds =
      Round("250301-0900-A", "A", "20.0") + Round("250301-1400-A", "A", "18.5") +
      Round("240301-0900-B", "B", "9.0") + Round("990301-0900-B", "B", "12.0") +
      Round("250101-0900-Z", "Z", "1.0");
  Load("[A]\r\nID=A\r\nHcp=30.0\r\n[B]\r\nID=B\r\n[C]\r\nID=C\r\nHcp=7.0\r\n", rounds, "");
  ASSERT_TRUE(UpdatePlayersHcp(database_, dir_.File("PLAYERS.DAT")));
  EXPECT_FLOAT_EQ(players_.FindRecord("A")->Hcp, 18.5f) << "the later tee time decides";
  // Round IDs carry a two-digit year, so a round of 1999 sorts last and counts as the latest.
  EXPECT_FLOAT_EQ(players_.FindRecord("B")->Hcp, 12.0f);
  // C has no rounds: kept and not saved again, so its section stays first in the file.
  EXPECT_THAT(dir_.Read("PLAYERS.DAT"), ::testing::StartsWith("[C]\r\nID=C\r\nHcp=7.0\r\n"));
  EXPECT_THAT(dir_.Read("PLAYERS.DAT"), HasSubstr("[A]\r\nID=A\r\nHcp=18.5\r\n"));
}

TEST_F(RecalcTest, RecalcAllEventsRanksAndSavesEveryEvent) {
  const std::string rounds = Round("250601-0900-A", "A", "1.0", "EventID=CUP\r\n") +
                             Round("250601-0910-B", "B", "2.0", "EventIDs=X;CUP;\r\n");
  Load("", rounds,
       "[CUP]\r\nID=CUP\r\nType=1\r\nMake=1\r\n[MAN]\r\nID=MAN\r\nType=3\r\nMake=1\r\n"
       "1=;5;P\r\n2=;3;Q\r\n");
  ASSERT_TRUE(RecalcAllEvents(database_, dir_.File("EVENTS.DAT")));
  EventList reloaded;
  reloaded.LoadFromFile(dir_.File("EVENTS.DAT"));
  ASSERT_EQ(reloaded.Count(), 2);
  EXPECT_THAT(reloaded.FindRecord("CUP")->Results,
              ::testing::ElementsAre("1;70;B;250601-0910-B;", "2;71;A;250601-0900-A;"));
  EXPECT_THAT(reloaded.FindRecord("MAN")->Results, ::testing::ElementsAre("1;3;Q;;", "2;5;P;;"));

  // Run again with nothing new, the file is not written: its time stays.
  const std::string path = dir_.File("EVENTS.DAT");
  const auto past = std::filesystem::last_write_time(path) - std::chrono::hours(1);
  std::filesystem::last_write_time(path, past);
  const std::string text = dir_.Read("EVENTS.DAT");
  ASSERT_TRUE(RecalcAllEvents(database_, path));
  EXPECT_EQ(std::filesystem::last_write_time(path), past);
  EXPECT_EQ(dir_.Read("EVENTS.DAT"), text);
}

// Sections with lines the program cannot read stay byte for byte and are listed; every other
// record is recalculated and saved; lines elsewhere (before the first section, in sections that
// are not rewritten) stop nothing and stay where they are.
TEST_F(RecalcTest, RecordsWithUnreadableLinesAreLeftAsTheyWere) {
  const std::string badEvent = "[BAD]\r\nID=BAD\r\nType=none\r\nMake=1\r\n";
  const std::string noteEvent = "[NOTE]\r\nID=NOTE\r\nType=1\r\nNote=late entry\r\n";
  const std::string badPlayer = "[A]\r\nID=A\r\nHcp=30.0\r\nNick=Al\r\n";
  const std::string idlePlayer = "[C]\r\nID=C\r\nShoe=42\r\n";  // no rounds: not rewritten
  const std::string badTour = "[T2]\r\nID=T2\r\nType=1\r\nEvents=CUP;\r\nNtot=many\r\n";
  Load("# players\r\n" + badPlayer + "[B]\r\nID=B\r\n" + idlePlayer,
       Round("250601-0900-A", "A", "1.0", "EventID=CUP\r\n") +
           Round("250601-0910-B", "B", "2.0", "EventID=CUP\r\n"),
       "stray line\r\n" + badEvent + "[CUP]\r\nID=CUP\r\nType=1\r\nMake=1\r\n" + noteEvent);
  dir_.Write("TOURS.DAT", "[T1]\r\nID=T1\r\nType=1\r\nEvents=CUP;\r\n" + badTour);
  tours_.LoadFromFile(dir_.File("TOURS.DAT"));

  const BatchReport events = RecalcAllEvents(database_, dir_.File("EVENTS.DAT"));
  const BatchReport tours = RecalcAllTours(database_, dir_.File("TOURS.DAT"));
  const BatchReport players = UpdatePlayersHcp(database_, dir_.File("PLAYERS.DAT"));

  const std::pair<const BatchReport*, std::vector<std::string>> expected[] = {
      {&events,
       {dir_.File("EVENTS.DAT") + ":4: not a whole number: Type=none (BAD left as it was)",
        dir_.File("EVENTS.DAT") + ":13: unknown key: Note=late entry (NOTE left as it was)"}},
      {&tours, {dir_.File("TOURS.DAT") + ":9: not a whole number: Ntot=many (T2 left as it was)"}},
      {&players, {dir_.File("PLAYERS.DAT") + ":5: unknown key: Nick=Al (A left as it was)"}}};
  for (const auto& [report, messages] : expected) {
    EXPECT_TRUE(report->Outcome) << report->File;
    EXPECT_FALSE(report->ok());
    EXPECT_EQ(report->Messages(), messages);
  }
  const std::string eventsFile = dir_.Read("EVENTS.DAT");
  EXPECT_THAT(eventsFile, ::testing::StartsWith("stray line\r\n" + badEvent));
  EXPECT_THAT(eventsFile, HasSubstr(noteEvent));
  EXPECT_THAT(eventsFile, HasSubstr("1=1;70;B;250601-0910-B;"));
  EXPECT_THAT(dir_.Read("TOURS.DAT"), HasSubstr(badTour));
  EXPECT_THAT(dir_.Read("TOURS.DAT"), HasSubstr("Ntot=2\r\n"));
  const std::string playersFile = dir_.Read("PLAYERS.DAT");
  EXPECT_THAT(playersFile, ::testing::StartsWith("# players\r\n" + badPlayer));
  EXPECT_THAT(playersFile, HasSubstr(idlePlayer));
  EXPECT_THAT(playersFile, HasSubstr("[B]\r\nID=B\r\nHcp=2.0\r\n"));
  EXPECT_FLOAT_EQ(players_.FindRecord("A")->Hcp, 30.0f) << "left alone in memory too";
  EXPECT_TRUE(events_.FindRecord("BAD")->Results.empty());
}

TEST_F(RecalcTest, AFileThatCannotBeWrittenIsReported) {
  Load("", "", "[E]\r\nID=E\r\n");
  dir_.Write("blocker", "a file");
  EXPECT_THAT(RecalcAllEvents(database_, dir_.File("blocker/EVENTS.DAT")).Outcome.message(),
              HasSubstr("blocker/EVENTS.DAT"));
}

// Switching to the demo data and back, and the folder step of start-up that ships them.

class DemoDataTest : public DatabaseTest {
 protected:
  void SetUp() override {
    settings_.DataDir = dir_.File("Data/");
    settings_.HtmlRootDir = "/srv/www/golf/";
    settings_.RoundFName = "MYR.DAT";
    settings_.PlayerFName = "MYP.DAT";
    dir_.Write("Data/MYP.DAT", "[ME]\r\nID=ME\r\n");
    dir_.Write("Data/DEMOP.DAT", "[D1]\r\nID=D1\r\n[D2]\r\nID=D2\r\n");
    dir_.Write("Data/DEMOR.DAT", "[260501-0900-D1]\r\nID=260501-0900-D1\r\nScore=4\r\n");
    ini_ = dir_.Write("cardwise.ini", "[Files]\r\nRoundFName=MYR.DAT\r\n");
    for (const char* name : {"DEMOP", "DEMOC", "DEMOR", "DEMOE", "DEMOT"})
      dir_.Write(std::string("share/demo/") + name + ".DAT",
                 std::string("[S]\r\nID=") + name + "\r\n");
  }

  DemoSwitch Load() { return LoadDemo(database_, settings_, ini_, shipped_); }

  // The values "DemoUnload" holds for Round, Player, Tour and HtmlRootDir ("-" when missing).
  std::string Unload() const {
    IniFile ini;
    ini.Load(ini_);
    std::string values;
    for (const char* key : {"Round", "Player", "Tour", "HtmlRootDir"})
      values += ini.ReadString(kDemoUnloadSection, key, "-") + "|";
    return values;
  }

  testing::ScopedEnv dataHome_{"XDG_DATA_HOME", "/home/demo/.local/share"};
  std::string ini_;
  std::string shipped_ = dir_.File("share/");
};

TEST_F(DemoDataTest, LoadTwiceKeepsTheFirstSavedNamesAndUnloadRestoresThem) {
  for (int load = 0; load < 2; ++load) {
    const DemoSwitch result = Load();
    ASSERT_TRUE(result.Outcome) << result.Outcome.message();
    EXPECT_EQ(result.Reports[kPlayersFile].File, dir_.File("Data/DEMOP.DAT"));
  }
  const std::string saved = "MYR.DAT|MYP.DAT|TOURS.DAT|/srv/www/golf/|";
  EXPECT_EQ(Unload(), saved);
  EXPECT_EQ(settings_.CourseFName + "|" + settings_.HtmlRootDir,
            "DEMOC.DAT|/home/demo/.local/share/cardwise/Web-Demo/");
  EXPECT_EQ(std::make_pair(players_.Count(), rounds_.Count()), std::make_pair(2, 1));
  EXPECT_EQ(tours_.KeyAt(0), "DEMOT") << "the missing demo files were copied in";
  EXPECT_EQ(dir_.Read("Data/DEMOP.DAT"), "[D1]\r\nID=D1\r\n[D2]\r\nID=D2\r\n") << "not over it";
  EXPECT_THAT(dir_.Read("cardwise.ini"), ::testing::StartsWith("[Files]\r\nRoundFName=MYR.DAT"));

  ASSERT_TRUE(UnloadDemo(database_, settings_, ini_).Outcome);
  EXPECT_EQ(settings_.RoundFName + "|" + settings_.EventFName + "|" + settings_.HtmlRootDir,
            "MYR.DAT|EVENTS.DAT|/srv/www/golf/");
  EXPECT_EQ(players_.Count() == 1 ? players_.KeyAt(0) : "", "ME");
  EXPECT_EQ(Unload(), saved) << "the section is never removed";
}

// When the way back cannot be saved, or a demo file is neither there nor to be had, the
// settings, the settings file and the lists stay as they were.
TEST_F(DemoDataTest, NothingIsSwitchedWhenTheWayBackOrADemoFileIsMissing) {
  const std::string before = dir_.Read("cardwise.ini");
  players_.LoadFromFile(dir_.File("Data/MYP.DAT"));
  const struct {
    std::function<void()> Change;
    std::string Message;
  } cases[] = {
      {[&] { ini_ = dir_.Write("file", "") + "/cardwise.ini"; }, "file/cardwise.ini"},
      {[&] { DeleteFile(shipped_ + "demo/DEMOE.DAT"); },
       dir_.File("Data/DEMOE.DAT") + ": no demo file, and " + shipped_ + "demo/DEMOE.DAT"},
      {[&] { shipped_.clear(); }, "the program's shipped files were not found"},
      {[&] { settings_.DataDir = dir_.File("file/"); }, "could not be copied into the data folder"},
  };
  for (const auto& c : cases) {
    for (const char* copied : {"Data/DEMOC.DAT", "Data/DEMOE.DAT", "Data/DEMOT.DAT"})
      DeleteFile(dir_.File(copied));  // by an earlier case, before its refusal
    const std::string ini = ini_, shipped = shipped_;
    c.Change();
    const DemoSwitch result = Load();
    EXPECT_THAT(result.Outcome.message(), ::testing::HasSubstr(c.Message));
    EXPECT_EQ(settings_.RoundFName + "|" + settings_.HtmlRootDir, "MYR.DAT|/srv/www/golf/");
    EXPECT_EQ(dir_.Read("cardwise.ini"), before);
    EXPECT_EQ(players_.Count() == 1 ? players_.KeyAt(0) : "", "ME");
    ini_ = ini, shipped_ = shipped, settings_.DataDir = dir_.File("Data/");
  }
}

class PrepareFoldersTest : public DatabaseTest {
 protected:
  void SetUp() override {
    dir_.Write("share/demo/DEMOP.DAT", "[D]\r\nID=D\r\n");
    dir_.Write("share/demo/.keep", "");
    for (const char* name : {"share/template/style.css", "share/template/help.htm"})
      dir_.Write(name, "shipped");
    std::tie(settings_.DataDir, settings_.TemplateDir, settings_.HtmlRootDir) =
        std::make_tuple(dir_.File("new/data/"), dir_.File("tpl/"), dir_.File("new/web/"));
  }

  std::string shipped_ = dir_.File("share/");
};

TEST_F(PrepareFoldersTest, ShippedFilesGoOnlyIntoFoldersItCreates) {
  dir_.Write("tpl/style.css", "mine");
  ASSERT_TRUE(PrepareFolders(settings_, shipped_));
  EXPECT_EQ(dir_.Read("new/data/DEMOP.DAT"), "[D]\r\nID=D\r\n");
  EXPECT_FALSE(FileExists(dir_.File("new/data/.keep")));
  EXPECT_EQ(dir_.Read("tpl/style.css"), "mine");
  EXPECT_FALSE(FileExists(dir_.File("tpl/help.htm"))) << "the template folder was there";
  EXPECT_TRUE(DirectoryExists(settings_.HtmlRootDir));
  EXPECT_TRUE(FilesMatching(settings_.HtmlRootDir, "*").empty());

  DeleteFile(dir_.File("new/data/DEMOP.DAT"));
  ASSERT_TRUE(PrepareFolders(settings_, shipped_));
  EXPECT_FALSE(FileExists(dir_.File("new/data/DEMOP.DAT"))) << "not copied again";
}

// What the delete question counts: the records that hold a player's, course's or event's ID.

class RecordUsesTest : public DatabaseTest {
 protected:
  RecordUsesTest() {
    rounds_.LoadFromFile(
        dir_.Write("ROUNDS.DAT",
                   "[R1]\r\nID=R1\r\nPlayerID=TR\r\nCourseID=MB\r\nEventID=E1\r\n"
                   "[R2]\r\nID=R2\r\nPlayerID=tr\r\nCourseID=mb\r\nEventID=E2\r\nEventIDs=E1\r\n"
                   "[R3]\r\nID=R3\r\nPlayerID=AB\r\nCourseID=OK\r\nEventID=e1\r\n"));
    events_.LoadFromFile(
        dir_.Write("EVENTS.DAT",
                   "[E1]\r\nID=E1\r\nCourseID=MB\r\n1=1;70;TR;R1;\r\n2=2;72;AB;R3;\r\n"
                   "[E2]\r\nID=E2\r\nCourseID=OK\r\n1=1;71;AB;;\r\n"
                   "[E3]\r\nID=E3\r\nCourseID=MB\r\n"
                   "[E4]\r\nID=E4\r\nFormat=fourball\r\nTeam1=NB,ZZ\r\n1=1;40;ZZ+nb;;\r\n"));
    tours_.LoadFromFile(dir_.Write("TOURS.DAT",
                                   "[T1]\r\nID=T1\r\nEvents=E1;E2;\r\n1=1;25;1;Tr;\r\n"
                                   "[T2]\r\nID=T2\r\nEvents=E10;E2;\r\n1=1;9;1;AB;\r\n"));
  }
};

TEST_F(RecordUsesTest, CountsTheRecordsThatHoldTheId) {
  using Count = RecordUses (*)(const Database&, std::string_view);
  const struct {
    Count Uses;
    const char* ID;
    const char* Text;
  } cases[] = {
      {PlayerUses, "TR", "2 rounds, 1 event result and 1 tour line"},
      {PlayerUses, "ab", "1 round, 2 event results and 1 tour line"},
      {PlayerUses, "NB", "1 event result and 1 team"},  // a team's line names each member
      {PlayerUses, "XX", ""},
      {CourseUses, "MB", "2 rounds and 2 events"},
      {CourseUses, "OK", "1 round and 1 event"},
      // An event's rounds are those its results take (letter case counts, as there).
      {EventUses, "E1", "2 rounds and 1 tour"},
      {EventUses, "E2", "1 round and 2 tours"},
      {EventUses, "E3", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UsesText(c.Uses(database_, c.ID)), c.Text) << c.ID;
}

// The four steps of the legacy import on the process lists: what each step reads, writes and
// reloads.

// DOS code page: "\x94" is ö, "\x86" is å.
const char kBana[] =
    "Klubb=Bj\x94rkviken GK\r\nSlope=71.2/128\r\nParUT=4 4 3 5 4 4 3 4 5\r\n"
    "ParIN=4 4 3 5 4 4 3 4 5\r\n*EOB\r\n";
const char kRond[] =
    "Spelare=John Smith\r\nHcp=15,2\r\nTavling=V\x86rcupen\r\nDatum=020511\r\n"
    "Bana=Bj\x94rkviken\r\nStart=9.10\r\nScoreUT=5 4 3 6 5 4 4 5 6\r\n*EOR\r\n"
    "Spelare=Anna Berg\r\nHcp=9,0\r\nDatum=020512\r\nBana=Okand\r\nStart=10.00\r\n"
    "ScoreUT=4 4 3\r\n*EOR\r\n"
    "Spelare=John Smith\r\nHcp=14,8\r\nTavling=V\x86rcupen\r\nDatum=020511\r\n"
    "Bana=Bj\x94rkviken\r\nStart=9.10\r\nScoreUT=4 4 4\r\n*EOR\r\n";

class DXImportStepTest : public DatabaseTest {
 protected:
  void SetUp() override {
    settings_.DataDir = dir_.File("Data/");
    CreateDirectories(settings_.DataDir);
  }

  DXImportReport Step(DXStep step, const char* name, const char* bytes) {
    return ImportDXStep(step, dir_.Write(name, bytes), database_, settings_);
  }
};

TEST_F(DXImportStepTest, StepsInOrderLinkTheRoundsToWhatTheEarlierStepsImported) {
  ASSERT_TRUE(Step(DXStep::Courses, "BANA.DX", kBana).Outcome);
  ASSERT_TRUE(Step(DXStep::Players, "ROND.DX", kRond).Outcome);
  ASSERT_EQ(players_.Count(), 2) << "the list holds the imported players, no placeholder";
  EXPECT_FLOAT_EQ(players_.FindRecord("JS")->Hcp, 14.8f);

  const DXImportReport events = Step(DXStep::Events, "ROND.DX", kRond);
  EXPECT_EQ(events.Imported, 2) << "the round without a competition adds no event";
  ASSERT_EQ(events_.Count(), 1);
  const Event& event = events_.RecordAt(0);
  EXPECT_EQ(event.ID + "|" + event.CourseID + "|" + ShortDateText(event.Date),
            "V\xE5rcupen|BJ\xD6RG|2002-05-11");

  const DXImportReport rounds = Step(DXStep::Rounds, "ROND.DX", kRond);
  EXPECT_EQ(rounds.Target, dir_.File("Data/ROUNDS.DAT"));
  const Round* round = rounds_.FindRecord("020511-0910-JS");
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->EventID + "|" + round->CourseID, "V\xE5rcupen|BJ\xD6RG");
  EXPECT_EQ(round->CPar.TotalIfComplete(), 72);
  EXPECT_EQ(round->Score.AsText(), "4,4,4") << "the later card of the same ID";
  const Round* anna = rounds_.FindRecord("020512-1000-AB");
  EXPECT_EQ(anna ? anna->CourseName + "|" + anna->CourseID : "none", "Okand|")
      << "a course not found keeps its name";
}

TEST_F(DXImportStepTest, AMissingFileChangesNothing) {
  players_.LoadFromFile(dir_.Write("Data/PLAYERS.DAT", "[A]\r\nID=A\r\n"));
  const std::string path = dir_.File("NONE.DX");
  const DXImportReport report = ImportDXStep(DXStep::Players, path, database_, settings_);
  EXPECT_TRUE(report.SourceMissing);
  EXPECT_EQ(report.Outcome.message(), "File not found:\r" + path + "\rIs the filename correct ?");
  EXPECT_EQ(players_.Count(), 1);
  EXPECT_EQ(dir_.Read("Data/PLAYERS.DAT"), "[A]\r\nID=A\r\n");
}

}  // namespace
}  // namespace cardwise
