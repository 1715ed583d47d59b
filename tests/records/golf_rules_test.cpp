#include "records/golf_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace cardwise {
namespace {

TEST(GolfRulesTest, CourseStrokesFollowRatingAndSlopeElseTheHandicap) {
  const struct {
    float Rating, Slope;
    double Hcp;
    int Strokes;
  } cases[] = {
      {70.1f, 125, 12.4, 12},                       // 70.1 - 72 + 12.4 x 125 / 113 = 11.82
      {72, 113, 12.5, 12},    {72, 113, 13.5, 14},  // halves go to the even neighbour
      {72, 226, 10, 20},      {72, 113, -2.5, -2},  // a plus handicap
      {0, 0, 10.5, 10},       {71, 0, 11.5, 12},     {0, 125, 11.5, 12},  // not rated: the hcp
      {72, 113, 1e6, 999},    {72, 113, -1e6, -999}, {0, 0, 1e12, 999},
  };
  Course course;
  course.Par.FromText("4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5", 1, ',');
  for (const auto& c : cases) {
    course.CR = c.Rating;
    course.Slope = c.Slope;
    EXPECT_EQ(CourseStrokes(course, c.Hcp), c.Strokes)
        << c.Rating << " / " << c.Slope << ", hcp " << c.Hcp;
  }
}

TEST(GolfRulesTest, StrokesReceivedFollowTheStrokeIndex) {
  const struct {
    int Strokes, StrokeIndex, Received;
  } cases[] = {
      {0, 1, 0},    {12, 12, 1},  {12, 13, 0}, {18, 18, 1},  {20, 2, 2},
      {20, 3, 1},   {36, 18, 2},  {40, 4, 3},  {40, 5, 2},   {-2, 16, 0},
      {-2, 17, -1}, {-1, 18, -1}, {-1, 17, 0}, {-20, 1, -1}, {-20, 17, -2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StrokesReceived(c.Strokes, c.StrokeIndex), c.Received)
        << c.Strokes << " strokes, stroke index " << c.StrokeIndex;
}

TEST(GolfRulesTest, PointsGiveStrokesByStrokeIndexAndNeverGoNegative) {
  // Strokes received, stroke index, par and score of the hole; the points. A plus handicap
  // below 18 gives nothing back on the points (-3 on stroke index 17).
  const std::array<int, 5> cases[] = {
      {20, 2, 4, 5, 3}, {20, 3, 4, 5, 2},  {0, 0, 4, 5, 2},   {36, 1, 5, 0, 0},
      {0, 5, 3, 9, 0},  {-3, 1, 4, 4, 2},  {-20, 1, 4, 4, 1}, {40, 4, 4, 6, 3},
      {40, 5, 4, 6, 2}, {18, 18, 4, 4, 3}, {-3, 17, 4, 4, 2}, {-18, 18, 4, 4, 1},
  };
  for (const auto& [strokes, strokeIndex, par, score, points] : cases)
    EXPECT_EQ(StablefordPoints(par, strokeIndex, strokes, score), points)
        << strokes << " strokes, index " << strokeIndex << ", par " << par << ", score " << score;
}

TEST(GolfRulesTest, GreenInRegulationNeedsAScoreAndPutts) {
  const struct {
    int Score, Par;
    std::optional<int> Putts;
    std::optional<bool> Green;
  } cases[] = {
      {4, 4, 2, true},         {3, 4, 1, true},          {5, 4, 2, false},
      {4, 4, 0, false},        {2, 3, 0, false},         {6, 5, 3, true},
      {0, 4, 2, std::nullopt}, {-1, 4, 0, std::nullopt}, {4, 4, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GreenInRegulation(c.Score, c.Par, c.Putts), c.Green)
        << c.Score << " on par " << c.Par << " with " << c.Putts.value_or(-1) << " putts";
}

}  // namespace
}  // namespace cardwise
