// Loading the five data files and the batch commands of the Database menu.

#include "results/recalc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/locale_formats.h"
#include "results/database.h"
#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

using ::testing::HasSubstr;

class RecalcTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  RecalcTest() {
    SetCurrentFormats(IsoFormats());
    settings_.DataDir = dir_.Path();
  }

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

  testing::TempDir dir_;
  AppSettings settings_;
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

}  // namespace
}  // namespace cardwise
