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

}  // namespace
}  // namespace cardwise::testing

namespace cardwise::testing {
namespace {

TEST_F(EventPageTest, DivisionsAddOneTableEachAfterTheWholeField) {
  AddPlayer("A", "ann");
  AddPlayer("B", "bo");
  AddPlayer("C", "cy");
  players_.FindRecord("A")->Hcp = 10.0f;
  players_.FindRecord("B")->Hcp = 10.1f;
  players_.FindRecord("C")->Hcp = 30.0f;
  Event& event = AddEvent("CUP", "Cup", 4, "", Day(2026, 5, 1));
  event.Results = {"1;40;C;;", "2;38;A;;", "3;30;B;;"};
  const std::vector<std::string> whole = PageLines("CUP");
  event.Divisions = {10, 20};
  std::vector<std::string> lines = PageLines("CUP");
  // The whole field as before, then divisions A (A), B (B) and C (C), each line at its place.
  ASSERT_GT(lines.size(), whole.size());
  EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + 8, lines.begin()));
  const auto heading = [&](const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) - lines.begin();
  };
  const auto a = heading("<H4>Division A (Hcp up to 10)</H4>");
  const auto b = heading("<H4>Division B (Hcp above 10 up to 20)</H4>");
  const auto c = heading("<H4>Division C (Hcp above 20)</H4>");
  ASSERT_LT(c, static_cast<long>(lines.size()));
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_EQ(lines[a + 4],
            "<TR><TH>2<TH><FONT size=+1>38</FONT><TD>" + PlayerAnchorOrID(context_, "A"));
  EXPECT_EQ(lines[b + 4],
            "<TR><TH>3<TH><FONT size=+1>30</FONT><TD>" + PlayerAnchorOrID(context_, "B"));
  EXPECT_EQ(lines[c + 4],
            "<TR><TH>1<TH><FONT size=+1>40</FONT><TD>" + PlayerAnchorOrID(context_, "C"));
}

}  // namespace
}  // namespace cardwise::testing
