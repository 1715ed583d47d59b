// The statistics of rounds, one player's and the lists of players.

#include "results/round_stats.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "records/dates.h"
#include "results/database.h"
#include "results/stat_list.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

const std::string kFours = "4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4";
constexpr float kNone = -99;  // a statistic that got no sample

Result Row(const std::string& text) {
  Result row;
  row.FromText(text, 1, ',');
  return row;
}

Round Card(const std::string& score, const std::string& par = kFours) {
  Round round;
  round.Score.FromText(score, 1, ',');
  round.CPar.FromText(par, 1, ',');
  return round;
}

void ExpectMean(const SumStat& stat, float mean) {
  EXPECT_EQ(stat.Samples, mean == kNone ? 0 : 1);
  if (mean != kNone) {
    EXPECT_FLOAT_EQ(stat.Mean(), mean);
  }
}

TEST(RoundStatsTest, PlayedHolesCountAndOnlyAFullCardHasAScore) {
  const std::string par = "4,4,3,5,6,4,4,4,4,4,4,4,4,4,4,4,4,4";
  Round incomplete = Card("5,3,3,5,6,4,4,4,4,4,4,4,4,4,4,4,4", par);  // 17 holes
  incomplete.Score.StrictTotal = false;  // a card is summed strictly whatever its row says
  incomplete.Fairways = Row("1,1,1,0,1,1,1,1,1");
  RoundStats stats;
  stats.AddRound(Card("3,4,5,16,4,4,4,4,4,4,4,4,4,4,4,4,4,4", par));
  stats.AddRound(incomplete);
  // All holes, 11 over par counted as +10, par 3, 4 (the par-6 hole is in no bucket) and 5.
  EXPECT_EQ(std::make_tuple(stats.AllHoles.Holes, stats.AllHoles.BucketOf(10),
                            stats.Par3Holes.Holes, stats.Par4Holes.Holes, stats.Par5Holes.Holes),
            std::make_tuple(35, 1, 2, 29, 2));
  EXPECT_FLOAT_EQ(stats.Birdies.Mean(), 1.5f);
  ExpectMean(stats.StrokesPerRound, 84);
  ExpectMean(stats.FairwaysShare, 8 / 18.0f);  // par 3s count in the base
  EXPECT_EQ(std::make_tuple(stats.HolePlayed[17], stats.HoleStrokes[3], stats.MaxHolePlayed()),
            std::make_tuple(1, 21, 2));
  EXPECT_EQ(stats.Eclectic.AsText(), "3,3,3,5,4,4,4,4,4,4,4,4,4,4,4,4,4,4");
}

TEST(RoundStatsTest, TheHoleAfterAFirstBogeyIsAnMIndexSample) {
  // Scores on par-4 holes; the samples and their sum.
  const std::tuple<std::string, int, float> cases[] = {
      {"4,4,4,5,3", 1, -1}, {"4,5,4,4,4", 0, 0}, {"4,4,5,6", 1, 2},          {"0,0,5,4", 1, 0},
      {"4,5,5,4,4", 0, 0},  {"4,4,5,0,4", 0, 0}, {"4,4,4,5,3,4,4,6,5", 2, 0}};
  for (const auto& [score, samples, sum] : cases) {
    RoundStats stats;
    stats.AddRound(Card(score));
    EXPECT_EQ(stats.AfterBogey.Samples, samples) << score;
    EXPECT_FLOAT_EQ(stats.AfterBogey.Sum, sum) << score;
  }
}

TEST(RoundStatsTest, PuttsAndGreensAddWhereARoundHasThem) {
  const std::string twos = "2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2";
  const std::string putts = "1,2,3,2,2,2,2,2,2,2,2,2,2,2,2,2,2,1";
  const std::string greens = "1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1";
  // Putts and greens rows and stored totals; the means of ChipIns, PuttsPerRound, NIndex,
  // PuttsPerGIR and GreensShare.
  const std::tuple<const char*, std::string, std::string, int, int, std::array<float, 5>> cases[] =
      {{"nine holes of putts", "2,2,1,2,0,2,2,2,2", "", 0, 0, {10, 15, kNone, kNone, kNone}},
       {"no green hit, a greens total", twos, "", 0, 9, {0, 36, 4, kNone, kNone}},
       {"no green hit, no total", twos, "", 0, 0, {0, 36, kNone, kNone, kNone}},
       {"totals only", "", "", 30, 21, {kNone, kNone, -7, kNone, kNone}},  // -3 div 2 is -1
       {"full card", putts, greens, 0, 0, {0, 35, 6, 4 / 3.0f, 3 / 18.0f}}};
  for (const auto& [name, puttsRow, greensRow, puttsStored, greensStored, means] : cases) {
    Round round = Card(kFours);
    round.Putts = Row(puttsRow);
    round.Putts.SetTotal(puttsStored);
    round.Greens = Row(greensRow);
    round.Greens.SetTotal(greensStored);
    RoundStats stats;
    stats.AddRound(round);
    SCOPED_TRACE(name);
    const SumStat* sums[] = {&stats.ChipIns, &stats.PuttsPerRound, &stats.NIndex,
                             &stats.PuttsPerGIR, &stats.GreensShare};
    for (std::size_t i = 0; i < means.size(); ++i)
      ExpectMean(*sums[i], means[i]);
  }
}

TEST(RoundStatsTest, RankHolesGivesTiesTheBetterRank) {
  // The ranks of holes 1 to 5; the rest rank as hole 5. Hole 5 unplayed counts as 0.
  const std::pair<std::string, std::vector<int>> cases[] = {
      {"6,6,5,3,0,4,4,4,4,4,4,4,4,4,4,4,4,4", {1, 1, 3, 18, 4}}, {kFours, {1, 1, 1, 1, 1}}};
  for (const auto& [score, ranks] : cases) {
    RoundStats stats;
    stats.AddRound(Card(score));
    stats.RankHoles(Row(kFours));
    for (int h = 0; h < kHoles; ++h)
      EXPECT_EQ(stats.HoleRank[h], ranks[std::min(h, 4)]) << score << " hole " << h + 1;
  }
}

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

// Birdies per round: Cd 1, AB 0, EF 2; strokes: Cd 76, AB 72, EF 73. No key (0) or an unknown
// one leaves the order as generated.
TEST_F(StatListTest, GenerateTakesTheRoundsOfTheYearAndTourOfKnownPlayersSortListByTheKey) {
  const std::tuple<std::string, int, int, std::string> cases[] = {
      {"", 0, 0, "Cd 2;AB 2;EF 1;"},
      {"", 2003, 0, "AB 1;Cd 1;"},
      {"T1", 0, 0, "Cd 1;AB 1;"},
      {"t1", 2003, 0, "AB 1;"},
      {"NOPE", 0, 0, ""},
      {"", 1999, 0, ""},
      {"", 10000, 0, ""},
      {"", 0, SortBirdies, "EF 1;Cd 2;AB 2;"},
      {"", 0, SortStrokes, "AB 2;EF 1;Cd 2;"},
      {"", 0, 99, "Cd 2;AB 2;EF 1;"}};
  for (const auto& [tourID, year, key, entries] : cases) {
    StatList list;
    list.Generate(database_, tourID, year);
    if (key) list.SortList(key);
    EXPECT_EQ(Listed(list), entries) << "tour '" << tourID << "', year " << year << ", key " << key;
  }
}

}  // namespace
}  // namespace cardwise
