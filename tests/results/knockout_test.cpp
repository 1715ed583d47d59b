#include "results/knockout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

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

}  // namespace
}  // namespace cardwise
