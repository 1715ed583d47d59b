#include "results/draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace cardwise {
namespace {

std::vector<DrawEntry> Field(const std::vector<int>& tenths) {
  std::vector<DrawEntry> entries;
  for (std::size_t i = 0; i < tenths.size(); ++i)
    entries.push_back({"P" + std::to_string(100 + i), tenths[i]});
  return entries;
}

std::vector<std::string> IDs(const std::vector<DrawEntry>& entries) {
  std::vector<std::string> ids;
  for (const DrawEntry& entry : entries)
    ids.push_back(entry.ID);
  return ids;
}

TEST(DrawTest, GroupSizesDifferByAtMostOneWithTheSmallerFirst) {
  for (int size = kMinGroupSize; size <= kMaxGroupSize; ++size) {
    for (int players = 1; players <= 40; ++players) {
      const std::vector<int> sizes = GroupSizes(players, size);
      EXPECT_EQ(static_cast<int>(sizes.size()), (players + size - 1) / size) << players;
      EXPECT_EQ(std::accumulate(sizes.begin(), sizes.end(), 0), players) << players;
      EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end())) << players;
      EXPECT_LE(sizes.back() - sizes.front(), 1) << players;
      EXPECT_LE(sizes.back(), size) << players;
    }
  }
  EXPECT_EQ(GroupSizes(10, 4), (std::vector<int>{3, 3, 4}));
  EXPECT_EQ(GroupSizes(10, 3), (std::vector<int>{2, 2, 3, 3}));
  EXPECT_TRUE(GroupSizes(0, 4).empty());
}

TEST(DrawTest, OrdersKeepTheListSortByHandicapThenIDAndShuffleBySeed) {
  const std::vector<DrawEntry> field = {{"C", 120}, {"A", 50}, {"B", 120}, {"D", -10}};
  EXPECT_EQ(IDs(OrderEntries(field, DrawOrder::Listed, 0)),
            (std::vector<std::string>{"C", "A", "B", "D"}));
  EXPECT_EQ(IDs(OrderEntries(field, DrawOrder::Handicap, 0)),
            (std::vector<std::string>{"D", "A", "B", "C"}));
  const std::vector<DrawEntry> many = Field(std::vector<int>(20, 100));
  const auto shuffled = IDs(OrderEntries(many, DrawOrder::Random, 42));
  EXPECT_EQ(IDs(OrderEntries(many, DrawOrder::Random, 42)), shuffled);
  EXPECT_NE(IDs(OrderEntries(many, DrawOrder::Random, 43)), shuffled);
  EXPECT_NE(shuffled, IDs(many));
  EXPECT_TRUE(std::is_permutation(shuffled.begin(), shuffled.end(), IDs(many).begin()));
}

// The groups of a snake deal: sorted by handicap, dealt first to last and back again.
int SnakeSpread(std::vector<DrawEntry> entries, const std::vector<int>& sizes) {
  std::sort(entries.begin(), entries.end(),
            [](const DrawEntry& a, const DrawEntry& b) { return a.HcpTenths < b.HcpTenths; });
  std::vector<std::vector<DrawEntry>> groups(sizes.size());
  std::size_t next = 0;
  for (int round = 0; next < entries.size(); ++round)
    for (std::size_t k = 0; k < groups.size() && next < entries.size(); ++k) {
      const std::size_t g = round % 2 == 0 ? k : groups.size() - 1 - k;
      if (static_cast<int>(groups[g].size()) < sizes[g]) groups[g].push_back(entries[next++]);
    }
  return SumSpread(groups);
}

TEST(DrawTest, BalancedGroupsAreAtLeastAsEvenAsASnakeDeal) {
  const std::vector<std::vector<int>> fields = {
      {0, 54, 98, 120, 133, 180, 204, 250, 280, 360, 361, 12},
      {10, 20, 30, 40, 50, 60, 70, 80, 90, 100},
      {360, 0, 0, 0, 0, 0, 0, 0, 0},
      {-20, 284, 90, 180, 0, 360, 77, 123, 145, 199, 201, 305, 12, 33, 48, 222, 264}};
  for (const std::vector<int>& tenths : fields) {
    for (int size = kMinGroupSize; size <= kMaxGroupSize; ++size) {
      const std::vector<DrawEntry> field = Field(tenths);
      const std::vector<int> sizes = GroupSizes(static_cast<int>(field.size()), size);
      const auto groups = BalancedGroups(field, sizes);
      ASSERT_EQ(groups.size(), sizes.size());
      for (std::size_t g = 0; g < groups.size(); ++g)
        EXPECT_EQ(static_cast<int>(groups[g].size()), sizes[g]);
      EXPECT_LE(SumSpread(groups), SnakeSpread(field, sizes)) << tenths.size() << "/" << size;
    }
  }
  // Four players of 0, 10, 20, 30 in twos: 0+30 and 10+20 are even.
  EXPECT_EQ(SumSpread(BalancedGroups(Field({0, 10, 20, 30}), {2, 2})), 0);
}

TEST(DrawTest, StartsOnOneTeeTwoTeesOrShotgun) {
  using Start = std::tuple<std::string, int>;
  const auto starts = [](DrawStarts kind, int groups) {
    DrawOptions options;
    options.Start = 9 * 60;
    options.Interval = 8;
    options.Starts = kind;
    std::vector<Start> result;
    for (int i = 0; i < groups; ++i) {
      const DrawGroup group = GroupStart(i, options);
      result.emplace_back(ClockText(group.Time), group.Tee);
    }
    return result;
  };
  EXPECT_EQ(starts(DrawStarts::OneTee, 3),
            (std::vector<Start>{{"09:00", 1}, {"09:08", 1}, {"09:16", 1}}));
  EXPECT_EQ(
      starts(DrawStarts::TwoTees, 5),
      (std::vector<Start>{{"09:00", 1}, {"09:00", 10}, {"09:08", 1}, {"09:08", 10}, {"09:16", 1}}));
  EXPECT_EQ(starts(DrawStarts::Shotgun, 3),
            (std::vector<Start>{{"09:00", 1}, {"09:00", 2}, {"09:00", 3}}));

  DrawOptions shotgun;
  shotgun.Starts = DrawStarts::Shotgun;
  shotgun.GroupSize = 2;
  std::string error;
  EXPECT_TRUE(MakeDraw(Field(std::vector<int>(36, 0)), shotgun, error));
  EXPECT_FALSE(MakeDraw(Field(std::vector<int>(37, 0)), shotgun, error));
  EXPECT_NE(error.find("18 groups"), std::string::npos);
}

TEST(DrawTest, ClockTimesAndGroupTextsReadOnlyWhatTheyWrite) {
  EXPECT_EQ(ParseClockTime("08:05"), 485);
  EXPECT_EQ(ClockText(485), "08:05");
  for (const char* bad : {"8:05", "24:00", "12:60", "12-00", "", "12:000"})
    EXPECT_FALSE(ParseClockTime(bad)) << bad;
  const DrawGroup group{545, 10, {"JS", "AB"}};
  EXPECT_EQ(GroupText(group), "09:05;10;JS;AB");
  EXPECT_EQ(ParseGroup("09:05; 10 ;JS;AB"), group);
  for (const char* bad : {"09:05;10", "9:05;1;A", "09:05;19;A", "09:05;0;A", "09:05;1;A;;B"})
    EXPECT_FALSE(ParseGroup(bad)) << bad;
  EXPECT_EQ(GroupKeyNumber("Group12"), 12);
  for (const char* other : {"Group", "Group0", "Group-1", "Groups", "group1"})
    EXPECT_FALSE(GroupKeyNumber(other)) << other;
}

}  // namespace
}  // namespace cardwise
