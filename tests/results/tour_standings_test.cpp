// Tours: their events and file, the value of each result line, and the standings.

#include "results/tour_standings.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/locale_formats.h"
#include "platform/status_sink.h"
#include "records/text.h"
#include "results/database.h"
#include "results/event_results.h"
#include "results/tour.h"
#include "results/tour_scoring.h"
#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

using Lines = std::vector<std::string>;

TEST(TourResultsTest, DropsTheWorstButAlwaysCountsMandatoryEvents) {
  // Ascending; the values of events 1..n (0: no result); mandatory events; worst results to
  // drop; the events dropped; the counted total.
  const std::tuple<bool, std::vector<double>, std::vector<int>, int, std::vector<int>, double>
      cases[] = {{true, {72, 75, 80}, {}, 1, {3}, 147},
                 {true, {72, 0, 80}, {}, 1, {2}, 152},   // the missed event is the one dropped
                 {true, {72, 72, 72}, {}, 1, {3}, 144},  // among equals the later event is worse
                 {true, {72, 72, 72}, {}, 2, {2, 3}, 72},
                 {true, {72, 75, 80}, {3}, 1, {2}, 152},
                 {false, {10, 5, 8}, {}, 1, {2}, 18},
                 {false, {10, 5, 8}, {2}, 1, {3}, 15},  // the next lowest goes in its place
                 {false, {6, 6, 6}, {}, 1, {3}, 12},
                 {false, {6, 0, 6}, {}, 1, {2}, 12}};
  for (const auto& [ascending, values, mandatory, worst, expected, total] : cases) {
    TourResults results(ascending, 3, mandatory);
    std::vector<int> dropped;
    for (int k = 1; k <= 3; ++k)
      if (values[k - 1] != 0) results.AddEventValue(k, values[k - 1]);
    for (int k = 1; k <= 3; ++k)
      if (results.IsDropped(k, worst)) dropped.push_back(k);
    EXPECT_EQ(dropped, expected) << ascending << " " << values[1] << " w" << worst;
    EXPECT_DOUBLE_EQ(results.CountedTotal(worst), total);
  }
}

class StandingsTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  void SetUp() override {
    SetCurrentFormats(IsoFormats());
    previous_ = SetStatusSink([this](const std::string& text) { shown_.push_back(text); });
  }
  void TearDown() override { SetStatusSink(previous_); }

  void AddEvent(const std::string& id, Lines results, int type = kStrokesGross,
                const std::string& course = "") {
    Event& event = Add(events_, id);
    std::tie(event.Type, event.CourseID, event.Results) = std::tie(type, course, results);
  }

  // A round of the player in the event, of 2003, with the score on holes from..to.
  void AddRound(const std::string& id, const std::string& player, const std::string& event,
                int score, int from = 1, int to = kHoles) {
    Round& round = Add(rounds_, id);
    std::tie(round.PlayerID, round.EventID, round.Date) =
        std::make_tuple(player, event, *EncodeDate(2003, 5, 1));
    for (int hole = from; hole <= to; ++hole)
      round.Score.SetHoleValue(hole, score);
  }

  Lines Calc(int type, int worst = 0) {
    std::tie(tour_.Type, tour_.Worst) = std::make_tuple(type, worst);
    CalcTour(tour_, database_);
    Lines lines;
    for (const StandingLine& line : tour_.Standings)
      lines.push_back(line.Text);
    return lines;
  }

  Tour tour_;
  testing::TempDir dir_;
  Lines shown_;
  StatusSink previous_;
};

TEST_F(StandingsTest, StrokesTourDropsTheWorstAndRanksTooFewResultsLast) {
  AddEvent("E1", {"1;70;CC;R1;", "2;72;AA;;", "3;74;BB;;"});
  AddEvent("E2", {"1;75;AA;;", "2;76;BB;;"});
  AddEvent("E3", {"1;80;AA;;"});
  AddRound("R1", "CC", "E1", 4);
  tour_.Events = "E1;E2;E3;";
  EXPECT_EQ(Calc(kResultAscending, 1), (Lines{"1;147;3;AA;", "2;150;2;BB;", "3;70;1;CC;"}));
  EXPECT_EQ(tour_.Dir, "2003");
  ASSERT_TRUE(tour_.Standings[1].Attached);
  EXPECT_TRUE(tour_.Standings[1].Attached->IsDropped(3, 1));

  tour_.MandatoryEvents = "E3";
  // A missed mandatory event counts as 0 and BB's 76 is dropped in its place.
  EXPECT_EQ(Calc(kResultAscending, 1), (Lines{"1;74;2;BB;", "2;152;3;AA;", "3;70;1;CC;"}));
  EXPECT_EQ(Calc(kResultAscending, 0),  // m = 3: two results are too few as well
            (Lines{"1;227;3;AA;", "2;150;2;BB;", "3;70;1;CC;"}));
}

TEST_F(StandingsTest, EqualTotalsSharePlacesAndAZeroTotalComesLast) {
  AddEvent("E1", {"1;30;AA;;", "1;30;BB;;", "3;20;CC;;"});
  tour_.Events = "E1;";
  EXPECT_EQ(Calc(kResultDescending), (Lines{"1;30;1;BB;=", "1;30;1;AA;=", "3;20;1;CC;"}));

  AddEvent("E2", {"1;;AA;;", "2;80;BB;;", "3;75;CC;;", "4;76;CC;;"});
  tour_.Events = "E2;";
  // CC's two lines count twice with the value of the first.
  EXPECT_EQ(Calc(kResultAscending), (Lines{"1;80;1;BB;", "2;150;2;CC;", "3;0;1;AA;"}));
  EXPECT_EQ(Calc(-1), (Lines{"1;0;1;AA;", "2;0;1;BB;", "3;0;2;CC;"}))
      << "no ranking rule: the order the lines were made in";

  StandingLine line{";72;1;AA", nullptr};  // the sort compares the pivot with itself
  EXPECT_FALSE(StandingBefore(tour_, line, line));
  EXPECT_EQ(line.Text, ";72;1;AA");
}

TEST_F(StandingsTest, EclecticGivesEachPlayerOneLine) {
  for (const char* id : {"AA", "BB"})
    Add(players_, id);
  AddEvent("E1", {"1;72;AA;R1;", "2;75;GONE;;"});
  AddEvent("E2", {"1;80;AA;R2;", "2;90;BB;R3;", "3;95;GONE;;"});
  AddRound("R1", "AA", "E1", 5);
  AddRound("R2", "AA", "E2", 4);
  AddRound("R3", "BB", "E2", 5);
  AddRound("R4", "AA", "OTHER", 3);
  tour_.Events = "E1;E9;E2;";  // E9 does not exist and adds nothing
  // GONE has no player record: one line all the same, ranked last with its value 0.
  EXPECT_EQ(Calc(kEclectic), (Lines{"1;72;1;AA;", "2;90;1;BB;", "3;0;1;GONE;"}));
}

// A file that cannot be written, or a tour without a name, saves nothing.
TEST_F(StandingsTest, SaveAsEventWritesAnEventThatRanksTheSameWay) {
  AddEvent("E1", {"1;75;CC;;", "2;80;BB;;", "3;80;DD;;"});
  std::tie(tour_.Name, tour_.Events) = std::make_tuple("Spring Series", "E1;");
  Calc(kResultAscending);
  const std::string path =
      dir_.Write("EVENTS.DAT", "[SS]\r\nID=SS\r\nEvent=Old\r\n1=old\r\n[E1]\r\nID=E1\r\n");
  ASSERT_TRUE(SaveAsEvent(tour_, path));
  EXPECT_EQ(shown_, (Lines{"Saving: SS as event...", "SS saved as event."}));
  EXPECT_EQ(dir_.Read("EVENTS.DAT"),
            "[E1]\r\nID=E1\r\n[SS]\r\nID=SS\r\nEvent=Spring Series\r\nMake=0\r\nType=3\r\n"
            "1=1;75;CC;;\r\n2=2;80;DD;;=\r\n3=2;80;BB;;=\r\n");

  EventList events;
  events.LoadFromFile(path);
  Event& saved = *events.FindRecord("SS");
  CalcResults(saved, rounds_);
  EXPECT_EQ(saved.Results.front(), "1;75;CC;;");
  EXPECT_EQ(saved.Results.size(), 3u);

  shown_.clear();
  EXPECT_FALSE(SaveAsEvent(tour_, dir_.Write("file", "x") + "/EVENTS.DAT"));
  EXPECT_EQ(shown_, (Lines{"Saving: SS as event...", "SS not saved as event."}));
  tour_.ID.clear(), tour_.Name.clear();  // no name to make an ID from
  EXPECT_FALSE(SaveAsEvent(tour_, dir_.File("NEW.DAT")));
  EXPECT_EQ(dir_.Read("NEW.DAT"), "");
}

Tour TourOf(const std::string& events) {
  Tour tour;
  tour.Events = events;
  return tour;
}

TEST(TourEventsTest, CommonCourseIgnoresMissingEventsAndEventsWithoutCourse) {
  const testing::TempDir dir;
  EventList events;
  events.LoadFromFile(
      dir.Write("EVENTS.DAT",
                "[A1]\nID=A1\nCourseID=MILL\n[A2]\nID=A2\nCourseID=MILL\n[B1]\nID=B1\n"
                "CourseID=OAKS\n[N1]\nID=N1\n[G1]\nID=G1\nCourseID=GONE\n"));
  CourseList courses;
  courses.LoadFromFile(dir.Write("COURSES.DAT", "[MILL]\nID=MILL\n[OAKS]\nID=OAKS\n"));
  const std::pair<std::string, std::string> cases[] = {
      {"A1;A2;", "MILL"}, {"N1;A1;X9;A2;N1;", "MILL"},
      {"A1;B1;", ""},     {"A1;N1;B1;", ""},
      {"N1;", ""},        {"G1;", ""}};
  for (const auto& [list, expected] : cases) {
    const Course* course = TourOf(list).CommonCourse(events, courses);
    EXPECT_EQ(course ? course->ID : "", expected) << list;
  }
}

// The event list as a check list: "A* B C*" lists A, B and C, A and C checked.
std::vector<EventCheck> ChecksOf(const std::string& items) {
  std::vector<EventCheck> checks;
  std::istringstream words(items);
  for (std::string item; words >> item;) {
    const bool checked = item.ends_with('*');
    if (checked) item.pop_back();
    checks.push_back({item, checked});
  }
  return checks;
}

TEST(TourEventsTest, CheckedEventsKeepTheirWeightsAndTheTourItsOrder) {
  const struct {
    const char *Events, *Weights, *Checks, *ThenEvents, *ThenWeights;
  } cases[] = {
      // Nothing changed: the tour's order is not the list's, and stays.
      {"SPR;STB;CC;", "1;1;2", "CC* LD SPR* STB*", "SPR;STB;CC;", "1;1;2"},
      {"E1;", "1;2;3", "E1*", "E1;", "1;2;3"},
      {"E1;E2;", "", "E1* E2*", "E1;E2;", ""},
      // Unchecked events leave with their weight, newly checked ones come last with 1.
      {"SPR;STB;CC;", "1;1;2", "CC* LD SPR* STB", "SPR;CC;", "1;2"},
      {"SPR;STB;CC;", "1;1;2", "CC* LD* SPR* STB*", "SPR;STB;CC;LD;", "1;1;2;1"},
      {"E3;E1;", "", "E1* E2* E3*", "E3;E1;E2;", ""},
      {"", "", "E1* E2 E3*", "E1;E3;", ""},
      {"E1;E2;", "2;3", "E1 E2", "", ""},
      // Events that had no weight still have none.
      {"E3;E1;", "2", "E1* E2* E3*", "E3;E1;E2;", "2;;1"},
      {"E1;E2;E3;", "2;3", "E1 E2* E3*", "E2;E3;", "3"},
      {"E1;E2;E3;", "2;;4", "E1* E2* E3", "E1;E2;", "2;"},
      // An event the list no longer has stays in its place.
      {"GONE;E1;E2;", "5;6;7", "E1 E2* E3*", "GONE;E2;E3;", "5;7;1"},
  };
  for (const auto& c : cases) {
    Tour tour = TourOf(c.Events);
    tour.Weights = c.Weights;
    SetCheckedEvents(tour, ChecksOf(c.Checks));
    EXPECT_EQ(tour.Events, c.ThenEvents) << c.Events << " / " << c.Checks;
    EXPECT_EQ(tour.Weights, c.ThenWeights) << c.Events << " / " << c.Checks;
  }
}

TEST(TourFileTest, ReadsAndWritesItsKeysByteForByteWithNtotFromTheStandings) {
  const testing::TempDir dir;
  const std::string text =
      "[ST]\r\nID=ST\r\nTour=Summer Tour\r\nEvents=E1;E2;\r\nMandatoryEvents=E2\r\n"
      "Weights=1;2\r\nHeader=tour.htm\r\nDir=summer\r\nType=0\r\nNtot=9\r\nWorst=1\r\n"
      "1=1;140;2;JS;\r\n2=\r\n3=3;150;2;AB;=\r\n";
  TourList list;
  list.LoadFromFile(dir.Write("TOURS.DAT", text));
  ASSERT_TRUE(list.SaveAll(dir.File("AGAIN.DAT")));
  EXPECT_EQ(dir.Read("AGAIN.DAT"), ReplaceAll("Ntot=9", "Ntot=3", text));
  EXPECT_EQ(list.CopyToClipboard(0),
            "[ST]\r\nID=ST\r\nTour=Summer Tour\r\nEvents=E1;E2;\r\nMandatoryEvents=E2\r\n"
            "Weights=1;2\r\nHeader=tour.htm\r\nType=0\r\n");
  // Reloading stops at the first empty line.
  ASSERT_TRUE(ReloadRecord(list.RecordAt(0), dir.File("TOURS.DAT")));
  EXPECT_EQ(list.RecordAt(0).Standings.size(), 1u);

  list.LoadFromFile(dir.Write("BAD.DAT", "[T]\nID=T\nType=x\nNtot=y\nWorst=2\n"));
  const Tour& bad = *list.FindRecord("T");
  EXPECT_EQ(std::make_tuple(bad.Type, bad.Ntot, bad.Worst), std::make_tuple(-1, 0, 2))
      << "numbers that are not whole read as their defaults";
}

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

class TourValueTest : public StandingsTest {
 protected:
  void SetUp() override {
    StandingsTest::SetUp();
    for (const char* id : {"AA", "BB"})
      Add(players_, id);
    Course& course = Add(courses_, "PAR72");
    for (int hole = 1; hole <= kHoles; ++hole)
      course.Par.SetHoleValue(hole, hole <= 4 ? 5 : hole <= 8 ? 3 : 4);  // 20 + 12 + 40
    AddEvent("E1", {"1;70;AA;;", "2;72;BB;;=", "2;72;CC;;=", "4;75;DD;;", "x;80;EE;;"},
             kStrokesGross, "PAR72");
    AddEvent("S1", {"1;39;AA;;", "2;30;BB;;"}, kStableford);
    AddEvent("M1", {"1;71,5;AA;;"}, kManualDescending, "PAR72");
    tour_.Events = "E1;S1;M1;";
  }

  float Value(int type, const std::string& event, const std::string& player) {
    tour_.Type = type;
    return EventValue(tour_, event, player, database_);
  }
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
  AddRound("R1", "AA", "E1", 5, 1, 17);
  AddRound("R2", "AA", "E1", 4, 1, 9);
  AddRound("R3", "AA", "OUT", 3, 18);  // an event outside the tour
  AddRound("R4", "aa", "S1", 3, 18);   // another player ID: letter case counts
  EXPECT_EQ(EventValue(tour_, "E1", "AA", database_), 0);
  EXPECT_TRUE(players_.FindRecord("AA")->Used);

  AddRound("R5", "AA", "S1", 6, 10);
  const RoundsByPlayer index(rounds_);
  EXPECT_EQ(EventValue(tour_, "E1", "AA", database_), 9 * 4 + 8 * 5 + 6);
  EXPECT_EQ(EventValue(tour_, "E1", "AA", database_, &index), 9 * 4 + 8 * 5 + 6);
  EXPECT_EQ(EventValue(tour_, "S1", "AA", database_), 82) << "the same card from any event";

  AddRound("R6", "CC", "E1", 4);  // CC has no player record
  EXPECT_EQ(EventValue(tour_, "E1", "CC", database_), 0);
}

}  // namespace
}  // namespace cardwise
