#include "records/hole_row.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace cardwise {
namespace {

using namespace std::string_literals;

Result RowOf(const std::string& fileText) {
  Result row;
  row.FromText(fileText, 1, ',');
  return row;
}

TEST(ResultText, FromTextStopsAfterTheFirstEmptyField) {
  const std::string nines = "9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9";
  // Before, text, first hole, separator, after (file forms; every case ends on a filled hole).
  const std::tuple<std::string, std::string, int, char, std::string> cases[] = {
      {nines, "4,5,3", 1, ',', "4,5,3,0,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      {nines, "4,,5", 1, ',', "4,0,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      {nines, "", 1, ',', "0,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      {nines, " 4 , 5 ,x,2", 1, ',', "4,5,0,2,0,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      // The second half of a legacy card goes in from hole 10 and stops at hole 18.
      {"", "1 2 3 4 5 6 7 8 9 10 11", 10, ' ', "0,0,0,0,0,0,0,0,0,1,2,3,4,5,6,7,8,9"},
      {"", "4;5", 17, ';', "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,5"}};
  for (const auto& [before, text, first, separator, after] : cases) {
    Result row = RowOf(before);
    row.FromText(text, first, separator);
    EXPECT_EQ(row.AsText(), after) << '"' << text << '"';
  }
}

TEST(ResultTotals, StrictRowsNeedEveryHoleOfTheRangeCompleteRangesAlways) {
  Result score = RowOf("5,4,3,6,5,4,4,5,6,4,5,3,6,5,4,3,5,6");
  score.StrictTotal = true;
  EXPECT_EQ(score.Total(), 83);
  score.SetHole(7, "");
  EXPECT_EQ(std::make_tuple(score.Total(), score.Out(), score.In()), std::make_tuple(0, 0, 41));
  EXPECT_EQ(std::make_pair(score.Value(19), score.Value(20)), std::make_pair(0, 41));

  const Result front = RowOf("4,4,4,4,4,4,4,4,4");  // not strict
  EXPECT_EQ(std::make_tuple(front.OutIfComplete(), front.InIfComplete(), front.TotalIfComplete(),
                            front.Out()),
            std::make_tuple(36, 0, 0, 36));
}

TEST(ResultTotals, LooseRowsSumWhatIsThereOrTheStoredTotal) {
  Result greens = RowOf("0,1,1,0,0,1");
  EXPECT_EQ(greens.Total(), 3);
  EXPECT_EQ(greens.StoredTotal, 3) << "Total keeps its sum as the stored total";
  EXPECT_EQ(greens.TotalIfComplete(), 0);

  Result onlyTotal;
  onlyTotal.SetTotal(11);
  EXPECT_EQ(std::make_pair(onlyTotal.Total(), onlyTotal.TotalText()), std::make_pair(11, "11"s));
  EXPECT_TRUE(onlyTotal.IsEmpty());
  EXPECT_EQ(Result().TotalText(), "");

  Result wraps = RowOf("30000,30000");  // sums are 16-bit, as the files have always held them
  EXPECT_EQ(wraps.Total(), 60000 - 65536);
}

TEST(ResultOperations, KeepBestCountAndAverageWhere) {
  Result best;
  for (const auto& [offered, expected] :
       std::vector<std::pair<int, int>>{{5, 5}, {6, 5}, {4, 4}, {0, 4}, {-1, 4}}) {
    best.KeepBest(3, offered);
    EXPECT_EQ(best.Hole(3), expected) << "after offering " << offered;
  }
  const Result putts = RowOf("2,1,2,3,2,2");
  EXPECT_EQ(putts.Count(2), 4);
  EXPECT_EQ(putts.Count(0), 12);
  EXPECT_DOUBLE_EQ(putts.AverageWhere(RowOf("1,0,1,0,0,1")), 2.0);
  EXPECT_DOUBLE_EQ(putts.AverageWhere(Result()), 0.0);
}

}  // namespace
}  // namespace cardwise
