#include "results/stat_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "records/dates.h"
#include "results/database.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

// Players AB, Cd and EF; the rounds of "ZZ" have no player. Per round: ID, player, year, event,
// birdies and bogeys on an all-par-4 card.
class StatListTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  void SetUp() override {
    for (const char* id : {"AB", "Cd", "EF"})
      Add(players_, id);
    AddRound("020101-0900-cd", "cd", 2002, "E1", 1, 5);
    AddRound("020102-0900-AB", "AB", 2002, "E2", 0, 0);
    AddRound("020103-0900-ZZ", "ZZ", 2002, "E1", 0, 0);
    AddRound("030101-0900-AB", "AB", 2003, "E1", 0, 0);
    AddRound("030102-0900-CD", "CD", 2003, "", 1, 5);
    AddRound("040101-0900-EF", "EF", 2004, "", 2, 3);
    Add(tours_, "T1").Events = "E0;E1;";
  }

  void AddRound(const char* id, const char* player, int year, const char* event, int birdies,
                int bogeys) {
    Round& round = Add(rounds_, id);
    std::tie(round.PlayerID, round.Date, round.EventID) =
        std::make_tuple(player, *EncodeDate(year, 6, 15), event);
    for (int h = 1; h <= kHoles; ++h) {
      round.Score.SetHoleValue(h, h <= birdies ? 3 : h <= birdies + bogeys ? 5 : 4);
      round.CPar.SetHoleValue(h, 4);
    }
  }

  // The entries as "ID rounds" pairs, in list order.
  static std::string Listed(const StatList& list) {
    std::string text;
    for (int i = 0; i < list.Count(); ++i)
      text += list.ID(i) + " " + std::to_string(list.RS(i).StrokesPerRound.Samples) + ";";
    return text;
  }
};

TEST_F(StatListTest, GenerateTakesTheRoundsOfTheYearAndTourOfKnownPlayers) {
  const std::tuple<std::string, int, std::string> cases[] = {{"", 0, "Cd 2;AB 2;EF 1;"},
                                                             {"", 2003, "AB 1;Cd 1;"},
                                                             {"T1", 0, "Cd 1;AB 1;"},
                                                             {"t1", 2003, "AB 1;"},
                                                             {"NOPE", 0, ""},
                                                             {"", 1999, ""},
                                                             {"", 10000, ""}};
  for (const auto& [tourID, year, entries] : cases) {
    StatList list;
    list.Generate(database_, tourID, year);
    EXPECT_EQ(Listed(list), entries) << "tour '" << tourID << "', year " << year;
  }
}

TEST_F(StatListTest, SortListOrdersByTheMeanOfTheKey) {
  // Birdies per round: Cd 1, AB 0, EF 2; strokes: Cd 76, AB 72, EF 73. An unknown key leaves
  // the order as generated.
  const std::pair<int, std::string> cases[] = {
      {SortBirdies, "EF 1;Cd 2;AB 2;"}, {SortStrokes, "AB 2;EF 1;Cd 2;"}, {99, "Cd 2;AB 2;EF 1;"}};
  for (const auto& [key, order] : cases) {
    StatList list;
    list.Generate(database_, "", 0);
    list.SortList(key);
    EXPECT_EQ(Listed(list), order) << "key " << key;
  }
}

}  // namespace
}  // namespace cardwise
