#include "results/round_stats.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

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

}  // namespace
}  // namespace cardwise
