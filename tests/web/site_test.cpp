#include "web/site.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using SiteTest = WebTest;

TEST_F(SiteTest, PageNamesInBothForms) {
  AddCourse("MILLBGC", "Mill Brook", kPar72);
  const Round& round = AddRound("JS", "MILLBGC", Day(2002, 6, 15, 10, 30), "4");
  const Event& event = AddEvent("SPRING", "Spring Cup", 0, "MILLBGC", Day(2003, 5, 1));
  Tour& tour = AddTour("OrderMerit", "Order of Merit", 0, "SPRING;");
  tour.Dir = "tours";
  for (bool longNames : {false, true}) {
    settings_.UseLongFileNames = longNames;
    const struct {
      PageLocation Got;
      std::string Dir, Long, Short;
    } cases[] = {
        {PlayerPage(settings_, "JohnSmith1"), "players", "johnsmith1.html", "johnsmit.htm"},
        {CoursePage(settings_, "MillBGC"), "courses", "millbgc.html", "millbgc.htm"},
        {EventPage(settings_, event), "2003", "spring.html", "spring.htm"},
        {TourPage(settings_, tour), "tours", "ordermerit.html", "ordermer.htm"},
        {RoundPage(settings_, round), "2002", "020615-1030-js.html", "0615js10.htm"},
        {PlayerYearPage(settings_, "JS", 2002), "2002", "js-2002.html", "js2002.htm"},
        {PlayerYearPage(settings_, "Longname", 2002), "2002", "longname-2002.html", "longname.htm"},
        {PlayerCourseYearPage(settings_, round), "2002", "js-millbgc-2002.html", "jsmillbg.htm"},
        {YearStatsPage(2002), "2002", "stat.htm", "stat.htm"},
        {IndexPage(settings_, 'p'), "index", "pindex.html", "pindex.htm"},
        {PtsPPage(settings_, 12), "index", "ptsp12.html", "ptsp12.htm"},
        {F1Page(settings_), "index", "ptsf1.html", "ptsf1.htm"},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(c.Got.Dir, c.Dir) << c.Long;
      EXPECT_EQ(c.Got.Name, longNames ? c.Long : c.Short) << c.Long;
    }
  }
}

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

TEST_F(SiteTest, Anchors) {
  const Player& player = AddPlayer("AB", "ann & bob <smith>");
  const Course& course = AddCourse("MB", "Mill & Brook", kPar72);
  const Round& round = AddRound("AB", "MB", Day(2002, 6, 15, 10, 30), "4");
  Event& event = AddEvent("SP", "Spring <Cup>", 0, "MB", Day(2002, 6, 15));
  Tour& tour = AddTour("OM", "Order", 0, "SP;");
  tour.Dir = "tours";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {PlayerAnchor(context_, &player),
       "<A href=\"../players/ab.htm\">Ann&nbsp;&amp;&nbsp;Bob&nbsp;&lt;smith&gt;</A>"},
      {PlayerAnchor(context_, nullptr), ""},
      {PlayerAnchorOrID(context_, "ab"), PlayerAnchor(context_, &player)},
      {PlayerAnchorOrID(context_, "X<1"), "X&lt;1"},
      {CourseAnchor(context_, course), "<A href=\"../courses/mb.htm\">Mill &amp; Brook</A>"},
      {TourAnchor(context_, tour), "<A href=\"../tours/om.htm\">Order</A>"},
      {EventAnchor(context_, &event), "<A href=\"../2002/sp.htm\">Spring &lt;Cup&gt;</A>"},
      {EventAnchor(context_, nullptr), ""},
      {RoundIDAnchor(context_, round),
       "<SMALL><A href=\"../2002/0615ab10.htm\">020615-1030-AB</A></SMALL>"},
      {RoundDateAnchor(context_, round),
       "<SMALL><A href=\"../2002/0615ab10.htm\">2002-06-15, 10:30</A></SMALL>"},
      {PlayerCourseAnchor(context_, round), "<A href=\"../2002/abmb.htm\">Mill &amp; Brook</A>"},
  };
  for (const auto& [got, want] : cases)
    EXPECT_EQ(got, want);

  event.Make = false;
  EXPECT_EQ(EventAnchor(context_, &event), "Spring &lt;Cup&gt;");
  const Player& climber = AddPlayer("../up", "up");  // its page is never made: no link
  EXPECT_EQ(PlayerAnchor(context_, &climber), "Up");
}

TEST_F(SiteTest, HeaderFor) {
  const std::string dir = settings_.TemplateDir;
  settings_.StdHeader = "std.htm";
  AddEvent("OWN", "Own", 0).Header = "own.htm";
  AddEvent("INTOUR", "In tour", 0);
  AddEvent("ALONE", "Alone", 0);
  AddEvent("BAD", "Bad", 0).Header = "../secret.htm";
  AddTour("PLAIN", "Plain", 0, "ALONE;");
  AddTour("T", "Tour", 0, "OWN;INTOUR;").Header = "tour.htm";
  EXPECT_EQ(HeaderFor(context_, "OWN"), dir + "own.htm");
  EXPECT_EQ(HeaderFor(context_, "INTOUR"), dir + "tour.htm");
  EXPECT_EQ(HeaderFor(context_, "ALONE"), dir + "std.htm");
  EXPECT_EQ(HeaderFor(context_, "NONE"), dir + "std.htm");
  EXPECT_EQ(HeaderFor(context_, "BAD"), "");
  settings_.StdHeader.clear();
  EXPECT_EQ(HeaderFor(context_, "ALONE"), "");
  settings_.StdFooter = "sub/foot.htm";
  EXPECT_EQ(StdFooterPath(settings_), "");
}

}  // namespace
}  // namespace cardwise::testing
