// The figures behind the page charts, and the axes they are drawn on.

#include "web/charts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/pages.h"
#include "web/svg_chart.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

class ChartsTest : public WebTest {
 protected:
  ChartsTest() {
    AddPlayer("P", "Pat Putter");
    AddCourse("C", "Club Course", kPar72, kIndex).CR = 72.0f;
    courses_.FindRecord("C")->Slope = 113;
  }

  // A round of par on every hole but the fourth (a par 5), which takes `total` - 72 more or
  // fewer strokes.
  void AddRoundOf(int total, int dayNumber) {
    const std::string par = kPar72;
    const std::string holes = par.substr(0, 6) + std::to_string(5 + total - 72) + par.substr(7);
    AddRound("P", "C", Day(2025, 1, 1) + dayNumber, holes).Strokes = 0;
  }

  HandicapRow RowAsOf(DateTime day) {
    return *HandicapRecords(HandicapRows(database_, day)).Find("p");
  }
};

// Each point is the index the handicap report gives as of that round's day; the report is the
// other calculation the chart must agree with.
TEST_F(ChartsTest, HandicapPointsAreTheIndexAfterEachCountedRound) {
  const struct {
    const char* Name;
    std::vector<int> Totals;
  } cases[] = {
      {"two rounds", {80, 82}},
      {"three", {80, 82, 78}},
      {"plus handicap", {70, 69, 71, 68, 70}},
      {"twenty-four", {90, 88, 85, 87, 84, 86, 83, 85, 82, 84, 81, 80,
                       83, 79, 82, 78, 80, 77, 79, 76, 78, 75, 77, 74}},
  };
  for (const auto& c : cases) {
    rounds_.Clear();
    for (std::size_t i = 0; i < c.Totals.size(); ++i)
      AddRoundOf(c.Totals[i], 7 * static_cast<int>(i));
    std::vector<IndexPoint> expected;
    for (int i = kFewestHandicapScores - 1; i < rounds_.Count(); ++i) {
      const DateTime day = rounds_.RecordAt(i).Date;
      expected.push_back({day, *RowAsOf(day).Index});
    }
    const std::vector<IndexPoint> points = HandicapChartPoints(RowAsOf(Day(2026, 1, 1)));
    ASSERT_EQ(points.size(), expected.size()) << c.Name;
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_EQ(points[i].Date, expected[i].Date) << c.Name << " " << i;
      EXPECT_EQ(points[i].Index, expected[i].Index) << c.Name << " " << i;
    }
    if (std::string(c.Name) == "plus handicap") {
      EXPECT_LT(points.back().Index, 0);
    }
  }
}

TEST(ChartAxisTest, TicksAreRoundAndCoverTheValues) {
  const struct {
    double Low, High;
    bool Zero;
    std::vector<double> Ticks;
  } cases[] = {
      {5, 5, false, {4, 4.5, 5, 5.5, 6}},                   // a single value
      {12.3, 12.3, false, {11, 11.5, 12, 12.5, 13, 13.5}},  // flat, between whole steps
      {1.7, 4.1, false, {1, 2, 3, 4, 5}},
      {0.3, 17.2, false, {0, 5, 10, 15, 20}},  // rising
      {-2.5, 3, false, {-4, -2, 0, 2, 4}},
      {2, 9, true, {0, 2, 4, 6, 8, 10}},  // bars grow from zero
      {-0.4, 0.25, true, {-0.4, -0.2, 0, 0.2, 0.4}},
  };
  for (const auto& c : cases) {
    const ChartAxis axis = NiceAxis(c.Low, c.High, 6, c.Zero);
    const std::vector<double> ticks = axis.Ticks();
    EXPECT_LE(ticks.size(), 6u) << c.Low << " " << c.High;
    ASSERT_EQ(ticks.size(), c.Ticks.size()) << c.Low << " " << c.High;
    for (std::size_t i = 0; i < ticks.size(); ++i)
      EXPECT_NEAR(ticks[i], c.Ticks[i], 1e-9) << c.Low << " " << c.High << " tick " << i;
  }
}

// Hole 1: 5, 6 and 3 on a par 4 (+0.67); hole 2 unplayed on one card (the two others count);
// hole 3 without a par on the course; hole 18 played by nobody.
TEST_F(ChartsTest, HoleAveragesCountTheRoundsWithAScoreThere) {
  Course& course = *courses_.FindRecord("C");
  course.Par.SetHoleValue(3, 0);
  std::vector<Round*> rounds;
  int day = 0;
  for (const char* holes :
       {"5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4", "6,0,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4",
        "3,6,3,5,4,4,3,4,5,4,4,3,5,4,4,3,3"})
    rounds.push_back(&AddRound("P", "C", Day(2025, 5, ++day), holes));
  const HoleAverages averages = HoleAveragesAgainstPar(rounds);
  EXPECT_NEAR(*averages[0], 2.0 / 3, 1e-9);
  EXPECT_NEAR(*averages[1], 1.0, 1e-9);
  EXPECT_FALSE(averages[2].has_value());
  EXPECT_NEAR(*averages[16], -1.0 / 3, 1e-9);
  EXPECT_FALSE(averages[17].has_value());
}

// A chart names itself for screen readers and scales with the page; the setting takes it off.
TEST_F(ChartsTest, ACourseChartDescribesItselfAndTheSettingLeavesItOut) {
  AddRound("P", "C", Day(2025, 5, 1), "5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5");
  for (const bool on : {true, false}) {
    settings_.Charts = on;
    OpenPage("courses/c.htm");
    WriteCoursePage(page_, "C", 0);
    if (!on) {
      EXPECT_THAT(Body(), Not(HasSubstr("<svg")));
      continue;
    }
    EXPECT_THAT(Body(), HasSubstr("<svg class=\"chart\" role=\"img\" aria-labelledby="
                                  "\"course-chart-title course-chart-desc\" viewBox="));
    EXPECT_THAT(Body(), HasSubstr("<desc id=\"course-chart-desc\">Average score against par on "
                                  "each hole of Club Course over 1 rounds: hardest hole 1 "
                                  "(+1.00), easiest hole 2 (+0.00)</desc>"));
    EXPECT_THAT(Body(), HasSubstr("<title>Hole 1 (par 4, stroke index 7): +1.00 on average"));
  }
}

}  // namespace
}  // namespace cardwise::testing
