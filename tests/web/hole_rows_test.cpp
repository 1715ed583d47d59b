#include <string>
#include <vector>

#include "web/tables.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

class HoleRowsTest : public WebTest {
 protected:
  HoleRowsTest() {
    OpenPage("2026/x.htm", true);
    AddPlayer("JS", "john smith");
    AddCourse("MB", "Mill Brook", kPar72, kIndex);
  }
};

TEST_F(HoleRowsTest, CourseRankAndDistributionRowsNeedEnoughRounds) {
  // Every round bogeys hole 1 and pars the rest.
  Round& round = AddRound("JS", "MB", Day(2026, 5, 1), "5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5");
  for (auto [rounds, lineCount] : {std::pair{3, 4u}, {4, 6u}, {7, 6u}, {8, 12u}}) {
    RoundStats stats;
    for (int i = 0; i < rounds; ++i)
      stats.AddRound(round);
    OpenPage("courses/mb.htm");
    WriteCourseRows(page_, *courses_.FindRecord("MB"), stats);
    const std::vector<std::string> lines = BodyLines();
    ASSERT_EQ(lines.size(), lineCount) << rounds;
    EXPECT_TRUE(lines[3].starts_with(
        "<TR align=center bgcolor=\"#55ee55\" style=\"color:#000000\"><TD align=left>Hcp<"));
    if (lineCount == 4) continue;
    EXPECT_EQ(lines[4],
              "<TR align=center bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD "
              "align=left>Rank<TD>1<TD>2<TD>2<TD>2<TD>2"
              "<TD>2<TD>2<TD>2<TD>2<TD><TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD><TD>");
    EXPECT_TRUE(
        lines.back().starts_with("<TR align=center bgcolor=\"#55ee55\" style=\"color:#000000\"><TD "
                                 "align=left>Average<TD><SMALL>5.00</SMALL>"
                                 "<TD><SMALL>4.00</SMALL><TD><SMALL>3.00</SMALL>"));
    if (lineCount == 12) {
      EXPECT_TRUE(
          lines[8].starts_with("<TR align=center bgcolor=\"#bbbbff\" style=\"color:#000000\"><TD "
                               "align=left>Bogies<TD>8<TD>&nbsp;<TD>"));
    }
  }
}

}  // namespace
}  // namespace cardwise::testing
