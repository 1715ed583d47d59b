#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::Contains;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

class PlayerPagesTest : public WebTest {
 protected:
  PlayerPagesTest() {
    Player& player = AddPlayer("JS", "john smith", 12.4f);
    player.Phone = "555 & 1";
    player.Email = "js@x.org";
    AddCourse("MB", "Mill Brook", kPar72, kIndex);
    OpenPage();
  }
};

TEST_F(PlayerPagesTest, YearLinksShowOnlyExistingPagesOfTheLastElevenYears) {
  for (int year : {2015, 2016, 2020, 2026})
    dir_.Write("Web/" + PageLink(PlayerYearPage(settings_, "JS", year)).substr(3), "x");
  WritePlayerPage(page_, "JS");
  EXPECT_THAT(
      Body(),
      HasSubstr("<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD><SMALL>Links to player "
                "statistics:</SMALL><TD><A href=\"../2016/js2016.htm\">2016</A>"
                "<TD><A href=\"../2020/js2020.htm\">2020</A>"
                "<TD><A href=\"../2026/js2026.htm\">2026</A>\r\n</TABLE>"));
}

// Player IDs are compared exactly; only the first MaxTourMerits standing lines and the first
// MaxEventMerits result lines placed at most MaxEventMerits count.
TEST_F(PlayerPagesTest, MeritsCountOnlyTopLinesOfTheExactID) {
  settings_.MaxTourMerits = 2;
  AddTour("T1", "Spring Tour", 0, "").Standings = {
      {"1;90;3;js;", nullptr}, {"2;80;3;JS;", nullptr}, {"3;70;3;JS;", nullptr}};
  AddEvent("E1", "Cup", 0).Results = {"1;70;JS;r;", "2;71;AB;r;"};
  AddEvent("E2", "Plate", 0).Results = {"1;70;AB;r;", "2;71;CD;r;", "4;72;JS;r;"};
  AddEvent("E3", "Bowl", 0).Results = {"1;70;js;r;", "2;71;AB;r;", "3=;72;JS;r;"};
  AddRound("js", "MB", Day(2025, 5, 1), kPar72);
  AddRound("JS", "MB", Day(2025, 5, 2), kPar72);
  WritePlayerPage(page_, "JS");

  const std::string body = Body();
  EXPECT_THAT(
      body,
      HasSubstr(
          "<TR bgcolor=\"#55ee55\" style=\"color:#000000\" nowrap><TH align=left>Tour<TH>Pla\r\n"
          "<TR nowrap><TD>" +
          TourAnchor(context_, *tours_.FindRecord("T1")) + "<TH>2\r\n</TABLE>\r\n"));
  EXPECT_THAT(
      body, HasSubstr("<TH align=left>Event<TH>Pla\r\n<TR nowrap><TD>" +
                      EventAnchor(context_, events_.FindRecord("E1")) +
                      "<TH>1\r\n<TR nowrap bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD>" +
                      EventAnchor(context_, events_.FindRecord("E3")) + "<TH>3=\r\n</TABLE>\r\n"));
  // Only the exact ID's round is counted.
  EXPECT_THAT(BodyLines(), Contains(EndsWith("Stroke Average</A><TH>72.0<TH>18")));
}

TEST_F(PlayerPagesTest, PlayerOnCourseShowsTheYearsRoundsOnTheCurrentCard) {
  courses_.FindRecord("MB")->Changed = Day(2025, 3, 1, 0, 0);
  AddRound("JS", "MB", Day(2024, 5, 1), kPar72);
  AddRound("JS", "MB", Day(2025, 5, 1), kPar72);
  AddRound("JS", "MB", Day(2025, 6, 1), kPar72);

  WritePlayerCourse(page_, "JS", "MB", Day(2024, 5, 1));
  EXPECT_EQ(Body(), "");

  WritePlayerCourse(page_, "JS", "MB", Day(2025, 5, 1));
  EXPECT_THAT(
      Body(),
      HasSubstr("<H1>Course Statistics: " + PlayerAnchor(context_, players_.FindRecord("JS")) +
                " / " + CourseAnchor(context_, *courses_.FindRecord("MB")) + ", 2025</H1>"));
  EXPECT_THAT(Body(), HasSubstr("<TD align=left>Eclectic"));
  std::vector<bool> used;
  for (int i = 0; i < rounds_.Count(); ++i)
    used.push_back(rounds_.RecordAt(i).Used);
  EXPECT_EQ(used, (std::vector<bool>{false, true, true}));
}

}  // namespace
}  // namespace cardwise::testing
