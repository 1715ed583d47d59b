#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class CoursePageTest : public WebTest {
 protected:
  CoursePageTest() {
    AddPlayer("JS", "John Smith");
    Course& course = AddCourse("MB", "Mill & Brook", kPar72, kIndex);
    course.Phone = "555";
    course.CR = 71.2f;
    course.Slope = 128;
    course.Len.FromText("350,362,141,470,330,380,152,344,455,362,317,128,488,351,376,160,309,479",
                        1, ',');
    OpenPage("courses/mb.htm");
  }
};

TEST_F(CoursePageTest, InfoTableHasTheUrlRowOnlyWhenSet) {
  const std::string rows =
      "<H1>Course Info: Mill &amp; Brook</H1>\r\n<!-- Table with course info -->\r\n<TABLE "
      "border=0 tabindex=0>\r\n"
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TD>Phone<TD>555\r\n"
      "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD>Length<TD>2984+2970=<B>5954</B>\r\n"
      "<TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TD>Par<TD>36+36=<B>72</B>\r\n"
      "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD>Course Rating<TD><SMALL>CR=</SMALL>71.2 "
      "<SMALL>Slope=</SMALL>128\r\n";
  const struct {
    const char* url;
    std::string expected;
  } cases[] = {
      {"", rows + "</TABLE>\r\n"},
      {"http://mb.org/?a&b",
       rows + "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD>URL<TD><A href=\"http://mb.org/"
              "?a&amp;b\">http://mb.org/?a&amp;b</A>\r\n</TABLE>\r\n"},
  };
  for (const auto& c : cases) {
    courses_.FindRecord("MB")->URL = c.url;
    OpenPage("courses/mb.htm");
    WriteCoursePage(page_, "MB", 0);
    EXPECT_THAT(Body(), HasSubstr(c.expected)) << c.url;
  }
}

// The driver passes date 0: a changed card shows the rounds of the year it changed in; an
// unchanged one every round. Rounds naming the course in another letter case are not its own.
TEST_F(CoursePageTest, RoundsShownFollowTheCardsLastChange) {
  const Round& old = AddRound("JS", "MB", Day(2024, 5, 1), kPar72);
  const Round& recent = AddRound("JS", "MB", Day(2025, 5, 1), kPar72);
  const Round& otherCase = AddRound("JS", "mb", Day(2025, 6, 1), kPar72);
  const struct {
    DateTime changed;
    bool showsOld;
  } cases[] = {{0, true}, {Day(2025, 3, 1, 0, 0), false}};
  for (const auto& c : cases) {
    courses_.FindRecord("MB")->Changed = c.changed;
    OpenPage("courses/mb.htm");
    WriteCoursePage(page_, "MB", 0);
    const std::string body = Body();
    EXPECT_EQ(body.find(RoundIDAnchor(context_, old)) != std::string::npos, c.showsOld);
    EXPECT_THAT(body, HasSubstr("<TD align=left>" + RoundIDAnchor(context_, recent)));
    EXPECT_THAT(body, Not(HasSubstr(RoundIDAnchor(context_, otherCase))));
    EXPECT_EQ(body.find("<TD align=left>Eclectic") != std::string::npos, c.showsOld);
  }
}

}  // namespace
}  // namespace cardwise::testing
