#include <functional>
#include <string>
#include <vector>

#include "web/tables.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

Result Row(std::string_view holes) {
  Result row;
  row.FromText(holes, 1, ',');
  return row;
}

class HoleRowsTest : public WebTest {
 protected:
  HoleRowsTest() {
    OpenPage("2026/x.htm", true);
    AddPlayer("JS", "john smith");
    AddCourse("MB", "Mill Brook", kPar72, kIndex);
  }
};

TEST_F(HoleRowsTest, RowsWriteTheirCellsOnOneUnendedLine) {
  struct Case {
    std::function<void(Page&)> Write;
    std::string Expected;
  };
  const std::vector<Case> cases = {
      // Empty hole 1 empties the out and total sums; 3 and 5 over both take Score3.
      {[](Page& p) {
         const Result par = Row(kPar72);
         WriteScoreRow(p, "S", Row("0,4,6,2,5,3,8,6,5,3,4,3,5,4,4,3,4,5"), &par);
       },
       "<TR align=center bgcolor=\"#dddddd\" style=\"color:#000000\" nowrap><TD "
       "align=left>S<TD>-<TH>4"
       "<TH bgcolor=\"#4444ff\" style=\"color:#ffffff\">6<TH bgcolor=\"#ff5555\" "
       "style=\"color:#000000\">2<TH bgcolor=\"#bbbbff\" style=\"color:#000000\">5"
       "<TH bgcolor=\"#ffaaaa\" style=\"color:#000000\">3<TH bgcolor=\"#4444ff\" "
       "style=\"color:#ffffff\">8<TH bgcolor=\"#8888ff\" style=\"color:#000000\">6<TH>5<TD>-"
       "<TH bgcolor=\"#ffaaaa\" style=\"color:#000000\">3<TH>4<TH>3<TH>5<TH>4<TH>4<TH>3<TH>4<TH>5"
       "<TH bgcolor=\"#eeeeaa\" style=\"color:#000000\"><FONT color=\"#880000\">35</FONT><TD>-"},
      // Without a par row every hole is a 4 and the sums are held against 36, 36 and 72.
      {[](Page& p) { WriteScoreRow(p, "S", Row("5,4,4,4,4,4,4,4,4,3,4,4,4,4,4,4,4,4"), nullptr); },
       "<TR align=center bgcolor=\"#dddddd\" style=\"color:#000000\" nowrap><TD align=left>S<TH "
       "bgcolor=\"#bbbbff\" style=\"color:#000000\">5"
       "<TH>4<TH>4<TH>4<TH>4<TH>4<TH>4<TH>4<TH>4<TH bgcolor=\"#eeeeaa\" "
       "style=\"color:#000000\"><FONT color=\"#000088\">"
       "37</FONT><TH bgcolor=\"#ffaaaa\" "
       "style=\"color:#000000\">3<TH>4<TH>4<TH>4<TH>4<TH>4<TH>4<TH>4<TH>4"
       "<TH bgcolor=\"#eeeeaa\" style=\"color:#000000\"><FONT color=\"#880000\">35</FONT>"
       "<TH bgcolor=\"#eeeeaa\" style=\"color:#000000\"><FONT color=\"#000000\">72</FONT>"},
      {[](Page& p) { WriteValueRow(p, "Length", Row("350,0,140"), "L"); },
       "<TR align=center bgcolor=\"L\" style=\"color:#ffffff\"><TD "
       "align=left>Length<TD>350<TD>---<TD>140<TD>---<TD>---"
       "<TD>---<TD>---<TD>---<TD>---<TH>490<TD>---<TD>---<TD>---<TD>---<TD>---<TD>---<TD>---"
       "<TD>---<TD>---<TD><TH>490"},
      {[](Page& p) { WriteMarkRow(p, "G", Row("1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2"), "B", "o"); },
       "<TR align=center bgcolor=\"B\" style=\"color:#ffffff\"><TD "
       "align=left>G<TD>o<TD><TD>o<TD><TD><TD><TD><TD><TD>"
       "<TD>2<TD><TD><TD><TD><TD><TD><TD><TD><TD>o<TD>1<TD>3"},
      {[](Page& p) {
         std::array<std::int16_t, kHoles> ranks{};
         ranks[0] = 3;
         WriteRankRow(p, "Hole", ranks, "G");
       },
       "<TR align=center bgcolor=\"G\" style=\"color:#ffffff\"><TD "
       "align=left>Hole<TH>3<TH><TH><TH><TH><TH><TH><TH><TH>"
       "<TH><TH><TH><TH><TH><TH><TH><TH><TH><TH><TH><TH>"},
      {[](Page& p) { WriteHoleRow(p, "Hole", "G"); },
       "<TR align=center bgcolor=\"G\" style=\"color:#ffffff\"><TD "
       "align=left>Hole<TD>1<TD>2<TD>3<TD>4<TD>5<TD>6<TD>7"
       "<TD>8<TD>9<TD>Out<TD>10<TD>11<TD>12<TD>13<TD>14<TD>15<TD>16<TD>17<TD>18<TD>In<TD>Total"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    OpenPage("2026/x.htm", true);
    cases[i].Write(page_);
    EXPECT_EQ(Body(), cases[i].Expected) << "case " << i;
  }
}

TEST_F(HoleRowsTest, ScorecardHasSixRowsAndOnlyTheExtrasEntered) {
  AddEvent("SC", "Spring Cup", 1);
  // An eagle, two birdies, a triple bogey and one five over: the legend counts class 3 alone.
  Round& round = AddRound("JS", "MB", Day(2026, 5, 1), "4,3,6,3,4,3,8,4,5,4,4,3,5,4,4,3,4,5", "SC");
  round.Hcp = 12.4f;
  WriteScorecard(page_, round);
  std::vector<std::string> lines = BodyLines();
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[0], "<H1>Scorecard: " + round.DateText() + " / John Smith</H1>");
  lines.erase(lines.begin());
  EXPECT_EQ(lines[1], "<A name=\"" + round.ID + "\"><TABLE border=0 tabindex=0>");
  EXPECT_EQ(lines[2], "<TR bgcolor=\"#55ee55\" style=\"color:#000000\" nowrap><TH colspan=4>" +
                          PlayerAnchor(context_, players_.FindRecord("JS")) +
                          "<TH align=left colspan=6>" + round.DateText() +
                          "<TD align=center>12.4<TD colspan=6>" +
                          PlayerCourseAnchor(context_, round) + "<TD colspan=5>" +
                          EventAnchor(context_, events_.FindRecord("SC")) + "<TD>Legend");
  const std::string black = "\" style=\"color:#000000\"><SMALL>";
  const std::vector<std::string> legends = {
      "#ff5555" + black + "Eagles:&nbsp;1",
      "#ffaaaa" + black + "Birdies:&nbsp;2",
      "#dddddd" + black + "Pars:&nbsp;13",
      "#bbbbff" + black + "Bogies:&nbsp;0",
      "#8888ff" + black + "Doubles:&nbsp;0",
      "#4444ff\" style=\"color:#ffffff\"><SMALL>Others:&nbsp;1"};
  for (std::size_t i = 0; i < legends.size(); ++i)
    EXPECT_TRUE(lines[3 + i].ends_with("<TD align=left bgcolor=\"" + legends[i] + "</SMALL>"))
        << lines[3 + i];
  EXPECT_EQ(lines[9], "</TABLE></A>");

  round.Putts.FromText("2,2", 1, ',');
  round.Fairways.FromText("0,1", 1, ',');
  OpenPage("2026/x.htm", true);
  WriteScorecard(page_, round);
  lines = BodyLines();
  ASSERT_GE(lines.size(), 13u);
  lines.erase(lines.begin());
  EXPECT_TRUE(lines[9].starts_with(
      "<TR align=center bgcolor=\"#eeeeee\" style=\"color:#000000\"><TD align=left>Putts<"));
  EXPECT_TRUE(lines[10].starts_with(
      "<TR align=center bgcolor=\"#eeeeee\" style=\"color:#000000\"><TD align=left>Fairways"
      "<TD><TD>x<TD>"));
  EXPECT_EQ(lines[11], "</TABLE></A>");
}

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
