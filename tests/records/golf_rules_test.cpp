// The golf rules on a course's card, and the courses' file.

#include "records/golf_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "records/course.h"
#include "records_fixture.h"
#include "settings/settings.h"

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

using CourseTest = testing::ListTest<CourseList>;

TEST_F(CourseTest, WorkedExampleSavesBackByteForByte) {
  const std::string example =
      "[MILLBGC]\r\nID=MILLBGC\r\nCourse=Mill Brook Golf Club\r\nAlias=MILL BROOK\r\n"
      "Tee=Yellow\r\nLenRGB=ffff00\r\nCR=71.2\r\nSlope=128.0\r\nChanged=2002-05-01\r\n"
      "Par=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n"
      "Hcp=7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4\r\n"
      "Len=350,362,141,470,330,380,152,344,455,362,317,128,488,351,376,160,309,479\r\n";
  CourseList list = Load(example);
  EXPECT_TRUE(report_.Clean());
  ASSERT_TRUE(SaveRecord(list.RecordAt(0), dir_.File("OUT.DAT")));
  EXPECT_EQ(dir_.Read("OUT.DAT"), example);
  EXPECT_EQ(list.CopyToClipboard(0), example);
}

TEST_F(CourseTest, FindByNameMatchesTheWholeNameOrAnyPartOfTheAlias) {
  CourseList list =
      Load("[M]\nID=M\nCourse=Mill Brook Golf Club\n[H]\nID=H\nCourse=Harbour\nAlias=MILL BROOK\n");
  const std::pair<std::string, int> cases[] = {
      {"mill brook golf club", 1}, {"BROOK", 0}, {"ill b", 0}, {"Golf", -1}, {"", -1}};
  for (const auto& [name, expected] : cases) {
    int index = 99;
    EXPECT_EQ(list.FindByName(name, index), expected >= 0) << name;
    EXPECT_EQ(index, expected) << name;
  }
}

TEST_F(CourseTest, PasteEmptiesMissingKeysButKeepsChangedUnlessGiven) {
  CourseList list = Load("[A]\nID=A\nPhone=555\nChanged=2001-01-01\nPar=3,3,3\n");
  int index = 0;
  ASSERT_TRUE(
      list.PasteFromClipboard("[X]\nID=X\nLenRGB=0123456789ab\nHcp=1,2\nChanged=\n", index));
  const Course& course = list.RecordAt(index);
  EXPECT_EQ(std::tie(course.ID, course.LenRGB, course.Phone),
            std::make_tuple("A", "012345678", ""));
  EXPECT_EQ(course.Par.AsText() + "|" + course.Hcp.AsText(), "|1,2");
  EXPECT_EQ(course.Changed, EncodeDate(2001, 1, 1));
  EXPECT_EQ(course.LenColor, 0x00452301u) << "the pasted colour is decoded";
}

}  // namespace
}  // namespace cardwise
