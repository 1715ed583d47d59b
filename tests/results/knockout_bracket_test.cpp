// Knockouts: match play results and shots, the bracket and its results, and the knockouts' file.

#include "results/knockout_bracket.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "results/knockout.h"
#include "results/match_play.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Players P01 .. Pnn with handicap 10 + their number, a course with rating and slope.
class KnockoutBracketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string text;
    for (int k = 1; k <= 40; ++k) {
      const std::string id = Id(k);
      text += "[" + id + "]\r\nID=" + id + "\r\nPlayer=Player " + id +
              "\r\nHcp=" + std::to_string(10 + k) + "\r\n";
    }
    players_.LoadFromText("p.dat", text);
    courses_.LoadFromText("c.dat",
                          "[HILL]\r\nID=HILL\r\nCourse=Hill\r\nCR=72\r\nSlope=130\r\n"
                          "Par=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n"
                          "Hcp=7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4\r\n");
  }
  static std::string Id(int k) { return (k < 10 ? "P0" : "P") + std::to_string(k); }

  Knockout Made(int count, Seeding seeding = Seeding::Listed, const std::string& course = "") {
    KnockoutRequest request{"CUP", "Club Cup", course, {}, seeding, 7, 100};
    for (int k = 1; k <= count; ++k)
      request.PlayerIDs.push_back(Id(k));
    Knockout knockout;
    EXPECT_TRUE(MakeKnockout(request, players_, courses_, knockout)) << count;
    return knockout;
  }

  PlayerList players_;
  CourseList courses_;
};

TEST_F(KnockoutBracketTest, BracketsOfTwoToThirtyThreePlayers) {
  for (int count = 2; count <= 33; ++count) {
    const Knockout knockout = Made(count);
    const int slots = BracketSlots(count);
    std::multiset<std::string> entered;
    int byes = 0;
    for (const auto& [ref, match] : knockout.Matches) {
      if (ref.Round > 1) {
        EXPECT_FALSE(match.IsBye()) << count << " " << MatchName(ref);
        continue;
      }
      entered.insert(match.PlayerA);
      if (!match.IsBye()) entered.insert(match.PlayerB);
      byes += match.IsBye() ? 1 : 0;
      if (match.IsBye()) {
        // The bye's player is through to round 2, in the slot of this match.
        const KnockoutMatch& next = *knockout.MatchAt({2, (ref.Match + 1) / 2});
        EXPECT_EQ(ref.Match % 2 ? next.PlayerA : next.PlayerB, match.PlayerA) << count;
        EXPECT_EQ(match.Winner + " " + match.Result, match.PlayerA + " bye");
      }
    }
    EXPECT_EQ(knockout.Matches.size(), static_cast<std::size_t>(slots - 1)) << count;
    EXPECT_EQ(byes, slots - count) << count;
    EXPECT_EQ(entered.size(), static_cast<std::size_t>(count)) << count;
    EXPECT_EQ(std::set<std::string>(entered.begin(), entered.end()).size(), entered.size());
    // Seeds 1 and 2 in opposite halves: the top match holds seed 1, the first of the lower half
    // seed 2.
    EXPECT_EQ(knockout.MatchAt({1, 1})->PlayerA, "P01") << count;
    EXPECT_EQ(knockout.MatchAt({1, slots / 4 + 1})->PlayerA, slots == 2 ? "P01" : "P02") << count;
  }
  const Knockout eight = Made(8);
  EXPECT_EQ(eight.MatchAt({1, 2})->PlayerA + eight.MatchAt({1, 2})->PlayerB, "P04P05");
  EXPECT_EQ(eight.MatchAt({1, 4})->PlayerA + eight.MatchAt({1, 4})->PlayerB, "P03P06");
}

TEST_F(KnockoutBracketTest, SeedingByHandicapByIdOnTiesAndShuffledBySeed) {
  const std::vector<Entrant> entrants{{"C", 5}, {"a", 9}, {"B", 5}, {"D", -1}};
  EXPECT_THAT(SeedOrder(entrants, Seeding::Handicap, 0), ElementsAre("D", "B", "C", "a"));
  EXPECT_THAT(SeedOrder(entrants, Seeding::Listed, 0), ElementsAre("C", "a", "B", "D"));
  const std::vector<std::string> shuffled = SeedOrder(entrants, Seeding::Random, 42);
  EXPECT_EQ(SeedOrder(entrants, Seeding::Random, 42), shuffled);
  EXPECT_TRUE(std::is_permutation(shuffled.begin(), shuffled.end(),
                                  SeedOrder(entrants, Seeding::Listed, 0).begin()));

  KnockoutRequest request{"R", "Random", "", {"P01", "P02", "P03"}, Seeding::Random, {}, 100};
  Knockout knockout;
  ASSERT_TRUE(MakeKnockout(request, players_, courses_, knockout));
  ASSERT_TRUE(knockout.Seed) << "a random seed is chosen and kept";
}

TEST_F(KnockoutBracketTest, BadRequestsAreRefusedNamingWhatIsWrong) {
  const struct {
    std::vector<std::string> Players;
    std::string Course;
    int Allowance;
    const char* Message;
  } cases[] = {
      {{"P01"}, "", 100, "1 players"},
      {{"P01", "P02"}, "MOOR", 100, "no course \"MOOR\""},
      {{"P01", "P99"}, "", 100, "no player \"P99\""},
      {{"P01", "p01"}, "", 100, "named twice"},
      {{"P01", "P02"}, "", 101, "allowance 101"},
      {std::vector<std::string>(129, "P01"), "", 100, "129 players"},
  };
  for (const auto& c : cases) {
    Knockout knockout;
    const Status status =
        MakeKnockout({"K", "K", c.Course, c.Players, Seeding::Listed, {}, c.Allowance}, players_,
                     courses_, knockout);
    EXPECT_THAT(status.message(), HasSubstr(c.Message));
    EXPECT_TRUE(knockout.Matches.empty());
  }
}

TEST_F(KnockoutBracketTest, ResultsAdvanceWinnersAndInvalidOnesChangeNothing) {
  Knockout knockout = Made(6);  // R1M1 and R1M3 are byes of seeds 1 and 2
  const Knockout before = knockout;
  const struct {
    const char* Match;
    const char* Winner;
    const char* Result;
    const char* Message;
  } refused[] = {
      {"R1M1", "P01", "", "R1M1 is a bye"},
      {"R1M5", "P04", "", "no match R1M5"},
      {"R4M1", "P04", "", "no match R4M1"},
      {"R2M2", "P02", "", "the players of R2M2 are not known yet"},
      {"R1M2", "P01", "", "P01 does not play in R1M2 (P04 v P05)"},
      {"R1M2", "P04", "3&3", "not a match result: \"3&3\""},
  };
  for (const auto& c : refused) {
    const ResultChange change =
        RecordResult(knockout, *ParseMatchRef(c.Match), c.Winner, c.Result, false);
    EXPECT_THAT(change.Outcome.message(), HasSubstr(c.Message)) << c.Match;
  }
  EXPECT_EQ(knockout.Matches, before.Matches);

  ASSERT_TRUE(RecordResult(knockout, {1, 2}, "p05", "3&2", false).Outcome);
  ASSERT_TRUE(RecordResult(knockout, {1, 4}, "P03", "", false).Outcome);
  EXPECT_EQ(*knockout.MatchAt({1, 2}), (KnockoutMatch{"P04", "P05", "P05", "3&2"}));
  EXPECT_EQ(*knockout.MatchAt({2, 1}), (KnockoutMatch{"P01", "P05", "", ""}));
  EXPECT_EQ(*knockout.MatchAt({2, 2}), (KnockoutMatch{"P02", "P03", "", ""}));
  ASSERT_TRUE(RecordResult(knockout, {2, 1}, "P05", "19th", false).Outcome);
  ASSERT_TRUE(RecordResult(knockout, {2, 2}, "P02", "1 up", false).Outcome);
  ASSERT_TRUE(RecordResult(knockout, {3, 1}, "P02", "w/o", false).Outcome);
  EXPECT_EQ(knockout.MatchAt({3, 1})->Winner, "P02");
  // The same winner with another result changes only the result.
  ASSERT_TRUE(RecordResult(knockout, {1, 2}, "P05", "4&3", false).Outcome);
  EXPECT_EQ(knockout.MatchAt({3, 1})->Winner, "P02");
}

TEST_F(KnockoutBracketTest, ANewWinnerAfterTheNextRoundNeedsForceWhichEmptiesWhatDependedOnIt) {
  Knockout knockout = Made(8);
  for (int match = 1; match <= 4; ++match)
    RecordResult(knockout, {1, match}, knockout.MatchAt({1, match})->PlayerA, "2&1", false);
  RecordResult(knockout, {2, 1}, "P04", "", false);
  RecordResult(knockout, {2, 2}, "P02", "", false);
  RecordResult(knockout, {3, 1}, "P04", "", false);
  const Knockout before = knockout;

  const ResultChange refused = RecordResult(knockout, {1, 2}, "P05", "1 up", false);
  EXPECT_THAT(refused.Outcome.message(), HasSubstr("R2M1 has been played (won by P04)"));
  EXPECT_TRUE(refused.NeedsForce);
  EXPECT_EQ(knockout.Matches, before.Matches);

  const ResultChange forced = RecordResult(knockout, {1, 2}, "P05", "1 up", true);
  ASSERT_TRUE(forced.Outcome);
  EXPECT_THAT(forced.Cleared, ElementsAre(MatchRef{2, 1}, MatchRef{3, 1}));
  EXPECT_EQ(*knockout.MatchAt({2, 1}), (KnockoutMatch{"P01", "P05", "", ""}));
  EXPECT_EQ(*knockout.MatchAt({3, 1}), (KnockoutMatch{"", "P02", "", ""}));
  EXPECT_EQ(*knockout.MatchAt({2, 2}), *before.MatchAt({2, 2}));

  // Before the next match is decided, a new winner just takes the slot.
  ASSERT_TRUE(RecordResult(knockout, {1, 2}, "P04", "", false).Outcome);
  EXPECT_EQ(knockout.MatchAt({2, 1})->PlayerB, "P04");
}

TEST_F(KnockoutBracketTest, ShotsFromCourseHandicapsOnTheHolesOfLowestStrokeIndex) {
  Knockout knockout = Made(4, Seeding::Listed, "HILL");
  knockout.Allowance = 90;
  // P01 (11) v P04 (14) on CR 72, slope 130, par 72: course handicaps 13 and 16.
  const std::optional<MatchShots> shots =
      ShotsOf(knockout, *knockout.MatchAt({1, 1}), players_, courses_);
  ASSERT_TRUE(shots);
  EXPECT_EQ(shots->Shots, 3);  // 2.7 up
  EXPECT_EQ(ShotsText(shots, *knockout.MatchAt({1, 1})), "3 to P04");
  EXPECT_FALSE(ShotsOf(Made(4), *knockout.MatchAt({1, 1}), players_, courses_)) << "no course";

  const Course& hill = *courses_.FindRecord("HILL");
  EXPECT_THAT(ShotHoles(hill, 3), ElementsAre(4, 9, 13));
  const std::vector<int> twenty = ShotHoles(hill, 20);  // two on stroke index 1 and 2
  EXPECT_EQ(twenty.size(), 20u);
  EXPECT_EQ(std::count(twenty.begin(), twenty.end(), 4), 2);
  EXPECT_EQ(std::count(twenty.begin(), twenty.end(), 13), 2);
  EXPECT_EQ(std::count(twenty.begin(), twenty.end(), 9), 1);
}

constexpr const char* kCup =
    "[CUP]\r\nID=CUP\r\nKnockout=Club Cup\r\nCourse=HILL\r\nAllowance=90\r\nSeeding=random\r\n"
    "Seed=1234\r\nPlayers=AB;CD;EF\r\nR1M1=AB;bye;AB;bye\r\nR1M2=EF;CD;CD;3&2\r\n"
    "R2M1=AB;CD;;\r\n";

TEST(KnockoutFileTest, ReadsAndWritesItsKeysByteForByte) {
  const testing::TempDir dir;
  KnockoutList list;
  ASSERT_TRUE(list.LoadFromFile(dir.Write("KNOCKOUTS.DAT", kCup)).Clean());
  const Knockout& cup = *list.FindRecord("cup");
  EXPECT_EQ(cup.Order, Seeding::Random);
  EXPECT_THAT(cup.Players, ElementsAre("AB", "CD", "EF"));
  EXPECT_EQ(*cup.MatchAt({1, 2}), (KnockoutMatch{"EF", "CD", "CD", "3&2"}));
  ASSERT_TRUE(list.SaveAll(dir.File("AGAIN.DAT")));
  EXPECT_EQ(dir.Read("AGAIN.DAT"), kCup);
}

TEST(KnockoutFileTest, UnreadableLinesAreListedAndTheirKnockoutIsLeftAsItWas) {
  const testing::TempDir dir;
  const std::string bad =
      "[BAD]\r\nID=BAD\r\nAllowance=120\r\nSeeding=best\r\nSeed=x\r\nR1M1=AB;CD;EF;\r\n"
      "R1M2=AB;CD;AB;3&3\r\nR1M3=AB;CD\r\nR1M4=AB;CD;;2&1\r\nRound=1\r\n";
  KnockoutList list;
  const LoadReport report = list.LoadFromFile(dir.Write("KNOCKOUTS.DAT", std::string(kCup) + bad));
  std::vector<int> lines;
  for (const LoadProblem& problem : report.Problems)
    lines.push_back(problem.Line);
  EXPECT_THAT(lines, ElementsAre(14, 15, 16, 17, 18, 19, 20, 21));
  EXPECT_THAT(report.Messages()[0],
              HasSubstr(":14: not a whole number from 0 to 100: Allowance=120"));
  EXPECT_THAT(report.Messages()[3], HasSubstr("the winner is not a player of the match"));

  int cup = 0, badIndex = 0;
  ASSERT_TRUE(list.Find("CUP", cup) && list.Find("BAD", badIndex));
  const BatchReport saved =
      list.UpdateRecords({badIndex, cup}, dir.File("KNOCKOUTS.DAT"), [&](int) { return true; });
  ASSERT_EQ(saved.Kept.size(), 1u);
  EXPECT_EQ(saved.Kept[0].ID, "BAD");
  EXPECT_THAT(dir.Read("KNOCKOUTS.DAT"), HasSubstr(bad));
}

TEST(MatchPlayTest, ResultTextsAcceptedAndRefused) {
  const struct {
    const char* Text;
    bool Accepted;
  } cases[] = {
      {"2&1", true},   {"3&2", true},    {"10&8", true},  {"9&8", true},   {"1 up", true},
      {"2 up", true},  {"19th", true},   {"24th", true},  {"w/o", true},   {"conceded", true},
      {"1&0", false},  {"2&2", false},   {"3&3", false},  {"11&1", false}, {"10&9", false},
      {"3 up", false}, {"0 up", false},  {"18th", false}, {"25th", false}, {"19", false},
      {"", false},     {"3 & 2", false}, {"3&2 ", false}, {"+3&2", false}, {"-3&2", false},
      {"W/O", false},  {"1up", false},   {"3&", false},   {"&2", false},   {"bye", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsMatchResult(c.Text), c.Accepted) << '"' << c.Text << '"';
}

TEST(MatchPlayTest, MatchNamesReadBackAndOthersAreRefused) {
  EXPECT_EQ(ParseMatchRef("R1M2"), (MatchRef{1, 2}));
  EXPECT_EQ(ParseMatchRef("r7m64"), (MatchRef{7, 64}));
  EXPECT_EQ(MatchName({3, 12}), "R3M12");
  for (const char* text :
       {"R0M1", "R1M0", "R1", "M1", "R1M", "RM1", "R1M2x", "R-1M2", "R1M999", "X1M2", "R1 M2", ""})
    EXPECT_FALSE(ParseMatchRef(text)) << text;
}

TEST(MatchPlayTest, SlotsRoundsAndTheirNames) {
  EXPECT_EQ(SeedsInSlotOrder(8), (std::vector<int>{1, 8, 4, 5, 2, 7, 3, 6}));
  const struct {
    int Players, Slots, Rounds;
  } sizes[] = {{2, 2, 1}, {3, 4, 2}, {8, 8, 3}, {9, 16, 4}, {33, 64, 6}, {128, 128, 7}};
  for (const auto& s : sizes) {
    EXPECT_EQ(BracketSlots(s.Players), s.Slots) << s.Players;
    EXPECT_EQ(BracketRounds(s.Slots), s.Rounds) << s.Players;
  }
  EXPECT_EQ(RoundName(1, 1) + "|" + RoundName(2, 5) + "|" + RoundName(3, 5),
            "Final|Round 2|Quarter-final");
}

TEST(MatchPlayTest, TheHigherCourseHandicapReceivesTheAllowanceRoundedHalfUp) {
  const struct {
    int A, B, Allowance, Shots, Receiver;
  } cases[] = {
      {10, 4, 100, 6, 0},  {4, 10, 100, 6, 1}, {7, 0, 75, 5, 0},    // 5.25
      {6, 0, 75, 5, 0},    {2, 0, 75, 2, 0},   {1, 0, 50, 1, 0},    // 4.5, 1.5, 0.5 up
      {3, 2, 40, 0, -1},   {5, 5, 100, 0, -1}, {-2, 3, 100, 5, 1},  // 0.4; equal; a plus hcp
      {40, 2, 100, 38, 0}, {54, 0, 90, 49, 0}, {0, 27, 0, 0, -1},   // 48.6
  };
  for (const auto& c : cases) {
    const MatchShots shots = ShotsGiven(c.A, c.B, c.Allowance);
    EXPECT_EQ(shots.Shots, c.Shots) << c.A << " v " << c.B << " at " << c.Allowance;
    EXPECT_EQ(shots.Receiver, c.Receiver) << c.A << " v " << c.B << " at " << c.Allowance;
  }
}

}  // namespace
}  // namespace cardwise
