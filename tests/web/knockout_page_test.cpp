#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "results/knockout_bracket.h"
#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class KnockoutPageTest : public WebTest {
 protected:
  KnockoutPageTest() {
    AddCourse("HILL", "Hill", kPar72, kIndex);
    for (const char* id : {"AB", "CD", "EF"})
      AddPlayer(id, std::string("Player ") + id, id[0] == 'E' ? 18 : 4);
    EXPECT_TRUE(
        MakeKnockout({"CUP", "Cup & Plate", "HILL", {"AB", "CD", "EF"}, Seeding::Listed, {}, 100},
                     database_.Players, database_.Courses, cup_));
    EXPECT_TRUE(RecordResult(cup_, {1, 2}, "EF", "3&2", false).Outcome);
  }
  Knockout cup_;
};

TEST_F(KnockoutPageTest, TheTreeHasAColumnPerRoundWithLinksShotsResultsAndWinners) {
  OpenPage("index/kocup.htm");
  WriteKnockoutPage(page_, cup_);
  const std::string body = Body();
  EXPECT_THAT(body, HasSubstr("<H1>Cup &amp; Plate</H1>"));
  EXPECT_THAT(body, HasSubstr("<TH>Semi-final<TH>Final<TH>Winner"));
  // Round 1: seed 1 through on a bye over two rows; seeds 2 and 3, the winner in bold with the
  // 14 shots received, and the result.
  EXPECT_THAT(body, HasSubstr("<I>bye</I><TD rowspan=2><SMALL>R2M1</SMALL><BR>"));
  EXPECT_THAT(body, HasSubstr("<SMALL>3</SMALL>&nbsp;<B><A href=\"../players/ef.htm\">"));
  EXPECT_THAT(body, HasSubstr("</A></B>&nbsp;<SMALL>+14</SMALL><BR><SMALL>3&amp;2</SMALL>"));
  EXPECT_THAT(body, HasSubstr("<A href=\"../courses/hill.htm\">Hill</A> at 100%"));
}

TEST_F(KnockoutPageTest, TheEventListLinksTheKnockoutsOnlyWhenThereAreAny) {
  OpenPage("index/eindex.htm");
  WriteEventList(page_);
  EXPECT_THAT(Body(), Not(HasSubstr("Knockouts")));

  KnockoutList knockouts;
  knockouts.Add(std::make_unique<Knockout>(cup_));
  context_.Knockouts = &knockouts;
  OpenPage("index/eindex.htm");
  WriteEventList(page_);
  EXPECT_THAT(Body(), HasSubstr("<H2>Knockouts</H2>"));
  EXPECT_THAT(Body(),
              HasSubstr("<TR><TD><A href=\"../index/kocup.htm\">Cup &amp; Plate</A><TD>\r\n"));
}

}  // namespace
}  // namespace cardwise::testing
