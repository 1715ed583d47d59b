#include "records/hole_row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cardwise {
namespace {

// The eighteen holes as a comma list, every hole written (0 for unfilled).
std::string AllHoles(const TResult& row) {
  std::string text;
  for (int i = 1; i <= kHoles; ++i)
    text += (i > 1 ? "," : "") + std::to_string(row.Hole(i));
  return text;
}

TResult RowOf(const std::string& fileText) {
  TResult row;
  row.FromText(fileText, 1, ',');
  return row;
}

struct FromTextCase {
  std::string Before;  // file form read first
  std::string Text;
  int First;
  char Separator;
  std::string After;  // every hole

  friend void PrintTo(const FromTextCase& c, std::ostream* os) { *os << '"' << c.Text << '"'; }
};

class FromTextTest : public ::testing::TestWithParam<FromTextCase> {};

TEST_P(FromTextTest, StopsAfterTheFirstEmptyField) {
  const FromTextCase& c = GetParam();
  TResult row = RowOf(c.Before);
  row.FromText(c.Text, c.First, c.Separator);
  EXPECT_EQ(AllHoles(row), c.After);
}

const std::string kNines = "9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9";

INSTANTIATE_TEST_SUITE_P(
    Rows, FromTextTest,
    ::testing::Values(
        FromTextCase{kNines, "4,5,3", 1, ',', "4,5,3,0,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
        FromTextCase{kNines, "4,,5", 1, ',', "4,0,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
        FromTextCase{kNines, "", 1, ',', "0,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
        FromTextCase{kNines, " 4 , 5 ,x,2", 1, ',', "4,5,0,2,0,9,9,9,9,9,9,9,9,9,9,9,9,9"},
        // The second half of a legacy card goes in from hole 10 and stops at hole 18.
        FromTextCase{"", "1 2 3 4 5 6 7 8 9 10 11", 10, ' ', "0,0,0,0,0,0,0,0,0,1,2,3,4,5,6,7,8,9"},
        FromTextCase{"", "4;5", 17, ';', "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,5"}));

TEST(TResultText, WritesUpToTheLastFilledHole) {
  EXPECT_EQ(RowOf("4,5,3,4,5,3,4,5,3").AsText(), "4,5,3,4,5,3,4,5,3");
  EXPECT_EQ(RowOf("").AsText(), "");
  TResult last;
  last.SetHoleValue(18, 4);
  EXPECT_EQ(last.AsText(), "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4");
  EXPECT_EQ(RowOf("4,0,3").AsText(), "4,0,3");
}

TEST(TResultTotals, StrictRowsNeedEveryHoleOfTheRange) {
  TResult score = RowOf("5,4,3,6,5,4,4,5,6,4,5,3,6,5,4,3,5,6");
  score.StrictTotal = true;
  EXPECT_EQ(score.Total(), 83);
  score.SetHole(7, "");
  EXPECT_EQ(score.Total(), 0);
  EXPECT_EQ(score.Out(), 0);
  EXPECT_EQ(score.In(), 41);
  EXPECT_EQ(score.Value(19), 0);
  EXPECT_EQ(score.Value(20), 41);
}

TEST(TResultTotals, LooseRowsSumWhatIsThereOrTheStoredTotal) {
  TResult greens = RowOf("0,1,1,0,0,1");
  EXPECT_EQ(greens.Total(), 3);
  EXPECT_EQ(greens.StoredTotal, 3) << "Total keeps its sum as the stored total";
  EXPECT_EQ(greens.TotalIfComplete(), 0);

  TResult onlyTotal;
  onlyTotal.SetTotal(11);
  EXPECT_EQ(onlyTotal.Total(), 11);
  EXPECT_EQ(onlyTotal.TotalText(), "11");
  EXPECT_TRUE(onlyTotal.IsEmpty());

  TResult nothing;
  EXPECT_EQ(nothing.TotalText(), "");
}

TEST(TResultTotals, CompleteRangesIgnoreTheStrictFlag) {
  const TResult front = RowOf("4,4,4,4,4,4,4,4,4");
  EXPECT_EQ(front.OutIfComplete(), 36);
  EXPECT_EQ(front.InIfComplete(), 0);
  EXPECT_EQ(front.TotalIfComplete(), 0);
  EXPECT_EQ(front.Out(), 36);
}

TEST(TResultTotals, SumsWrapInSixteenBits) {
  TResult row;
  row.SetHoleValue(1, 30000);
  row.SetHoleValue(2, 30000);
  EXPECT_EQ(row.Total(), 60000 - 65536);
}

TEST(TResultOperations, KeepBestKeepsTheLowestFilledValue) {
  TResult best;
  const std::vector<std::pair<int, int>> steps = {{5, 5}, {6, 5}, {4, 4}, {0, 4}, {-1, 4}};
  for (const auto& [offered, expected] : steps) {
    best.KeepBest(3, offered);
    EXPECT_EQ(best.Hole(3), expected) << "after offering " << offered;
  }
}

TEST(TResultOperations, CountsAndAverages) {
  const TResult putts = RowOf("2,1,2,3,2,2");
  const TResult greens = RowOf("1,0,1,0,0,1");
  EXPECT_EQ(putts.Count(2), 4);
  EXPECT_EQ(putts.Count(0), 12);
  EXPECT_DOUBLE_EQ(putts.AverageWhere(greens), 2.0);
  EXPECT_DOUBLE_EQ(putts.AverageWhere(TResult()), 0.0);
}

TEST(TStatStrsTest, KeepsEachTextAtItsHole) {
  TStatStrs stats;
  stats.Set(1, "chip in");
  stats.Set(18, "OB");
  const std::string text = stats.AsText();
  EXPECT_EQ(text, "chip in;;;;;;;;;;;;;;;;;OB");

  TStatStrs read;
  read.Set(5, "stale");
  read.FromText(" sand ; ;water");
  EXPECT_EQ(read.Get(1), "sand");
  EXPECT_EQ(read.Get(3), "water");
  EXPECT_EQ(read.Get(5), "") << "reading empties every hole first";
  EXPECT_FALSE(read.IsEmpty());
  read.FromText(text);
  EXPECT_EQ(read.AsText(), text);
  read.Clear();
  EXPECT_TRUE(read.IsEmpty());
}

}  // namespace
}  // namespace cardwise
