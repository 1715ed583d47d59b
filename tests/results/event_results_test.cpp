#include "results/event_results.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "records/text.h"

namespace cardwise {
namespace {

using Lines = std::vector<std::string>;

// One card of the tests: par 4 on every hole and stroke indexes 1 to 18, a score of 4 on every
// hole except the listed (hole, strokes) pairs (0 strokes leaves a hole unplayed).
struct CardPlan {
  std::string ID, PlayerID;
  std::vector<std::pair<int, int>> Changes;
  int Strokes;
};

std::unique_ptr<TRound> MakeRound(const CardPlan& card) {
  auto round = std::make_unique<TRound>();
  round->ID = card.ID;
  round->PlayerID = card.PlayerID;
  round->EventID = "EV";
  round->Strokes = static_cast<std::int16_t>(card.Strokes);
  for (int hole = 1; hole <= kHoles; ++hole) {
    round->CPar.SetHoleValue(hole, 4);
    round->CHcp.SetHoleValue(hole, hole);
    round->Score.SetHoleValue(hole, 4);
  }
  for (const auto& [hole, strokes] : card.Changes)
    round->Score.SetHoleValue(hole, strokes);
  return round;
}

TRoundList MakeRounds(const std::vector<CardPlan>& cards) {
  TRoundList rounds;
  for (const CardPlan& card : cards)
    rounds.Add(MakeRound(card));
  return rounds;
}

// The results of an event of the type over the rounds, from the typed lines.
Lines Calc(int type, const TRoundList& rounds, const std::string& id = "EV",
           const Lines& typed = {"stale;line"}) {
  TEvent event;
  event.ID = id;
  event.Type = type;
  event.Results = typed;
  CalcResults(event, rounds);
  return event.Results;
}

TEST(CalcResultsTest, RanksRoundsWithTheCountBack) {
  struct Case {
    const char* Name;
    int Type;
    std::vector<CardPlan> Cards;
    Lines Expected;
  };
  const Case cases[] = {
      {"gross, the 72 with the better back nine second",
       kStrokesGross,
       {{"R1", "X", {{1, 5}, {10, 3}}, 0}, {"R2", "W", {{1, 3}, {2, 3}}, 0}, {"R3", "Y", {}, 0}},
       {"1;70;W;R2;", "2;72;X;R1;Last 9", "3;72;Y;R3;"}},
      {"gross, the pivot meets itself before it loses the count-back",
       kStrokesGross,
       {{"R1", "X", {{1, 5}, {10, 3}}, 0}, {"R2", "Y", {}, 0}, {"R3", "Z", {{1, 6}}, 0}},
       {"1;72;X;R1;Last 9", "2;72;Y;R2;", "3;74;Z;R3;"}},
      {"gross, hole 18 decides",
       kStrokesGross,
       {{"R1", "B", {{17, 3}, {18, 5}}, 0}, {"R2", "A", {{17, 5}, {18, 3}}, 0}},
       {"1;72;A;R2;Hole 18", "2;72;B;R1;"}},
      {"gross, no step separates: a shared place and the next skipped",
       kStrokesGross,
       {{"R1", "A", {}, 0}, {"R2", "B", {}, 0}, {"R3", "C", {{1, 6}}, 0}},
       {"1;72;B;R2;=", "1;72;A;R1;=", "3;74;C;R3;"}},
      {"gross, an incomplete card comes last",
       kStrokesGross,
       {{"R1", "I", {{7, 0}}, 0}, {"R2", "C", {{1, 9}}, 0}},
       {"1;77;C;R2;", "2;;I;R1;"}},
      {"net, fewer received strokes win; an incomplete card is negative and last",
       kStrokesNet,
       {{"R1", "B", {{1, 10}}, 12},
        {"R2", "A", {{1, 8}}, 10},
        {"R3", "C", {{1, 2}}, 0},
        {"R4", "D", {{7, 0}}, 5}},
       {"1;66;A;R2;Hcp", "2;66;B;R1;", "3;70;C;R3;", "4;-5;D;R4;"}},
      {"stableford, more points first",
       kStableford,
       {{"R1", "A", {}, 0}, {"R2", "B", {{1, 3}, {2, 3}}, 0}},
       {"1;38;B;R2;", "2;36;A;R1;"}},
      {"stableford, equal points and strokes go to the points count-back",
       kStableford,
       {{"R1", "A", {{1, 3}, {18, 5}}, 0}, {"R2", "B", {}, 0}},
       {"1;36;B;R2;Last 9", "2;36;A;R1;"}}};
  for (const Case& c : cases)
    EXPECT_EQ(Calc(c.Type, MakeRounds(c.Cards)), c.Expected) << c.Name;
}

TEST(CalcResultsTest, TakesTheRoundsWhoseEventIdIsTheIdOrWhoseEventIdsHoldIt) {
  TRoundList rounds;
  const std::tuple<std::string, std::string, std::string> cards[] = {{"R1", "CUP", ""},
                                                                     {"R2", "cup", ""},
                                                                     {"R3", "", "A;CUP;"},
                                                                     {"R4", "X", "CUPFINAL"},
                                                                     {"R5", "", ""}};
  for (const auto& [id, eventID, eventIDs] : cards) {
    std::unique_ptr<TRound> round = MakeRound({id, "P", {}, 0});
    std::tie(round->EventID, round->EventIDs) = std::tie(eventID, eventIDs);
    rounds.Add(std::move(round));
  }
  const std::pair<std::string, Lines> cases[] = {
      {"CUP", {"R1", "R3", "R4"}}, {"cup", {"R2"}}, {"", {}}, {"NONE", {}}};
  for (const auto& [id, expected] : cases) {
    Lines taken;
    for (const std::string& line : Calc(kStrokesGross, rounds, id, {}))
      taken.push_back(ExtractField(line, 4, ';'));
    std::sort(taken.begin(), taken.end());
    EXPECT_EQ(taken, expected) << "event " << id;
  }
}

TEST(CalcResultsTest, ManualResultsAreOnlySortedAndNumbered) {
  const Lines typed = {";3;A;", ";1;B;", ";2;C;", ";1;D;"};
  const std::pair<int, Lines> cases[] = {
      {kManualAscending, {"1;1;D;;=", "1;1;B;;=", "3;2;C;;", "4;3;A;;"}},
      {kManualDescending, {"1;3;A;;", "2;2;C;;", "3;1;D;;=", "3;1;B;;="}},
      {kNoEventType, {"1;3;A;;", "2;1;B;;", "3;2;C;;", "4;1;D;;"}}};
  for (const auto& [type, expected] : cases)
    EXPECT_EQ(Calc(type, TRoundList(), "EV", typed), expected) << "type " << type;
}

TEST(ResultBeforeTest, AMissingRoundLeavesATieUndecidedAndScoresAreNumbers) {
  const TRoundList rounds = MakeRounds({{"R1", "B", {}, 0}});
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

}  // namespace
}  // namespace cardwise
