#include "results/tour_scoring.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "results/database.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

TEST(TourScoringTest, PtsPFollowsItsLineWithBonusesForTheFirstTwo) {
  // Place, field, tour size, tied places; the points and the precision they are known to.
  const std::tuple<int, int, int, int, double, double> cases[] = {
      {1, 10, 10, 1, 18.6234, 5e-5}, {2, 10, 10, 1, 14.9986, 5e-5},  {3, 10, 10, 1, 12.3738, 5e-5},
      {10, 10, 10, 1, 1.0000, 5e-5}, {11, 10, 10, 1, -0.6248, 5e-5}, {1, 8, 20, 1, 26.783, 5e-4},
      {2, 8, 20, 1, 22.110, 5e-4},   {8, 8, 20, 1, 5.072, 5e-4},     {1, 10, 10, 2, 16.811, 5e-4},
      {1, 10, 0, 1, 18.6234, 5e-5},  {1, 10, 10, 0, 18.6234, 5e-5}};  // 0: a tour of 10, 1 tied
  for (const auto& [place, field, tour, tied, points, tolerance] : cases)
    EXPECT_NEAR(PtsP(place, field, tour, tied), points, tolerance)
        << place << " of " << field << " in " << tour << ", tied " << tied;
  for (int field : {1, 2})
    EXPECT_EQ(PtsP(2, field, 10, 1), PtsP(2, 3, 10, 1)) << "a field below 3 counts as 3";
}

TEST(TourScoringTest, F1PointsAndPlaceAverageShareTiedPlaces) {
  const std::tuple<int, int, float, float> cases[] = {
      // place, tied, F1 points, average
      {1, 1, 25, 1},  {1, 2, 22.5f, 1.5f},  {3, 0, 16, 3},     {10, 1, 6, 10},
      {15, 1, 1, 15}, {15, 2, 0.5f, 15.5f}, {16, 2, 0, 16.5f}, {4, 3, 11.333333f, 5},
      {0, 1, 0, 0},   {-1, 1, 0, -1}};
  for (const auto& [place, tied, f1, average] : cases) {
    EXPECT_FLOAT_EQ(F1Points(place, tied), f1) << place << "/" << tied;
    EXPECT_FLOAT_EQ(PlaceAverage(place, tied), average) << place << "/" << tied;
  }
}

// The editor numbers its buttons by position and the files store the type: each row is the
// scoring of its own type and saves as the manual type of its order.
TEST(TourScoringTest, EachRowHoldsItsTypeAndSavesByItsOrder) {
  const auto systems = TourScoringSystems();
  for (std::size_t i = 0; i < systems.size(); ++i) {
    EXPECT_EQ(&ScoringOf(static_cast<int>(i)), &systems[i]);
    EXPECT_EQ(systems[i].SavedEventType,
              systems[i].Order == TourOrder::kAscending ? kManualAscending : kManualDescending);
  }
  EXPECT_EQ(ScoringOf(7).Order, TourOrder::kUnordered);
}

class TourValueTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  void SetUp() override {
    for (const char* id : {"AA", "BB"})
      Add(players_, id);
    Course& course = Add(courses_, "PAR72");
    for (int hole = 1; hole <= kHoles; ++hole)
      course.Par.SetHoleValue(hole, hole <= 4 ? 5 : hole <= 8 ? 3 : 4);  // 20 + 12 + 40
    AddEvent("E1", kStrokesGross, "PAR72",
             {"1;70;AA;;", "2;72;BB;;=", "2;72;CC;;=", "4;75;DD;;", "x;80;EE;;"});
    AddEvent("S1", kStableford, "", {"1;39;AA;;", "2;30;BB;;"});
    AddEvent("M1", kManualDescending, "PAR72", {"1;71,5;AA;;"});
    tour_.Events = "E1;S1;M1;";
  }

  void AddEvent(const std::string& id, int type, const std::string& course,
                std::vector<std::string> results) {
    Event& event = Add(events_, id);
    std::tie(event.Type, event.CourseID, event.Results) = std::tie(type, course, results);
  }

  // A round of the player in the event with the given score on holes from..to.
  void AddRound(const std::string& id, const std::string& player, const std::string& event,
                int from, int to, int score) {
    Round& round = Add(rounds_, id);
    std::tie(round.PlayerID, round.EventID) = std::tie(player, event);
    for (int hole = from; hole <= to; ++hole)
      round.Score.SetHoleValue(hole, score);
  }

  float Value(int type, const std::string& event, const std::string& player) {
    tour_.Type = type;
    return EventValue(tour_, event, player, database_);
  }

  Tour tour_;
};

TEST_F(TourValueTest, EachTourTypeValuesTheResultLine) {
  tour_.Ntot = 10;
  const float ptsP = PtsP(2, 5, 10, 2);  // second of five, tied with one
  // The weighted values below cover the rest. "bb": a player is found in any letter case; "EE":
  // no leading number is place 0; M1 has neither strokes nor points for "Nominell"; ZZ, E9 and
  // types -1 and 7 are unknown.
  const std::tuple<int, std::string, std::string, float> cases[] = {
      {kResultDescending, "E1", "bb", 72},
      {kResultDescending, "M1", "AA", 71.5f},
      {kPlaceOrder, "E1", "EE", 0},
      {kF1System, "E1", "CC", 18},
      {kPtsPSystem, "E1", "BB", ptsP},
      {kNominell, "E1", "AA", 2},
      {kNominell, "M1", "AA", 0},
      {kResultAscending, "E1", "ZZ", 0},
      {kResultAscending, "E9", "AA", 0},
      {-1, "E1", "AA", 0},
      {7, "E1", "AA", 0}};
  for (const auto& [type, event, player, value] : cases)
    EXPECT_FLOAT_EQ(Value(type, event, player), value)
        << "type " << type << " " << event << " " << player;
  events_.FindRecord("E1")->CourseID = "GONE";
  EXPECT_EQ(Value(kNominell, "E1", "AA"), 0) << "a stroke event on an unknown course";
}

TEST_F(TourValueTest, WeightsComeByPositionAndZeroOrMissingCountsAsOne) {
  const std::tuple<std::string, float, float, float> cases[] = {// weights; E1, S1, M1
                                                                {"1;0;2", 1, 1, 2},
                                                                {"1,5;;", 1.5f, 1, 1}};
  for (const auto& [weights, e1, s1, m1] : cases) {
    tour_.Weights = weights;
    EXPECT_EQ(std::make_tuple(EventWeight(tour_, "E1"), EventWeight(tour_, "S1"),
                              EventWeight(tour_, "M1"), EventWeight(tour_, "X9")),
              std::make_tuple(e1, s1, m1, 1.0f))
        << weights;
  }
  tour_.Weights = "1;0;2";
  EXPECT_FLOAT_EQ(Value(kResultDescending, "M1", "AA"), 143);
}

TEST_F(TourValueTest, EclecticNeedsEveryHoleOfThePlayersTourRounds) {
  tour_.Type = kEclectic;
  AddRound("R1", "AA", "E1", 1, 17, 5);
  AddRound("R2", "AA", "E1", 1, 9, 4);
  AddRound("R3", "AA", "OUT", 18, 18, 3);  // an event outside the tour
  AddRound("R4", "aa", "S1", 18, 18, 3);   // another player ID: letter case counts
  EXPECT_EQ(EventValue(tour_, "E1", "AA", database_), 0);
  EXPECT_TRUE(players_.FindRecord("AA")->Used);

  AddRound("R5", "AA", "S1", 10, 18, 6);
  const RoundsByPlayer index(rounds_);
  EXPECT_EQ(EventValue(tour_, "E1", "AA", database_), 9 * 4 + 8 * 5 + 6);
  EXPECT_EQ(EventValue(tour_, "E1", "AA", database_, &index), 9 * 4 + 8 * 5 + 6);
  EXPECT_EQ(EventValue(tour_, "S1", "AA", database_), 82) << "the same card from any event";

  AddRound("R6", "CC", "E1", 1, 18, 4);  // CC has no player record
  EXPECT_EQ(EventValue(tour_, "E1", "CC", database_), 0);
}

}  // namespace
}  // namespace cardwise
