#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::Contains;
using ::testing::IsSupersetOf;
using ::testing::Not;

class DrawPageTest : public WebTest {
 protected:
  std::vector<std::string> Body(void (*write)(Page&, std::string_view), const char* id) {
    OpenPage("2026/d.htm", true);
    write(page_, id);
    return BodyLines();
  }
};

TEST_F(DrawPageTest, ListsTheGroupsWithLinkedPlayersAndTheEventPageLinksIt) {
  AddPlayer("A", "ann");
  players_.FindRecord("A")->Hcp = 12.4f;
  AddCourse("MILL", "Mill", kPar72, kIndex);
  Event& event = AddEvent("SPR", "Spring", 0, "MILL", Day(2026, 5, 1));
  const std::string link = "<P><A href=\"../2026/spr-draw.htm\">Draw</A>";
  EXPECT_THAT(Body(WriteEventPage, "SPR"), Not(Contains(link)));

  event.Draw = {{480, 1, {"A"}}, {480, 10, {"GONE"}}};
  settings_.UseLongFileNames = false;
  EXPECT_EQ(DrawPage(settings_, event).Name, "spr-d.htm");
  EXPECT_THAT(Body(WriteEventPage, "SPR"), Contains("<P><A href=\"../2026/spr-d.htm\">Draw</A>"));
  EXPECT_THAT(Body(WriteDrawPage, "SPR"),
              IsSupersetOf(std::vector<std::string>{
                  "<H1>Draw Spring / 2026-05-01</H1>",
                  "<TR><TH>08:00<TH>1<TH>1<TD>" + PlayerAnchorOrID(context_, "A") +
                      "<TD align=center>12.4<TD align=center>12",
                  "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>08:00<TH>10<TH>2<TD>GONE"
                  "<TD align=center><TD align=center>",
              }));
}

}  // namespace
}  // namespace cardwise::testing
