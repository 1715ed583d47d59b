// Loading the five data files and the batch commands of the Database menu.

#include "results/recalc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

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
  TSettings settings_;
  LoadReports reports_;
};

TEST_F(RecalcTest, LoadsEveryKindFromTheDataFolder) {
  settings_.RoundFName = "CARDS.DAT";
  dir_.Write("CARDS.DAT", Round("260601-1000-A", "A", "5.0"));
  Load("[A]\r\nID=A\r\n", "", "[E]\r\nID=E\r\n");
  EXPECT_EQ(reports_[kRoundsFile].File, dir_.File("CARDS.DAT"));
  EXPECT_NE(rounds_.FindRecord("260601-1000-A"), nullptr);
  EXPECT_EQ(reports_[kToursFile].RecordsRead, 0);
  EXPECT_EQ(tours_.KeyAt(0), "??") << "a missing file leaves a placeholder";
}

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
  ASSERT_TRUE(RecalcAllEvents(events_, rounds_, dir_.File("EVENTS.DAT")));
  TEventList reloaded;
  reloaded.LoadFromFile(dir_.File("EVENTS.DAT"));
  ASSERT_EQ(reloaded.Count(), 2);
  EXPECT_THAT(reloaded.FindRecord("CUP")->Results,
              ::testing::ElementsAre("1;70;B;250601-0910-B;", "2;71;A;250601-0900-A;"));
  EXPECT_THAT(reloaded.FindRecord("MAN")->Results, ::testing::ElementsAre("1;3;Q;;", "2;5;P;;"));
}

TEST_F(RecalcTest, AFileThatCannotBeWrittenIsReported) {
  Load("", "", "[E]\r\nID=E\r\n");
  dir_.Write("blocker", "a file");
  EXPECT_THAT(RecalcAllEvents(events_, rounds_, dir_.File("blocker/EVENTS.DAT")).message(),
              HasSubstr("blocker/EVENTS.DAT"));
}

}  // namespace
}  // namespace cardwise
