#include "web/site.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using SiteTest = WebTest;

TEST_F(SiteTest, PathsLinksAndUnsafeLocations) {
  const std::string root = settings_.HtmlRootDir;
  const PageLocation player = PlayerPage(settings_, "JS");
  EXPECT_EQ(PagePath(settings_, player), root + "players/js.htm");
  EXPECT_EQ(PageLink(player), "../players/js.htm");
  Tour& tour = AddTour("T", "Tour", 0, "");  // no folder: the page lies in the root
  EXPECT_EQ(PagePath(settings_, TourPage(settings_, tour)), root + "t.htm");
  EXPECT_EQ(PageLink(TourPage(settings_, tour)), "..//t.htm");

  // The ".." player's "...htm" names a file in the folder.
  for (const PageLocation& safe : {player, TourPage(settings_, tour), PlayerPage(settings_, "..")})
    EXPECT_TRUE(IsSafeLocation(safe)) << safe.Dir << " | " << safe.Name;
  const PageLocation unsafe[] = {{"players", ""},   {"..", "x.htm"},
                                 {".", "x.htm"},    {"a/b", "x.htm"},
                                 {"p", "a\\b.htm"}, PlayerPage(settings_, "../../etc")};
  for (const PageLocation& location : unsafe)
    EXPECT_FALSE(IsSafeLocation(location)) << location.Dir << " | " << location.Name;
}

}  // namespace
}  // namespace cardwise::testing
