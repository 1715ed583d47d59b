// The handicap rules one by one on worked examples, then whole scoring records.

#include "results/handicap_index.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/locale_formats.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Optional;

using testing::kIndex;
using testing::kPar72;

// A card on the par-72 course: par on every hole but the listed (hole, strokes) pairs.
Round Card(int strokes, std::vector<std::pair<int, int>> changes) {
  Round round;
  round.CPar.FromText(kPar72, 1, ',');
  round.CHcp.FromText(kIndex, 1, ',');
  round.Score.Assign(round.CPar);
  round.Strokes = static_cast<std::int16_t>(strokes);
  for (const auto& [hole, score] : changes)
    round.Score.SetHoleValue(hole, score);
  return round;
}

// Hole 4 (par 5, stroke index 1) taken in 11 and hole 12 (par 3, stroke index 18) in 9, the
// rest in par: each blow-up is cut to par + 2 + the strokes received there.
TEST(HandicapRulesTest, EachHoleIsCappedAtNetDoubleBogey) {
  const struct {
    int Strokes, Adjusted;
  } cases[] = {
      {0, 72 - 8 + 7 + 5},    // no strokes: 7 and 5
      {12, 72 - 8 + 8 + 5},   // one stroke on hole 4 only
      {20, 72 - 8 + 9 + 6},   // two on hole 4, one on hole 12
      {-2, 72 - 8 + 7 + 4},   // a plus 2 gives one back on hole 12
      {72, 72 - 8 + 11 + 9},  // four on every hole: nothing is cut
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_THAT(AdjustedGrossScore(Card(c.Strokes, {{4, 11}, {12, 9}}), reason),
                Optional(c.Adjusted))
        << c.Strokes << " strokes";
    EXPECT_EQ(reason, "");
  }
}

TEST(HandicapRulesTest, AnIncompleteCardHasNoAdjustedScore) {
  Round nineHoles = Card(10, {});
  for (int hole = 10; hole <= 18; ++hole)
    nineHoles.Score.SetHoleValue(hole, 0);
  Round noPar = Card(10, {}), noIndex = Card(10, {}), badIndex = Card(10, {});
  noPar.CPar.SetHoleValue(18, 0);
  noIndex.CHcp.Clear();
  badIndex.CHcp.SetHoleValue(5, 19);
  const struct {
    const Round& Card;
    const char* Reason;
  } cases[] = {{nineHoles, "no score on hole 10"},
               {noPar, "no par on hole 18"},
               {noIndex, "no stroke index on hole 1"},
               {badIndex, "no stroke index on hole 5"}};
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_EQ(AdjustedGrossScore(c.Card, reason), std::nullopt) << c.Reason;
    EXPECT_EQ(reason, c.Reason);
  }
}

TEST(HandicapRulesTest, DifferentialsAreRoundedToTheNearestTenth) {
  const struct {
    int Adjusted;
    float Rating, Slope;
    Tenths Differential;
  } cases[] = {
      {85, 71.2f, 128, 122},                        // 13.8 x 113 / 128 = 12.18
      {95, 71.5f, 125, 212},                        // 21.24
      {68, 71.5f, 125, -32},                        // -3.16
      {72, 72.0f, 113, 0},   {80, 70.1f, 226, 50},  // 4.95: a half goes up
      {70, 70.9f, 226, -5},                         // -0.45: and down below zero
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScoreDifferential(c.Adjusted, c.Rating, c.Slope), c.Differential)
        << c.Adjusted << " on " << c.Rating << "/" << c.Slope;
}

TEST(HandicapRulesTest, TheIndexComesFromTheLowestOfTheMostRecent20) {
  std::vector<Tenths> twentyTwo(22);
  std::iota(twentyTwo.rbegin(), twentyTwo.rend(), 0);  // 21.0 ... 0.0 in tenths: 210, ..., 0
  for (Tenths& value : twentyTwo)
    value *= 10;
  const struct {
    std::vector<Tenths> Differentials;
    std::optional<Tenths> Index;
    std::vector<int> Counting;
  } cases[] = {
      {{}, std::nullopt, {}},
      {{120, 80}, std::nullopt, {}},
      {{100, 100, 120}, 80, {0}},                  // ties: the older counts
      {{83, 96, 300, 300, 300, 300}, 80, {0, 1}},  // 8.95 - 1.0 = 7.95
      {{600, 600, 600}, 540, {0}},                 // at most 54.0
      // The two oldest fall out; the lowest 8 of the rest are 7.0 ... 0.0.
      {twentyTwo, 35, {14, 15, 16, 17, 18, 19, 20, 21}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IndexFromDifferentials(c.Differentials), c.Index);
    EXPECT_THAT(CountingDifferentials(c.Differentials), ElementsAreArray(c.Counting));
  }
}

TEST(HandicapRulesTest, SoftAndHardCapAgainstTheLowIndex) {
  const struct {
    Tenths Calculated, Low, Capped;
  } cases[] = {
      {130, 100, 130},                   // 3.0 above: free
      {133, 100, 132},                   // 0.3 over the soft cap: half, 0.15, rounds to 0.2
      {140, 100, 135}, {170, 100, 150},  // the soft cap would give 15.0: the hard cap is reached
      {200, 100, 150}, {90, 100, 90},   {-10, -30, -10},  // plus indexes: +1.0 against +3.0
      {20, -30, 10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CapIndex(c.Calculated, c.Low), c.Capped) << c.Calculated << " against " << c.Low;
}

TEST(HandicapRulesTest, ExceptionalScoresBringReductions) {
  const struct {
    Tenths Before, Differential, Reduction;
  } cases[] = {
      {150, 81, 0},   {150, 80, -10},  {150, 51, -10},
      {150, 50, -20}, {150, -50, -20}, {-10, -80, -10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExceptionalScoreReduction(c.Before, c.Differential), c.Reduction)
        << c.Differential << " against " << c.Before;
}

// --- whole scoring records ---

class HandicapRecordTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  HandicapRecordTest() {
    SetCurrentFormats(IsoFormats());
    Course& rated = Add(courses_, "C");  // a differential is the adjusted score - 72
    rated.CR = 72.0f, rated.Slope = 113;
    Add(courses_, "NR");
    Add(players_, "A");
  }

  // A round of `total` strokes with 36 strokes received (nothing is capped): over par, a
  // stroke more on the first holes; under par, a stroke less.
  Round& AddRound(const char* player, const char* course, DateTime date, int total) {
    auto round = std::make_unique<Round>(Card(36, {}));
    round->PlayerID = player, round->CourseID = course;
    round->Date = static_cast<int>(date), round->Start = date - static_cast<int>(date);
    for (int k = 0, over = total - 72, step = over > 0 ? 1 : -1; over != 0; ++k, over -= step)
      round->Score.SetHoleValue(k % 18 + 1, round->Score.Hole(k % 18 + 1) + step);
    round->MakeID();
    return rounds_.RecordAt(rounds_.Add(std::move(round)));
  }

  static DateTime Day(int year, int month, int day) { return *EncodeDate(year, month, day); }
  const HandicapRow& Row(const char* id, DateTime asOf) {
    rows_ = HandicapRows(database_, asOf);
    for (const HandicapRow& row : rows_)
      if (row.PlayerID == id) return row;
    throw std::logic_error("no row");
  }

  std::vector<HandicapRow> rows_;
};

// Round IDs carry a two-digit year, so the list holds B's 1999 after 2002; the record goes by
// date and tee time.
TEST_F(HandicapRecordTest, RoundsGoByDateAndThoseThatCannotCountAreListedWithTheReason) {
  Add(players_, "B");
  Add(players_, "N");
  AddRound("A", "C", Day(2026, 5, 1), 90);
  AddRound("a", "C", Day(2026, 5, 2), 88);  // the player's ID in other letters
  AddRound("A", "NR", Day(2026, 5, 3), 80);
  AddRound("A", "GONE", Day(2026, 5, 4), 80);
  AddRound("A", "C", Day(2026, 5, 5), 80).Score.SetHoleValue(9, 0);
  AddRound("A", "C", Day(2026, 6, 20), 80);  // after the day of the report
  AddRound("B", "C", Day(2002, 3, 1) + 0.6, 100);
  AddRound("B", "C", Day(2002, 3, 1) + 0.4, 90);
  AddRound("B", "C", Day(1999, 3, 1), 80);
  const HandicapRow& row = Row("A", Day(2026, 6, 15));
  std::vector<std::string> reasons;
  for (const HandicapScore& score : row.Scores)
    reasons.push_back(score.NotCounted);
  EXPECT_THAT(reasons, ElementsAre("", "", "course NR has no course rating or slope",
                                   "course \"GONE\" not found", "no score on hole 9"));
  EXPECT_EQ(row.Index, std::nullopt);
  EXPECT_EQ(row.RoundsCounted, 2);
  EXPECT_EQ(row.NoIndex, "2 rounds counted, 3 needed");
  EXPECT_EQ(row.LatestRound, Day(2026, 5, 2));
  const HandicapRow& b = Row("B", Day(2026, 6, 15));
  std::vector<Tenths> differentials;
  for (const HandicapScore& score : b.Scores)
    differentials.push_back(score.Differential);
  EXPECT_THAT(differentials, ElementsAre(80, 180, 280));
  EXPECT_EQ(b.LatestRound, Day(2002, 3, 1));
  EXPECT_THAT(b.Index, Optional(60));
  EXPECT_EQ(Row("N", Day(2026, 6, 15)).NoIndex, "no round counted");
  EXPECT_EQ(rows_.size(), 3u);
}

// Three rounds of 20.0 give 18.0; an 8.0 (10.0 below) takes 2.0 off all four differentials,
// and the index falls to 5.0. A 0.0 later that day is measured against the 18.0 the day began
// with, not that 5.0, and takes 2.0 more off all five.
TEST_F(HandicapRecordTest, AnExceptionalScoreReducesTheRecentDifferentials) {
  for (int day = 1; day <= 3; ++day)
    AddRound("A", "C", Day(2026, 5, day), 92);
  AddRound("A", "C", Day(2026, 5, 4) + 0.4, 80);
  AddRound("A", "C", Day(2026, 5, 4) + 0.6, 72);
  const HandicapRow& row = Row("A", Day(2026, 6, 1));
  std::vector<Tenths> adjusted;
  for (const HandicapScore& score : row.Scores)
    adjusted.push_back(score.Adjusted());
  EXPECT_THAT(adjusted, ElementsAre(160, 160, 160, 40, -20));
  EXPECT_THAT(row.Index, Optional(-20));
  EXPECT_TRUE(row.Scores[4].Counting);
  EXPECT_FALSE(row.Scores[3].Counting);
}

// Twenty rounds of 10.0 in 2024, then 30.0 a day from 2025-03-01: the low index of the year
// before is 10.0 once the 2024 indexes have left the year; the index rises freely to 12.5, by
// half the excess to 14.0, then no more than 5.0 above the low index.
TEST_F(HandicapRecordTest, TheCapsHoldTheIndexNearTheLowIndexOfTheYear) {
  const DateTime start = Day(2024, 1, 1), later = Day(2025, 3, 1);
  for (int i = 0; i < 20; ++i)
    AddRound("A", "C", start + i, 82);
  for (int i = 0; i < 20; ++i)
    AddRound("A", "C", later + i, 102);
  const struct {
    int HighRounds;
    Tenths Index;
  } cases[] = {{1, 100}, {13, 125}, {14, 140}, {15, 150}, {20, 150}};
  for (const auto& c : cases) {
    const HandicapRow& row = Row("A", later + c.HighRounds - 1);
    EXPECT_THAT(row.Index, Optional(c.Index)) << c.HighRounds;
    EXPECT_EQ(row.RoundsCounted, 20 + c.HighRounds);
  }
  int recent = 0, counting = 0;
  for (const HandicapScore& score : rows_[0].Scores)
    recent += score.Recent, counting += score.Counting;
  EXPECT_EQ(recent, 20);
  EXPECT_EQ(counting, 8);
}

}  // namespace
}  // namespace cardwise
