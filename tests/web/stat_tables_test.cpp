#include <algorithm>
#include <string>
#include <vector>

#include "web/tables.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

constexpr const char* kScoringHead =
    " <TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH>Rank<TH>Player<TH>Round<TH>Average";

class StatTablesTest : public WebTest {
 protected:
  StatTablesTest() {
    OpenPage("2026/stat.htm", true);
    AddCourse("MB", "Mill Brook", kPar72, kIndex);
  }

  // A player with one round per score list, on consecutive days at the given minute past 10.
  void Play(std::string_view id, int minute, const std::vector<std::string>& scores) {
    if (players_.FindRecord(id) == nullptr) AddPlayer(id, "player " + std::string(id));
    for (std::size_t i = 0; i < scores.size(); ++i)
      AddRound(id, "MB", Day(2026, 5, 1 + static_cast<int>(i), 10, minute), scores[i]);
  }

  // The year page's body up to its links bar.
  std::vector<std::string> YearTables() {
    WriteYearStats(page_, 2026);
    std::vector<std::string> lines = BodyLines();
    auto bar = std::find(lines.begin(), lines.end(), "<!-- Links to index -->");
    EXPECT_NE(bar, lines.end());
    lines.erase(bar, lines.end());
    return lines;
  }

  std::string Row(int shown, int rank, std::string_view id, int rounds, std::string_view value,
                  std::string_view total = "") {
    std::string row =
        shown % 2 == 1 ? " <TR>" : " <TR bgcolor=\"#eeeeaa\" style=\"color:#000000\">";
    row += "<TD align=\"center\"><B>" + std::to_string(rank) + "</B><TD>" +
           PlayerAnchor(context_, players_.FindRecord(id)) + "<TD align=\"center\">" +
           std::to_string(rounds) + "<TD align=\"center\"><B>" + std::string(value) + "</B>";
    if (!total.empty()) row += "<TD align=\"center\">" + std::string(total);
    return row;
  }
};

const std::string kBirdieBogey = "3,5,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";  // 72
const std::string kTwoOver = "5,5,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";      // 74
const std::string kThreeOver = "5,5,4,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";    // 75

TEST_F(StatTablesTest, TiesShareARankAndOnlyQualifyingTablesAppear) {
  Play("A", 0, {kPar72, kPar72});
  Play("B", 1, {kBirdieBogey, kBirdieBogey});
  Play("E", 2, {kThreeOver, kThreeOver});
  for (int i = 0; i < rounds_.Count(); ++i)
    if (rounds_.RecordAt(i).PlayerID == "A")
      rounds_.RecordAt(i).Greens.FromText("1,1,1,1,1,1,1,1,1", 1, ',');
  // The exchange sort leaves B ahead of A.
  const std::vector<std::string> expected = {"<H1>2026</H1>",
                                             "<H3>Scoring Average</H3>",
                                             "<TABLE border=0 tabindex=0>",
                                             kScoringHead,
                                             Row(1, 1, "B", 2, "72.00"),
                                             Row(2, 1, "A", 2, "72.00"),
                                             Row(3, 3, "E", 2, "75.00"),
                                             "</TABLE>",
                                             "<H3>Birdie Average</H3>",
                                             "<TABLE border=0 tabindex=0>",
                                             std::string(kScoringHead) + "<TH>Total",
                                             Row(1, 1, "B", 2, "1.00", "2"),
                                             "</TABLE>",
                                             "<H3>Greens in Regulation (GIR)</H3>",
                                             "<TABLE border=0 tabindex=0>",
                                             kScoringHead,
                                             Row(1, 1, "A", 2, "50.0%"),
                                             "</TABLE>"};
  EXPECT_EQ(YearTables(), expected);
}

TEST_F(StatTablesTest, SkippedEntryStillDecidesTheNextRank) {
  // C has too few rounds; sorted between A and D, its 74 equals D's, so D keeps A's rank.
  Play("A", 0, {kPar72, kPar72});
  Play("D", 1, {kTwoOver, kTwoOver});
  Play("C", 2, {kTwoOver});
  const std::vector<std::string> expected = {
      "<H1>2026</H1>", "<H3>Scoring Average</H3>", "<TABLE border=0 tabindex=0>",
      kScoringHead,    Row(1, 1, "A", 2, "72.00"), Row(2, 1, "D", 2, "74.00"),
      "</TABLE>"};
  EXPECT_EQ(YearTables(), expected);
}

}  // namespace
}  // namespace cardwise::testing
