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

class IndexPagesTest : public WebTest {
 protected:
  IndexPagesTest() { OpenPage("index/x.htm"); }
};

const char* const kTotal = "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\">";

// Published contact details keep their cells, empty links too; unpublished ones have neither
// cells nor headings.
TEST_F(IndexPagesTest, PlayerListEscapesTextsAndShowsContactsOnlyWhenPublished) {
  Player& ann = AddPlayer("A", "ann & lee", 5);
  ann.Phone = "555 <1>";
  ann.Email = "a@x.org";
  ann.URL = "http://x/?a&b";
  AddPlayer("B", "bob", -1.5f);
  const std::string annURL =
      "<TD><SMALL><A href=\"http://x/?a&amp;b\">http://x/?a&amp;b</A></SMALL>";
  const std::string bobURL = "<TD>";  // no link without an address
  const struct {
    bool Contacts;
    std::string Heading, Ann, Bob;
  } cases[] = {
      {true, "<TD>Player<TD>Hcp<TD>Phone<TD>Email<TD>URL",
       "5.0<TD>555 &lt;1&gt;<TD><SMALL><A href=\"mailto:a@x.org\">a@x.org</A></SMALL>" + annURL,
       "-1.5<TD><TD>" + bobURL},
      {false, "<TD>Player<TD>Hcp<TD>URL", "5.0" + annURL, "-1.5" + bobURL},
  };
  for (const auto& c : cases) {
    settings_.PublishContacts = c.Contacts;
    OpenPage("index/x.htm");
    WritePlayerList(page_);
    const std::vector<std::string> expected = {
        "<H1>Player Index</H1>",
        "<!-- List with Players -->",
        "<TABLE border=0 tabindex=0>",
        "<TR bgcolor=\"#55ee55\" style=\"color:#000000\">" + c.Heading,
        "<TR><TD>" + PlayerAnchorOrID(context_, "A") + "<TD align=center>" + c.Ann,
        kTotal + ("<TD>" + PlayerAnchorOrID(context_, "B")) + "<TD align=center>" + c.Bob,
        "</TABLE>"};
    EXPECT_EQ(BodyLines(), expected) << c.Contacts;
  }
}

// Rows of the report as given; a player missing from the list keeps a bare ID.
TEST_F(IndexPagesTest, HandicapListShowsIndexRoundsAndLatestDay) {
  AddPlayer("A", "ann & lee");
  std::vector<HandicapRow> rows(3);
  const struct {
    const char* ID;
    std::optional<Tenths> Index;
    int Rounds;
    DateTime Latest;
  } plans[] = {
      {"A", 123, 20, Day(2026, 5, 1)}, {"GONE", -12, 3, Day(2026, 4, 2)}, {"Z<", {}, 0, 0}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].PlayerID = plans[i].ID, rows[i].Index = plans[i].Index;
    rows[i].RoundsCounted = plans[i].Rounds, rows[i].LatestRound = plans[i].Latest;
  }
  WriteHandicapList(page_, rows);
  const std::vector<std::string> expected = {
      "<H1>Handicap Index</H1>",
      "<!-- List with handicap indexes -->",
      "<TABLE border=0 tabindex=0>",
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TD>Player<TD>Hcp<TD>Rounds<TD>Date",
      "<TR><TD>" + PlayerAnchorOrID(context_, "A") +
          "<TD align=center>12.3<TD align=center>20<TD>2026-05-01",
      kTotal + std::string("<TD>GONE<TD align=center>+1.2<TD align=center>3<TD>2026-04-02"),
      "<TR><TD>Z&lt;<TD align=center>-<TD align=center>0<TD>",
      "</TABLE>",
      "<P><SMALL>World Handicap System: the lowest 8 of the latest 20 score differentials "
      "(fewer for fewer rounds), from the scorecards up to 2026-06-15.</SMALL>"};
  EXPECT_EQ(BodyLines(), expected);
}

TEST_F(IndexPagesTest, CourseListShowsTotalsRatingAndNoLinkWithoutAnAddress) {
  Course& mill = AddCourse("MILL", "Mill", kPar72);
  mill.Len.FromText("300,400", 1, ',');
  mill.CR = 71.2f;
  mill.Slope = 128;
  mill.Phone = "1 & 2";
  mill.URL = "http://mill";
  AddCourse("PARK", "Park", "").Par.SetTotal(70);  // known by its total only
  WriteCourseList(page_);
  const std::string empty = "<TD>";
  EXPECT_THAT(BodyLines(),
              IsSupersetOf(std::vector<std::string>{
                  "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TD>Course<TD>Par<TD>Length"
                  "<TD>Phone<TD>Course Rating<TD>Email<TD>URL",
                  "<TR><TD>" + CourseAnchor(context_, mill) +
                      "<TD align=center><B>72</B><TD align=center>700<TD>1 &amp; 2"
                      "<TD><SMALL>CR=71.2 Slope=128</SMALL>" +
                      empty + "<TD><SMALL><A href=\"http://mill\">http://mill</A></SMALL>",
                  kTotal + ("<TD>" + CourseAnchor(context_, *courses_.FindRecord("PARK"))) +
                      "<TD align=center><B>70</B><TD align=center>0<TD>"
                      "<TD><SMALL></SMALL>" +
                      empty + empty,
              }));
}

TEST_F(IndexPagesTest, EventListLinksOnlyMadeEventsAndExistingCourses) {
  AddCourse("MILL", "Mill", kPar72);
  const Event& made = AddEvent("E1", "Open", 0, "MILL", Day(2026, 5, 1));
  AddEvent("E2", "Spring & Cup", 0, "GONE", Day(2026, 5, 8)).Make = false;
  WriteEventList(page_);
  EXPECT_THAT(BodyLines(), IsSupersetOf(std::vector<std::string>{
                               "<TR><TD>" + EventAnchor(context_, &made) + "<TD>2026-05-01<TD>" +
                                   CourseAnchor(context_, *courses_.FindRecord("MILL")),
                               std::string(kTotal) + "<TD>Spring &amp; Cup<TD>2026-05-08",
                           }));
}

TEST_F(IndexPagesTest, PtsPTableForThreePlayers) {
  WritePtsPTable(page_, 3);
  EXPECT_THAT(
      BodyLines(),
      ElementsAreArray({
          "<H1>Tour Scoring System: Pts(pla, nevent, ntour)</H1>",
          "<P>If you use the Pts(p) scoring system this table answers how many points you recieve "
          "for an event with <B><TT>nevent</TT></B> players in a tour with <B><TT>ntour</TT></B> "
          "players",
          "<P>This table is for <B><TT>ntour = 3</TT></B>",
          "<!-- Table with for Pts(p) function -->",
          "<TABLE border=0 tabindex=0>",
          "<TR align=center bgcolor=\"#55ee55\" style=\"color:#000000\"><TD "
          "align=right><TT>nevent</TT>",
          "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH>Pla",
          "<TR align=center><TH>1",
          "<TR align=center bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>2",
          "<TR align=center><TH>3",
          "</TABLE>",
          "<P>If you come <B>1:th</B> in an event with <B><TT>nevent=2</TT></B> players (of total "
          "<B><TT>ntour=3</TT></B> players in Tour) you get <B>8.3</B> pts.",
          "<P>Link to <A href=\"../index/help.htm#ptsp\">More info about the Pts(p) function</A>",
      }));
}

TEST_F(IndexPagesTest, PtsPTableColumnsAndEmptyTable) {
  WritePtsPTable(page_, 5);
  EXPECT_THAT(
      BodyLines(),
      IsSupersetOf(std::vector<std::string>{
          "<TR align=center bgcolor=\"#55ee55\" style=\"color:#000000\"><TD "
          "align=right><TT>nevent</TT>"
          "<TD rowspan=2>4<TD rowspan=2>5",
          "<TR align=center bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>4<TD>1.4<TD>2.8",
          "<TR align=center><TH>5<TD><TD>1.0",  // a field of 4 has no 5th place
      }));

  OpenPage("index/x.htm");
  WritePtsPTable(page_, 0);
  const std::vector<std::string> lines = BodyLines();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[7], "</TABLE>");
  EXPECT_EQ(lines[8],
            "<P>If you come <B>0:th</B> in an event with <B><TT>nevent=0</TT></B> players (of "
            "total <B><TT>ntour=0</TT></B> players in Tour) you get <B>14.5</B> pts.");
}

TEST_F(IndexPagesTest, F1TableRowsAndEmptyTable) {
  WriteF1Table(page_, 3);
  EXPECT_THAT(BodyLines(),
              ElementsAreArray({
                  "<H1>Tour Scoring System: F1(pla)</H1>",
                  "<P>If you use the F1(p) scoring system this table answers how many points you "
                  "recieve",
                  "<!-- Table with for F1(p) function -->",
                  "<TABLE border=0 tabindex=0>",
                  "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH> Pla <TH> Pts ",
                  "<TR align=center><TH>1<TD>25",
                  "<TR align=center bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>2<TD>20",
                  "<TR align=center><TH>3<TD>16",
                  "</TABLE>",
              }));

  OpenPage("index/x.htm");
  WriteF1Table(page_, 0);
  EXPECT_EQ(BodyLines().size(), 6u);
}

}  // namespace
}  // namespace cardwise::testing
