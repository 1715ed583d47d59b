#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::IsSupersetOf;

class EventPageTest : public WebTest {
 protected:
  // The body of the event's page; keeps the links bar it ends with in linksBar_.
  std::vector<std::string> PageLines(const std::string& eventID) {
    OpenPage("2026/e.htm", true);
    page_.WriteLinksBar();
    linksBar_ = BodyLines();
    OpenPage("2026/e.htm", true);
    WriteEventPage(page_, eventID);
    return BodyLines();
  }

  std::vector<std::string> linksBar_;
};

TEST_F(EventPageTest, ManualEventWithoutCourseHasThreeColumnsAndMissingOneOnlyTheLinksBar) {
  AddPlayer("A", "ann lee");
  Event& event = AddEvent("CUP", "Cup & Co", 4, "NOCOURSE", Day(2026, 5, 1));
  event.Results = {"1;30.5;A;;", "2;<b>;GHOST;;="};
  AddTour("T", "Tour", 1, "CUP;");  // unlisted: tours belong to the course block

  std::vector<std::string> expected = {
      "<H3>Event Results: Cup &amp; Co / 2026-05-01</H3>",
      "<!-- Table with Event results -->",
      "<TABLE border=0>",
      "<TR bgcolor=\"#55ee55\"><TH>Pos<TH>Result<TD>Player",
      "<TR><TH>1<TH><FONT size=+1>30.5</FONT><TD>" + PlayerAnchorOrID(context_, "A"),
      "<TR bgcolor=\"#eeeeaa\"><TH>2<TH><FONT size=+1>&lt;b&gt;</FONT><TD>GHOST",
      "</TABLE>",
  };
  std::vector<std::string> lines = PageLines("CUP");
  lines.erase(lines.begin());  // the picture slot
  expected.insert(expected.end(), linksBar_.begin(), linksBar_.end());
  EXPECT_THAT(lines, ElementsAreArray(expected));
  EXPECT_EQ(PageLines("NONE"), linksBar_);  // a missing event
}

TEST_F(EventPageTest, StrokeEventShowsRoundColumnsCourseBlockAndTours) {
  AddPlayer("A", "ann lee");
  AddCourse("MILL", "Mill", kPar72, kIndex);
  Event& event = AddEvent("SPR", "Spring", 0, "MILL", Day(2026, 5, 1));
  Round& round =
      AddRound("A", "MILL", Day(2026, 5, 1), "4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5", "SPR");
  round.Hcp = 5;
  round.Strokes = 5;
  event.Results = {"1;72;A;" + round.ID + ";Last 9", "2;80;B;GONE&1;"};
  Tour& first = AddTour("T1", "First", 0, "X;SPR;");
  Tour& second = AddTour("T2", "Second", 0, "SPR;");
  AddTour("T3", "Other", 0, "SPRING;");

  const std::vector<std::string> lines = PageLines("SPR");
  EXPECT_THAT(lines,
              IsSupersetOf(std::vector<std::string>{
                  "<TR bgcolor=\"#55ee55\"><TH>Pos<TH>Result<TD>Player<TD colspan=2>Hcp"
                  "<TD>Scorecard<TD>Notes",
                  "<TR><TH>1<TH><FONT size=+1>72</FONT><TD>" + PlayerAnchorOrID(context_, "A") +
                      "<TD align=center><SMALL>5.0</SMALL><TD align=center><B>5</B><TD>" +
                      RoundIDAnchor(context_, round) + "<TD>Last 9",
                  // the round is gone: empty cells and its ID as text
                  "<TR bgcolor=\"#eeeeaa\"><TH>2<TH><FONT size=+1>80</FONT><TD>B"
                  "<TD align=center><SMALL></SMALL><TD align=center><B></B>"
                  "<TD>GONE&amp;1<TD>",
                  "<H3>Course Statistics: Spring / " +
                      CourseAnchor(context_, *courses_.FindRecord("MILL")) + "</H3>",
                  "<!-- Table with Statistics for the event -->",
                  "<H4>Par statistics: Spring</H4>",
                  "<H4>Event In Tour: " + TourAnchor(context_, first) + " | " +
                      TourAnchor(context_, second) + "</H4>",
              }));
  // One round: no eclectic row.
  for (const std::string& line : lines)
    EXPECT_EQ(line.find("Eclectic"), std::string::npos) << line;
  EXPECT_EQ(lines.back(), linksBar_.back());
}

TEST_F(EventPageTest, TeamEventListsTeamsAndEachTeamHasACardPage) {
  AddPlayer("A", "ann lee");
  AddPlayer("B", "bo ek");
  AddCourse("MILL", "Mill", kPar72, kIndex);
  Event& event = AddEvent("FB", "Pairs", 0, "MILL", Day(2026, 5, 1));
  event.Format = kFourball;
  event.Teams = {Team{{"A", "B"}, ""}, Team{{"A", "NOBODY"}, "Ghosts"}};
  Round& a = AddRound("A", "MILL", Day(2026, 5, 1), kPar72, "FB");
  Round& b = AddRound("B", "MILL", Day(2026, 5, 1, 11), "3,5,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4", "FB");
  event.Results = {"1;71;A+B;" + a.ID + "+" + b.ID + ";"};

  const std::string members =
      PlayerAnchorOrID(context_, "A") + " / " + PlayerAnchorOrID(context_, "B");
  // An unknown member makes no cards: the team is listed without a link.
  EXPECT_THAT(PageLines("FB"),
              Contains("<TR><TH>1<TH><FONT size=+1>71</FONT><TD>ann lee / bo ek<TD>" + members +
                       "<TD align=center><TD>"));
  event.Teams.pop_back();
  EXPECT_THAT(PageLines("FB"), Contains("<TR><TH>1<TH><FONT size=+1>71</FONT><TD><A "
                                        "href=\"../2026/fbt1.htm\">ann lee / bo ek</A><TD>" +
                                        members + "<TD align=center>0+0<TD>"));

  OpenPage("2026/fbt1.htm", true);
  WriteTeamCardPage(page_, event, 1);
  const std::string mark = "<TH bgcolor=\"#eeeeaa\">";
  // Holes 1 to 3 and 18: B's birdie counts, A's par counts where they tie or B has none.
  const auto holes = [&](const std::string& cells, const std::string& sums) {
    return ::testing::AllOf(::testing::StartsWith(cells), ::testing::EndsWith(sums));
  };
  EXPECT_THAT(
      BodyLines(),
      IsSupersetOf(
          {holes("<TR align=center><TD align=left nowrap>" + PlayerAnchorOrID(context_, "A") +
                     " (0)<TD>4" + mark + "4" + mark + "3",
                 mark + "5<TH>36<TH>72"),
           holes("<TR align=center><TD align=left nowrap>" + PlayerAnchorOrID(context_, "B") +
                     " (0)" + mark + "3<TD>5<TD>3",
                 "<TD>4<TD>-<TD>-<TD>-"),
           holes("<TR align=center><TD align=left nowrap><B>ann lee / bo ek</B>"
                 "<TH>3<TH>4<TH>3",
                 "<TH>5<TH>36<TH>71")}));
}

}  // namespace
}  // namespace cardwise::testing
