// An event day: the draw into timed groups, the handicap divisions and the printed cards.

#include "results/draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "results/cards.h"
#include "results/divisions.h"
#include "support/test_database.h"

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

TEST(DivisionsTest, LimitsAreAscendingNumbersAndWriteBackTheSame) {
  EXPECT_EQ(ParseDivisions("10,20"), (std::vector<double>{10, 20}));
  EXPECT_EQ(ParseDivisions(" -2, 10.5 ,36"), (std::vector<double>{-2, 10.5, 36}));
  EXPECT_EQ(ParseDivisions(""), std::vector<double>());
  for (const char* bad :
       {"20,10", "10,10", "10,", "ten", "10;20", "1.", ".5", "10 20", "1,2,x", "1000", "1e3"})
    EXPECT_FALSE(ParseDivisions(bad)) << bad;
  EXPECT_EQ(DivisionsText({10, 20.5, -2.5}), "10,20.5,-2.5");
}

TEST(DivisionsTest, AHandicapAtALimitIsInTheLowerDivision) {
  const std::vector<double> limits = {10, 20.1};
  const struct {
    double Hcp;
    const char* Division;
  } cases[] = {{-3.0, "A"}, {0.0, "A"},  {10.0, "A"}, {10.04, "A"}, {10.1, "B"},
               {20.0, "B"}, {20.1, "B"}, {20.2, "C"}, {54.0, "C"}};
  for (const auto& c : cases) {
    EXPECT_EQ(DivisionLetter(DivisionOf(limits, c.Hcp)), c.Division) << c.Hcp;
    EXPECT_EQ(DivisionLetter(DivisionOf(limits, static_cast<float>(c.Hcp))), c.Division)
        << "as a round's Hcp " << c.Hcp;
  }
}

class CardsTest : public ::testing::Test, protected testing::TestDatabase {};

TEST_F(CardsTest, EachCardMarksTheStrokesPerHoleAndNamesTheNextPlayerAsMarker) {
  for (const auto& [id, hcp] : {std::pair{"A", 20.0f}, {"B", -1.0f}, {"C", 5.0f}}) {
    Player& player = Add(players_, id);
    std::tie(player.Name, player.Hcp) = std::make_tuple(std::string("Player ") + id, hcp);
  }
  Add(courses_, "C1").Hcp.FromText(testing::kIndex, 1, ',');
  Event event;
  event.ID = "EV";
  event.CourseID = "C1";
  event.Type = kStrokesNet;
  std::string missing;
  EXPECT_FALSE(EventCards(event, database_, missing));
  EXPECT_EQ(missing, "event EV has no draw");

  event.Draw = {{480, 1, {"A", "B"}}, {490, 10, {"C"}}};
  const std::vector<Card> cards = *EventCards(event, database_, missing);
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0].Marker, "Player B");
  EXPECT_EQ(cards[1].Marker, "Player A");
  EXPECT_EQ(cards[2].Marker, "");
  EXPECT_EQ(cards[2].Tee, "10");
  const std::vector<CardRow>& rows = cards[0].Rows;
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[4].Caption, "Strokes");
  EXPECT_EQ(rows[4].Cells[3], std::string(kStrokeBullet) + kStrokeBullet);  // index 1 of 20
  EXPECT_EQ(rows[4].Cells[12], kStrokeBullet);                              // index 18: one
  EXPECT_EQ(rows[6].Caption, "Nett");
  EXPECT_EQ(cards[1].Rows[4].Cells[12], "-");  // a plus handicap gives back on index 18
  EXPECT_EQ(cards[1].Strokes, "-1");
}

}  // namespace
}  // namespace cardwise
