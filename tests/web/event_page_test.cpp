#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

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
      "<H1>Event Results: Cup &amp; Co / 2026-05-01</H1>",
      "<!-- Table with Event results -->",
      "<TABLE border=0 tabindex=0>",
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH>Pos<TH>Result<TD>Player",
      "<TR><TH>1<TH><FONT size=+1>30.5</FONT><TD>" + PlayerAnchorOrID(context_, "A"),
      "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>2<TH><FONT "
      "size=+1>&lt;b&gt;</FONT><TD>GHOST",
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
  EXPECT_THAT(
      lines,
      IsSupersetOf(std::vector<std::string>{
          "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH>Pos<TH>Result<TD>Player<TD "
          "colspan=2>Hcp"
          "<TD>Scorecard<TD>Notes",
          "<TR><TH>1<TH><FONT size=+1>72</FONT><TD>" + PlayerAnchorOrID(context_, "A") +
              "<TD align=center><SMALL>5.0</SMALL><TD align=center><B>5</B><TD>" +
              RoundIDAnchor(context_, round) + "<TD>Last 9",
          // the round is gone: empty cells and its ID as text
          "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>2<TH><FONT size=+1>80</FONT><TD>B"
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

}  // namespace
}  // namespace cardwise::testing
