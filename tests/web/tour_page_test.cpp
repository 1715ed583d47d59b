#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "results/tour_standings.h"
#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

class TourPageTest : public WebTest {
 protected:
  // The tour's page body without its picture line; keeps a links bar in linksBar_.
  std::vector<std::string> PageLines(const std::string& tourID) {
    OpenPage("tours/t.htm");
    page_.WriteLinksBar();
    linksBar_ = BodyLines();
    OpenPage("tours/t.htm");
    WriteTourPage(page_, tourID);
    std::vector<std::string> lines = BodyLines();
    if (!lines.empty()) lines.erase(lines.begin());
    return lines;
  }

  // The line `offset` lines after the results table's comment; empty when there is none.
  static std::string ResultsLine(const std::vector<std::string>& lines, int offset) {
    auto at = std::find(lines.begin(), lines.end(), "<!-- Table with Tour results -->");
    return lines.end() - at <= offset ? std::string() : *(at + offset);
  }

  std::vector<std::string> linksBar_;
};

// F1 tour over four positions, the second naming no event and the fourth mandatory; two worst
// dropped. Ann: 25, -, 20, 25 (the gap and the 20 dropped). Bob: 20, -, 25, none (the gap and the
// 20 dropped: the missing mandatory result widens the window).
TEST_F(TourPageTest, StandingsMarkDroppedMandatoryAndMissingEvents) {
  AddPlayer("A", "ann");
  AddPlayer("B", "bob");
  AddEvent("E1", "One", 4, "", Day(2026, 5, 1)).Results = {"1;30;A;;", "2;20;B;;"};
  AddEvent("E2", "Two", 4, "", Day(2026, 5, 8)).Results = {"1;30;B;;", "2;20;A;;"};
  Event& last = AddEvent("E3", "Three", 4, "", Day(2026, 5, 15));
  last.Results = {"1;30;A;;"};
  last.Make = false;
  Tour& tour = AddTour("T", "Spring & Co", 3, "E1;GONE;E2;E3;");
  tour.MandatoryEvents = "E3";
  tour.Worst = 2;
  CalcTour(tour, database_);

  const std::string a = PlayerAnchorOrID(context_, "A");
  const std::string b = PlayerAnchorOrID(context_, "B");
  const std::string pts = "<TD><SMALL>Pos</SMALL><TD><SMALL>Res</SMALL><TD><SMALL><A href=\"" +
                          PageLink(F1Page(settings_)) + "\">Pts</A></SMALL>";
  const std::string gap = "<TD>&nbsp;<TD>&nbsp;<TD>&nbsp;";
  const std::string grey = "<TD align=center bgcolor=\"#dddddd\" style=\"color:#000000\">";
  const std::string struck = grey + "<STRIKE><SMALL>2</SMALL></STRIKE>" + grey +
                             "<SMALL><STRIKE>20</STRIKE></SMALL>" + grey +
                             "<SMALL><STRIKE>20</STRIKE></SMALL>";
  const std::string won =
      "<TD align=center><B>1</B><TD align=center><SMALL>30</SMALL>"
      "<TD align=center><SMALL><B>25</B></SMALL>";
  const auto eventLink = [&](const char* id) {
    return "<TD colspan=3 align=center><A href=\"" +
           PageLink(EventPage(settings_, *events_.FindRecord(id))) + "\">" + id + "</A>";
  };
  const auto eventRow = [&](const std::string& start, const char* k, const char* id,
                            const char* date) {
    return start + "<TH>" + k + "<TH>" + date + "<TD><SMALL><B>" + id + "</B></SMALL><TD>" +
           EventAnchor(context_, events_.FindRecord(id)) + "<TD>";
  };
  std::vector<std::string> expected = {
      "<H1>Tour Results: Spring &amp; Co</H1>",
      "<!-- Table with Tour results -->",
      "<TABLE border=0 tabindex=0>",
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH rowspan=2>Pos<TH rowspan=2>Result<TD "
      "rowspan=2>Player"
      "<TD rowspan=2> # " +
          eventLink("E1") + "<TD colspan=3>" + eventLink("E2") + eventLink("E3"),
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\">" + pts + pts + pts + pts,
      "<TR><TH>1<TH><FONT size=+1>50</FONT><TD>" + a + "<TD align=center><SMALL><I>3</I></SMALL>" +
          won + gap + struck +
          "<TD align=center><SMALL><U>1</U></SMALL><TD align=center><SMALL><U>30</U></SMALL>"
          "<TD align=center><SMALL><B><U>25</U></B></SMALL>",
      "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>2<TH><FONT size=+1>25</FONT><TD>" + b +
          "<TD align=center><SMALL><I>2</I></SMALL>" + struck + gap + won +
          "<TD>&nbsp;<TD>&nbsp;<TD align=center><SMALL><B><U>0</U></B></SMALL>",
      "</TABLE>",
      "<TABLE border=0 tabindex=0><TR><TD bgcolor=\"#dddddd\" style=\"color:#000000\"><I>This "
      "color shows which <B>2</B> events is not "
      "counted in Tour</I></TABLE>",
      "<!-- Table with Tour events -->",
      "<H3>Tour Events: Spring &amp; Co</H3>",
      "<TABLE border=0 tabindex=0>",
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH>#<TH>Date<TD>ID<TD>Event<TD>",
      // the gap at position 2 repeats the colour of position 1
      eventRow("<TR>", "1", "E1", "2026-05-01"),
      eventRow("<TR>", "3", "E2", "2026-05-08"),
      eventRow("<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\">", "4", "E3", "2026-05-15"),
      "</TABLE>",
  };
  const std::vector<std::string> lines = PageLines("T");
  expected.insert(expected.end(), linksBar_.begin(), linksBar_.end());
  EXPECT_THAT(lines, ElementsAreArray(expected));
}

}  // namespace
}  // namespace cardwise::testing
