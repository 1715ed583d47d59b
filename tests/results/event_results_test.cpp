// Events: the ranked results of the rounds, their CSV export, and the events' file.

#include "results/event_results.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/locale_formats.h"
#include "records/dates.h"
#include "records/text.h"
#include "results/event.h"
#include "results/line_sort.h"
#include "results/tour_scoring.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using Lines = std::vector<std::string>;

// The cards of the tests: par 4 on every hole and stroke indexes 1 to 18, a score of 4 on every
// hole except the listed (hole, strokes) pairs (0 strokes leaves a hole unplayed).
struct CardPlan {
  std::string ID, PlayerID;
  std::vector<std::pair<int, int>> Changes = {};
  int Strokes = 0;
  std::string EventID = "EV", EventIDs = "";
};

RoundList MakeRounds(const std::vector<CardPlan>& cards) {
  RoundList rounds;
  for (const CardPlan& card : cards) {
    auto round = std::make_unique<Round>();
    std::tie(round->ID, round->PlayerID, round->EventID, round->EventIDs) =
        std::tie(card.ID, card.PlayerID, card.EventID, card.EventIDs);
    round->Strokes = static_cast<std::int16_t>(card.Strokes);
    for (int hole = 1; hole <= kHoles; ++hole) {
      round->CPar.SetHoleValue(hole, 4);
      round->CHcp.SetHoleValue(hole, hole);
      round->Score.SetHoleValue(hole, 4);
    }
    for (const auto& [hole, strokes] : card.Changes)
      round->Score.SetHoleValue(hole, strokes);
    rounds.Add(std::move(round));
  }
  return rounds;
}

// The results of an event of the type over the rounds, from the typed lines.
Lines Calc(int type, const RoundList& rounds, const std::string& id = "EV",
           const Lines& typed = {"stale;line"}) {
  Event event;
  event.ID = id;
  event.Type = type;
  event.Results = typed;
  CalcResults(event, rounds);
  return event.Results;
}

TEST(CalcResultsTest, RanksRoundsWithTheCountBack) {
  // The event type, its cards and the results.
  const std::tuple<int, std::vector<CardPlan>, Lines> cases[] = {
      // Gross, the 72 with the better back nine second.
      {kStrokesGross,
       {{"R1", "X", {{1, 5}, {10, 3}}}, {"R2", "W", {{1, 3}, {2, 3}}}, {"R3", "Y", {}}},
       {"1;70;W;R2;", "2;72;X;R1;Last 9", "3;72;Y;R3;"}},
      // Gross, the pivot meets itself before it loses the count-back.
      {kStrokesGross,
       {{"R1", "X", {{1, 5}, {10, 3}}}, {"R2", "Y", {}}, {"R3", "Z", {{1, 6}}}},
       {"1;72;X;R1;Last 9", "2;72;Y;R2;", "3;74;Z;R3;"}},
      // Gross, hole 18 decides.
      {kStrokesGross,
       {{"R1", "B", {{17, 3}, {18, 5}}}, {"R2", "A", {{17, 5}, {18, 3}}}},
       {"1;72;A;R2;Hole 18", "2;72;B;R1;"}},
      // Gross, no step separates: a shared place and the next skipped.
      {kStrokesGross,
       {{"R1", "A", {}}, {"R2", "B", {}}, {"R3", "C", {{1, 6}}}},
       {"1;72;B;R2;=", "1;72;A;R1;=", "3;74;C;R3;"}},
      // Gross, an incomplete card comes last.
      {kStrokesGross, {{"R1", "I", {{7, 0}}}, {"R2", "C", {{1, 9}}}}, {"1;77;C;R2;", "2;;I;R1;"}},
      // Net, fewer received strokes win; an incomplete card is negative and last.
      {kStrokesNet,
       {{"R1", "B", {{1, 10}}, 12},
        {"R2", "A", {{1, 8}}, 10},
        {"R3", "C", {{1, 2}}},
        {"R4", "D", {{7, 0}}, 5}},
       {"1;66;A;R2;Hcp", "2;66;B;R1;", "3;70;C;R3;", "4;-5;D;R4;"}},
      // Stableford, more points first.
      {kStableford, {{"R1", "A", {}}, {"R2", "B", {{1, 3}, {2, 3}}}}, {"1;38;B;R2;", "2;36;A;R1;"}},
      // Stableford, equal points and strokes go to the points count-back.
      {kStableford,
       {{"R1", "A", {{1, 3}, {18, 5}}}, {"R2", "B", {}}},
       {"1;36;B;R2;Last 9", "2;36;A;R1;"}}};
  for (const auto& [type, cards, expected] : cases)
    EXPECT_EQ(Calc(type, MakeRounds(cards)), expected);
}

// EventRounds finds for every event the rounds that the scan of the list takes, each once.
TEST(CalcResultsTest, TakesTheRoundsWhoseEventIdIsTheIdOrWhoseEventIdsHoldIt) {
  const RoundList rounds = MakeRounds({{"R1", "P", {}, 0, "CUP"},
                                       {"R2", "P", {}, 0, "cup"},
                                       {"R3", "P", {}, 0, "", "A;CUP;"},
                                       {"R4", "P", {}, 0, "X", "CUPFINAL"},
                                       {"R5", "P", {}, 0, ""},
                                       {"R6", "P", {}, 0, "CUP", "CUP;FINAL;CUP"}});
  const std::pair<std::string, Lines> cases[] = {{"CUP", {"R1", "R3", "R4", "R6"}},
                                                 {"cup", {"R2"}},
                                                 {"FINAL", {"R4", "R6"}},
                                                 {"CUPFINAL", {"R4"}},
                                                 {"", {}},
                                                 {"NONE", {}}};
  EventList events;  // IDs are unique whatever their letter case: "cup" stands for "CUP"
  for (const auto& [id, expected] : cases) {
    if (id == "cup") continue;
    auto event = std::make_unique<Event>();
    event->ID = id;
    events.Add(std::move(event));
  }
  const EventRounds eventRounds(rounds, events);
  for (const auto& [id, expected] : cases) {
    Lines taken;
    for (const std::string& line : Calc(kStrokesGross, rounds, id, {}))
      taken.push_back(ExtractField(line, 4, ';'));
    std::sort(taken.begin(), taken.end());
    EXPECT_EQ(taken, expected) << "event " << id;
    Lines found;
    for (const int position : eventRounds.Of(id))
      found.push_back(rounds.RecordAt(position).ID);
    if (id != "cup") {
      EXPECT_EQ(found, expected) << "event " << id;
    }
  }
}

TEST(CalcResultsTest, ManualResultsAreOnlySortedAndNumberedOnce) {
  const Lines typed = {";3;A;", ";1;B;", ";2;C;", ";1;D;"};
  const std::pair<int, Lines> cases[] = {
      {kManualAscending, {"1;1;D;;=", "1;1;B;;=", "3;2;C;;", "4;3;A;;"}},
      {kManualDescending, {"1;3;A;;", "2;2;C;;", "3;1;D;;=", "3;1;B;;="}},
      {kNoEventType, {"1;3;A;;", "2;1;B;;", "3;2;C;;", "4;1;D;;"}}};
  for (const auto& [type, expected] : cases) {
    EXPECT_EQ(Calc(type, RoundList(), "EV", typed), expected) << "type " << type;
    // A second recalc leaves them as they are: tied lines do not swap.
    EXPECT_EQ(Calc(type, RoundList(), "EV", expected), expected) << "type " << type;
  }
}

TEST(ResultBeforeTest, AMissingRoundLeavesATieUndecidedAndScoresAreNumbers) {
  const RoundList rounds = MakeRounds({{"R1", "B", {}}});
  // Type, lines a and b, whether a is before b, the note appended to both.
  const std::tuple<int, std::string, std::string, bool, std::string> cases[] = {
      {kStrokesGross, ";72;A;GONE", ";72;B;R1", false, ""},
      {kStableford, ";36;A;R1", ";36;B;GONE", false, ""},
      {kManualAscending, ";1,5;A;", ";1.5;B;", false, ";="},
      {kManualAscending, ";2,5;A;", ";10;B;", true, ""}};
  for (const auto& [type, lineA, lineB, before, note] : cases) {
    std::string a = lineA, b = lineB;
    EXPECT_EQ(ResultBefore(type, a, b, rounds), before) << lineA << " / " << lineB;
    EXPECT_EQ(a, lineA + note);
    EXPECT_EQ(b, lineB + note);
  }
}

class EventTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentFormats(IsoFormats()); }
  testing::TempDir dir_;
};

TEST_F(EventTest, ReadsAndWritesItsKeysByteForByteSkippingBlankResults) {
  const std::string text =
      "[SC]\r\nID=SC\r\nEvent=Spring Cup\r\nHeader=spring.htm\r\nCourseID=MILLBGC\r\n"
      "Date=2002-06-15\r\nType=0\r\nMake=0\r\n1=1;70;JS;R1;\r\n2=2;72;AB;R2;Last 9\r\n"
      "3=3;;CD;R3;\r\n";
  EventList list;
  list.LoadFromFile(dir_.Write("EVENTS.DAT", text));
  Lines& results = list.RecordAt(0).Results;
  results.insert(results.begin() + 1, {";;;;", ";;;R;="});
  ASSERT_TRUE(list.SaveAll(dir_.File("AGAIN.DAT")));
  EXPECT_EQ(dir_.Read("AGAIN.DAT"), text);
  EXPECT_EQ(list.CopyToClipboard(0),
            "[SC]\r\nID=SC\r\nEvent=Spring Cup\r\nHeader=spring.htm\r\nDate=2002-06-15\r\n"
            "CourseID=MILLBGC\r\nType=0\r\n");
  Event fresh;
  fresh.Name = "Autumn Open";
  ASSERT_TRUE(SaveRecord(fresh, dir_.File("NEW.DAT")));
  EXPECT_EQ(dir_.Read("NEW.DAT"), "[AO]\r\nID=AO\r\nEvent=Autumn Open\r\nMake=1\r\n");
}

TEST_F(EventTest, ReadsTypeMakeAndResultKeysTolerantly) {
  const std::tuple<std::string, int, bool, Lines> cases[] = {
      {"Type=2\nMake=1\n", 2, true, {}},
      {"Type=two\nMake= 01\n", -1, true, {}},
      {"Make=yes\n", -1, false, {}},
      {"3=c\n1=a\n0=zero\n-2=minus\nx=letter\n7=\n", -1, true, {"c", "a", ""}}};
  for (const auto& [text, type, make, results] : cases) {
    EventList list;
    list.LoadFromFile(dir_.Write("EVENTS.DAT", "[E]\nID=E\n" + text));
    const Event& event = list.RecordAt(0);
    EXPECT_EQ(std::tie(event.Type, event.Make, event.Results), std::tie(type, make, results))
        << text;
  }
}

TEST_F(EventTest, ReloadUsesDefaultsAndStopsAtTheFirstMissingOrEmptyResult) {
  const std::string path =
      dir_.Write("EVENTS.DAT", "[E]\nID=E\nEvent=Cup\n1=a\n2=b\n4=d\n[F]\nID=F\n1=a\n2=\n3=c\n");
  Event event;
  std::tie(event.ID, event.Header, event.Make) = std::make_tuple("e", "old.htm", false);
  ASSERT_TRUE(ReloadRecord(event, path));
  EXPECT_EQ(std::make_tuple(event.Header, event.Date, event.Type, event.Make, event.Results),
            std::make_tuple("", Today(), -1, true, Lines{"a", "b"}));
  event.ID = "F";
  ASSERT_TRUE(ReloadRecord(event, path));
  EXPECT_EQ(event.Results, (Lines{"a"}));
}

TEST_F(EventTest, DrawAndDivisionsReadAndWriteBackAndBadOnesAreUnreadableLines) {
  const std::string drawn =
      "[SC]\r\nID=SC\r\nMake=1\r\nDivisions=10,20.5\r\nDrawSeed=42\r\n"
      "Group1=08:00;1;JS;AB\r\nGroup2=08:10;10;CD\r\n1=1;70;JS;R1;\r\n";
  EventList list;
  EXPECT_TRUE(list.LoadFromFile(dir_.Write("EVENTS.DAT", drawn)).Clean());
  const Event& event = list.RecordAt(0);
  EXPECT_EQ(event.Divisions, (std::vector<double>{10, 20.5}));
  EXPECT_EQ(event.DrawSeed, 42u);
  EXPECT_EQ(event.Draw, (std::vector<DrawGroup>{{480, 1, {"JS", "AB"}}, {490, 10, {"CD"}}}));
  ASSERT_TRUE(list.SaveAll(dir_.File("AGAIN.DAT")));
  EXPECT_EQ(dir_.Read("AGAIN.DAT"), drawn);

  const std::string bad[] = {"Divisions=20,10",  "Divisions=10;20", "DrawSeed=-1",
                             "Group1=8:00;1;JS", "Group2=08:00;1;", "Group1000=08:00;1;JS"};
  for (const std::string& line : bad) {
    EventList other;
    const LoadReport report =
        other.LoadFromFile(dir_.Write("BAD.DAT", "[E]\nID=E\n" + line + "\n"));
    ASSERT_EQ(report.Problems.size(), 1u) << line;
    EXPECT_EQ(report.Problems[0].Line, 3) << line;
    EXPECT_TRUE(other.RecordAt(0).Draw.empty() && other.RecordAt(0).Divisions.empty()) << line;
  }

  // Groups numbered with gaps are renumbered; a reload reads the draw again.
  list.LoadFromFile(dir_.Write("GAPS.DAT", "[G]\nID=G\nGroup3=09:00;1;C\nGroup1=08:00;1;A\n"));
  EXPECT_EQ(list.FindRecord("G")->Draw.size(), 2u);
  Event reloaded;
  reloaded.ID = "SC";
  ASSERT_TRUE(ReloadRecord(reloaded, dir_.File("AGAIN.DAT")));
  EXPECT_EQ(reloaded.Draw, event.Draw);
  EXPECT_EQ(reloaded.Divisions, event.Divisions);
}

}  // namespace
}  // namespace cardwise
