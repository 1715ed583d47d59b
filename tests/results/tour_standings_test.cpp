#include "results/tour_standings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/locale_formats.h"
#include "platform/status_sink.h"
#include "results/database.h"
#include "results/event_results.h"
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

  void AddEvent(const std::string& id, Lines results) {
    Event& event = Add(events_, id);
    std::tie(event.Type, event.Results) = std::make_tuple(kStrokesGross, std::move(results));
  }

  // A round of the player in the event, of 2003, with the score on every hole.
  void AddRound(const std::string& id, const std::string& player, const std::string& event,
                int score) {
    Round& round = Add(rounds_, id);
    std::tie(round.PlayerID, round.EventID, round.Date) =
        std::make_tuple(player, event, *EncodeDate(2003, 5, 1));
    for (int hole = 1; hole <= kHoles; ++hole)
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
}

TEST_F(StandingsTest, SaveAsEventReportsAFileThatCannotBeWritten) {
  std::tie(tour_.ID, tour_.Type) = std::make_tuple("T", kF1System);
  EXPECT_FALSE(SaveAsEvent(tour_, dir_.Write("file", "x") + "/EVENTS.DAT"));
  EXPECT_EQ(shown_, (Lines{"Saving: T as event...", "T not saved as event."}));

  tour_.ID.clear();  // no name to make an ID from
  EXPECT_FALSE(SaveAsEvent(tour_, dir_.File("EVENTS.DAT")));
  EXPECT_EQ(dir_.Read("EVENTS.DAT"), "");
}

}  // namespace
}  // namespace cardwise
