#include "results/match_play.h"

#include <gtest/gtest.h>

namespace cardwise {
namespace {

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
