// The pages of players, courses, events, draws, tours, knockouts and years, their charts, and
// the places of the pages, on a small club: John Smith and the Mill Brook course, and what each
// test adds.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files.h"
#include "results/knockout_bracket.h"
#include "results/tour_standings.h"
#include "web/charts.h"
#include "web/pages.h"
#include "web/site.h"
#include "web/svg_chart.h"
#include "web/tables.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

using ::testing::Contains;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::Not;

class PagesTest : public WebTest {
 protected:
  PagesTest() {
    AddPlayer("JS", "john smith", 12.4f);
    OpenPage();
  }

  Course& course_ = AddCourse("MB", "Mill Brook", kPar72, kIndex);

  // The body lines of the page `write` writes for the record `id`.
  std::vector<std::string> Lines(void (*write)(Page&, std::string_view), std::string_view id) {
    OpenPage("2026/d.htm", true);
    write(page_, id);
    return BodyLines();
  }
};

TEST_F(PagesTest, PathsLinksAndUnsafeLocations) {
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

TEST_F(PagesTest, CloseFailsWithoutWritingOutsideTheRoot) {
  dir_.Write("Web/players", "a file where the folder should be");
  OpenPage("players/js.htm");
  const Status blocked = page_.Close("");
  EXPECT_FALSE(blocked.ok());
  EXPECT_NE(blocked.message().find(page_.Path()), std::string::npos) << blocked.message();

  for (const char* path : {"../out.htm", "x/../../out.htm", "a\\b.htm", ""}) {
    OpenPage(path);
    EXPECT_FALSE(page_.Close("").ok()) << path;
  }
  EXPECT_FALSE(FileExists(dir_.File("out.htm")));
}

TEST_F(PagesTest, PictureSlotNamesTheJpgOrGifBesideThePage) {
  const std::string tail = "\" alt=\"Ann &amp; Bob\" align=right vspace=10 hspace=5>\r\n";
  // Each step adds a file beside the page; a jpg wins over a gif.
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"", "<!-- Put picture in the same dir: <IMG src=\"" + tail.substr(0, tail.size() - 2) +
               " -->\r\n"},
      {"annbob.gif", "<IMG src=\"annbob.gif" + tail},
      {"annbob.jpg", "<IMG src=\"annbob.jpg" + tail},
  };
  for (const auto& [file, want] : steps) {
    if (!file.empty()) dir_.Write("Web/players/" + file, "picture");
    OpenPage("players/annbob.htm");
    page_.WritePicture("ANNBOB", "Ann & Bob");
    EXPECT_EQ(Body(), want) << file;
  }
}

TEST_F(PagesTest, YearLinksShowOnlyExistingPagesOfTheLastElevenYears) {
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
TEST_F(PagesTest, MeritsCountOnlyTopLinesOfTheExactID) {
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

// The course page (date 0) shows the rounds of the year the card changed in, and an unchanged
// card every round; rounds naming the course in another letter case are not its own. With the
// card changed in 2025, the player's course page of 2024 is empty, that of 2025 shows the year's
// rounds.
TEST_F(PagesTest, RoundsShownFollowTheCardsLastChange) {
  const Round& old = AddRound("JS", "MB", Day(2024, 5, 1), kPar72);
  const Round& recent = AddRound("JS", "MB", Day(2025, 5, 1), kPar72);
  const Round& otherCase = AddRound("JS", "mb", Day(2025, 6, 1), kPar72);
  for (const DateTime changed : {Day(2025, 3, 1, 0, 0), DateTime(0)}) {
    courses_.FindRecord("MB")->Changed = changed;
    OpenPage("courses/mb.htm");
    WriteCoursePage(page_, "MB", 0);
    const std::string body = Body();
    EXPECT_EQ(body.find(RoundIDAnchor(context_, old)) != std::string::npos, changed == 0);
    EXPECT_THAT(body, HasSubstr("<TD align=left>" + RoundIDAnchor(context_, recent)));
    EXPECT_THAT(body, Not(HasSubstr(RoundIDAnchor(context_, otherCase))));
    EXPECT_EQ(body.find("<TD align=left>Eclectic") != std::string::npos, changed == 0);
  }
  AddRound("JS", "MB", Day(2025, 7, 1), kPar72);
  courses_.FindRecord("MB")->Changed = Day(2025, 3, 1, 0, 0);
  OpenPage();
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
  EXPECT_EQ(used, (std::vector<bool>{false, true, false, true}));
}

TEST_F(PagesTest, CourseRankAndDistributionRowsNeedEnoughRounds) {
  // Every round bogeys hole 1 and pars the rest.
  Round& round = AddRound("JS", "MB", Day(2026, 5, 1), "5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5");
  for (auto [rounds, lineCount] : {std::pair{3, 4u}, {4, 6u}, {7, 6u}, {8, 12u}}) {
    RoundStats stats;
    for (int i = 0; i < rounds; ++i)
      stats.AddRound(round);
    OpenPage("courses/mb.htm");
    WriteCourseRows(page_, *courses_.FindRecord("MB"), stats);
    const std::vector<std::string> lines = BodyLines();
    ASSERT_EQ(lines.size(), lineCount) << rounds;
    EXPECT_TRUE(lines[3].starts_with(
        "<TR align=center bgcolor=\"#55ee55\" style=\"color:#000000\"><TD align=left>Hcp<"));
    if (lineCount == 4) continue;
    EXPECT_EQ(lines[4],
              "<TR align=center bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TD "
              "align=left>Rank<TD>1<TD>2<TD>2<TD>2<TD>2"
              "<TD>2<TD>2<TD>2<TD>2<TD><TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD>2<TD><TD>");
    EXPECT_TRUE(
        lines.back().starts_with("<TR align=center bgcolor=\"#55ee55\" style=\"color:#000000\"><TD "
                                 "align=left>Average<TD><SMALL>5.00</SMALL>"
                                 "<TD><SMALL>4.00</SMALL><TD><SMALL>3.00</SMALL>"));
    if (lineCount == 12) {
      EXPECT_TRUE(
          lines[8].starts_with("<TR align=center bgcolor=\"#bbbbff\" style=\"color:#000000\"><TD "
                               "align=left>Bogies<TD>8<TD>&nbsp;<TD>"));
    }
  }
}

TEST_F(PagesTest, TheDrawListsTheGroupsWithLinkedPlayersAndTheEventPageLinksIt) {
  Event& event = AddEvent("SPR", "Spring", 0, "MB", Day(2026, 5, 1));
  const std::string link = "<P><A href=\"../2026/spr-draw.htm\">Draw</A>";
  EXPECT_THAT(Lines(WriteEventPage, "SPR"), Not(Contains(link)));

  event.Draw = {{480, 1, {"JS"}}, {480, 10, {"GONE"}}};
  settings_.UseLongFileNames = false;
  EXPECT_EQ(DrawPage(settings_, event).Name, "spr-d.htm");
  EXPECT_THAT(Lines(WriteEventPage, "SPR"), Contains("<P><A href=\"../2026/spr-d.htm\">Draw</A>"));
  EXPECT_THAT(Lines(WriteDrawPage, "SPR"),
              IsSupersetOf(std::vector<std::string>{
                  "<H1>Draw Spring / 2026-05-01</H1>",
                  "<TR><TH>08:00<TH>1<TH>1<TD>" + PlayerAnchorOrID(context_, "JS") +
                      "<TD align=center>12.4<TD align=center>12",
                  "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>08:00<TH>10<TH>2<TD>GONE"
                  "<TD align=center><TD align=center>",
              }));
}

// Three players on the Hill course; seed 1 has a bye, EF (18) beat CD (4) 3&2.
TEST_F(PagesTest, AKnockoutTreeHasAColumnPerRoundAndTheEventListLinksIt) {
  AddCourse("HILL", "Hill", kPar72, kIndex);
  for (const char* id : {"AB", "CD", "EF"})
    AddPlayer(id, std::string("Player ") + id, id[0] == 'E' ? 18 : 4);
  Knockout cup;
  ASSERT_TRUE(
      MakeKnockout({"CUP", "Cup & Plate", "HILL", {"AB", "CD", "EF"}, Seeding::Listed, {}, 100},
                   database_.Players, database_.Courses, cup));
  ASSERT_TRUE(RecordResult(cup, {1, 2}, "EF", "3&2", false).Outcome);
  OpenPage("index/kocup.htm");
  WriteKnockoutPage(page_, cup);
  const std::string body = Body();
  EXPECT_THAT(body, HasSubstr("<H1>Cup &amp; Plate</H1>"));
  EXPECT_THAT(body, HasSubstr("<TH>Semi-final<TH>Final<TH>Winner"));
  // Round 1: seed 1 through on a bye over two rows; seeds 2 and 3, the winner in bold with the
  // 14 shots received, and the result.
  EXPECT_THAT(body, HasSubstr("<I>bye</I><TD rowspan=2><SMALL>R2M1</SMALL><BR>"));
  EXPECT_THAT(body, HasSubstr("<SMALL>3</SMALL>&nbsp;<B><A href=\"../players/ef.htm\">"));
  EXPECT_THAT(body, HasSubstr("</A></B>&nbsp;<SMALL>+14</SMALL><BR><SMALL>3&amp;2</SMALL>"));
  EXPECT_THAT(body, HasSubstr("<A href=\"../courses/hill.htm\">Hill</A> at 100%"));

  OpenPage("index/eindex.htm");
  WriteEventList(page_);
  EXPECT_THAT(Body(), Not(HasSubstr("Knockouts")));
  KnockoutList knockouts;
  knockouts.Add(std::make_unique<Knockout>(cup));
  context_.Knockouts = &knockouts;
  OpenPage("index/eindex.htm");
  WriteEventList(page_);
  EXPECT_THAT(Body(), HasSubstr("<H2>Knockouts</H2>"));
  EXPECT_THAT(Body(),
              HasSubstr("<TR><TD><A href=\"../index/kocup.htm\">Cup &amp; Plate</A><TD>\r\n"));
}

// F1 tour over four positions, the second naming no event and the fourth mandatory; two worst
// dropped. Ann: 25, -, 20, 25 (the gap and the 20 dropped). Bob: 20, -, 25, none (the gap and the
// 20 dropped: the missing mandatory result widens the window).
TEST_F(PagesTest, TourStandingsMarkDroppedMandatoryAndMissingEvents) {
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

  const std::string gap = "<TD>&nbsp;<TD>&nbsp;<TD>&nbsp;";
  const std::string grey = "<TD align=center bgcolor=\"#dddddd\" style=\"color:#000000\">";
  const std::string struck = grey + "<STRIKE><SMALL>2</SMALL></STRIKE>" + grey +
                             "<SMALL><STRIKE>20</STRIKE></SMALL>" + grey +
                             "<SMALL><STRIKE>20</STRIKE></SMALL>";
  const std::string won =
      "<TD align=center><B>1</B><TD align=center><SMALL>30</SMALL>"
      "<TD align=center><SMALL><B>25</B></SMALL>";
  const auto eventRow = [&](const std::string& start, const char* k, const char* id,
                            const char* date) {
    return start + "<TH>" + k + "<TH>" + date + "<TD><SMALL><B>" + id + "</B></SMALL><TD>" +
           EventAnchor(context_, events_.FindRecord(id)) + "<TD>";
  };
  // The page as a whole is the golden digest's (the demo tours drop results and have mandatory
  // events); here the marks of each case and the event without a record.
  OpenPage("tours/t.htm");
  WriteTourPage(page_, "T");
  EXPECT_THAT(
      BodyLines(),
      IsSupersetOf(std::vector<std::string>{
          "<TR><TH>1<TH><FONT size=+1>50</FONT><TD>" + PlayerAnchorOrID(context_, "A") +
              "<TD align=center><SMALL><I>3</I></SMALL>" + won + gap + struck +
              "<TD align=center><SMALL><U>1</U></SMALL><TD align=center><SMALL><U>30</U></SMALL>"
              "<TD align=center><SMALL><B><U>25</U></B></SMALL>",
          "<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\"><TH>2<TH><FONT size=+1>25</FONT><TD>" +
              PlayerAnchorOrID(context_, "B") + "<TD align=center><SMALL><I>2</I></SMALL>" +
              struck + gap + won +
              "<TD>&nbsp;<TD>&nbsp;<TD align=center><SMALL><B><U>0</U></B></SMALL>",
          // the gap at position 2 repeats the colour of position 1
          eventRow("<TR>", "1", "E1", "2026-05-01"),
          eventRow("<TR>", "3", "E2", "2026-05-08"),
          eventRow("<TR bgcolor=\"#eeeeaa\" style=\"color:#000000\">", "4", "E3", "2026-05-15"),
      }));
}

// Year statistics: a player with one round per score list, on consecutive days at the given
// minute past 10; the year page's tables up to its links bar.
class StatTablesTest : public PagesTest {
 protected:
  void Play(std::string_view id, int minute, const std::vector<std::string>& scores) {
    if (players_.FindRecord(id) == nullptr) AddPlayer(id, "player " + std::string(id));
    for (std::size_t i = 0; i < scores.size(); ++i)
      AddRound(id, "MB", Day(2026, 5, 1 + static_cast<int>(i), 10, minute), scores[i]);
  }

  std::vector<std::string> YearTables() {
    OpenPage("2026/stat.htm", true);
    WriteYearStats(page_, 2026);
    std::vector<std::string> lines = BodyLines();
    auto bar = std::find(lines.begin(), lines.end(), "<!-- Links to index -->");
    EXPECT_NE(bar, lines.end());
    lines.erase(bar, lines.end());
    return lines;
  }

  std::string Row(int shown, int rank, std::string_view id, int rounds, std::string_view value,
                  std::string_view total = "") {
    std::string row =
        shown % 2 == 1 ? " <TR>" : " <TR bgcolor=\"#eeeeaa\" style=\"color:#000000\">";
    row += "<TD align=\"center\"><B>" + std::to_string(rank) + "</B><TD>" +
           PlayerAnchor(context_, players_.FindRecord(id)) + "<TD align=\"center\">" +
           std::to_string(rounds) + "<TD align=\"center\"><B>" + std::string(value) + "</B>";
    if (!total.empty()) row += "<TD align=\"center\">" + std::string(total);
    return row;
  }
};

constexpr const char* kScoringHead =
    " <TR bgcolor=\"#55ee55\" style=\"color:#000000\"><TH>Rank<TH>Player<TH>Round<TH>Average";
const std::string kBirdieBogey = "3,5,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";  // 72
const std::string kTwoOver = "5,5,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";      // 74
const std::string kThreeOver = "5,5,4,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5";    // 75

TEST_F(StatTablesTest, TiesShareARankAndOnlyQualifyingTablesAppear) {
  Play("A", 0, {kPar72, kPar72});
  Play("B", 1, {kBirdieBogey, kBirdieBogey});
  Play("E", 2, {kThreeOver, kThreeOver});
  for (int i = 0; i < rounds_.Count(); ++i)
    if (rounds_.RecordAt(i).PlayerID == "A")
      rounds_.RecordAt(i).Greens.FromText("1,1,1,1,1,1,1,1,1", 1, ',');
  // The exchange sort leaves B ahead of A.
  const std::vector<std::string> expected = {"<H1>2026</H1>",
                                             "<H3>Scoring Average</H3>",
                                             "<TABLE border=0 tabindex=0>",
                                             kScoringHead,
                                             Row(1, 1, "B", 2, "72.00"),
                                             Row(2, 1, "A", 2, "72.00"),
                                             Row(3, 3, "E", 2, "75.00"),
                                             "</TABLE>",
                                             "<H3>Birdie Average</H3>",
                                             "<TABLE border=0 tabindex=0>",
                                             std::string(kScoringHead) + "<TH>Total",
                                             Row(1, 1, "B", 2, "1.00", "2"),
                                             "</TABLE>",
                                             "<H3>Greens in Regulation (GIR)</H3>",
                                             "<TABLE border=0 tabindex=0>",
                                             kScoringHead,
                                             Row(1, 1, "A", 2, "50.0%"),
                                             "</TABLE>"};
  EXPECT_EQ(YearTables(), expected);
}

TEST_F(StatTablesTest, SkippedEntryStillDecidesTheNextRank) {
  // C has too few rounds; sorted between A and D, its 74 equals D's, so D keeps A's rank.
  Play("A", 0, {kPar72, kPar72});
  Play("D", 1, {kTwoOver, kTwoOver});
  Play("C", 2, {kTwoOver});
  const std::vector<std::string> expected = {
      "<H1>2026</H1>", "<H3>Scoring Average</H3>", "<TABLE border=0 tabindex=0>",
      kScoringHead,    Row(1, 1, "A", 2, "72.00"), Row(2, 1, "D", 2, "74.00"),
      "</TABLE>"};
  EXPECT_EQ(YearTables(), expected);
}

// The charts' figures, on Mill Brook rated 72.0 / 113, and the axes they are drawn on.
class ChartsTest : public PagesTest {
 protected:
  ChartsTest() { course_.CR = 72.0f, course_.Slope = 113; }

  // A round of par on every hole but the fourth (a par 5), which takes `total` - 72 more or
  // fewer strokes.
  void AddRoundOf(int total, int dayNumber) {
    const std::string par = kPar72;
    const std::string holes = par.substr(0, 6) + std::to_string(5 + total - 72) + par.substr(7);
    AddRound("JS", "MB", Day(2025, 1, 1) + dayNumber, holes).Strokes = 0;
  }

  HandicapRow RowAsOf(DateTime day) {
    return *HandicapRecords(HandicapRows(database_, day)).Find("js");
  }
};

// Each point is the index the handicap report gives as of that round's day; the report is the
// other calculation the chart must agree with.
TEST_F(ChartsTest, HandicapPointsAreTheIndexAfterEachCountedRound) {
  const struct {
    const char* Name;
    std::vector<int> Totals;
  } cases[] = {
      {"two rounds", {80, 82}},
      {"three", {80, 82, 78}},
      {"plus handicap", {70, 69, 71, 68, 70}},
      {"twenty-four", {90, 88, 85, 87, 84, 86, 83, 85, 82, 84, 81, 80,
                       83, 79, 82, 78, 80, 77, 79, 76, 78, 75, 77, 74}},
  };
  for (const auto& c : cases) {
    rounds_.Clear();
    for (std::size_t i = 0; i < c.Totals.size(); ++i)
      AddRoundOf(c.Totals[i], 7 * static_cast<int>(i));
    std::vector<IndexPoint> expected;
    for (int i = kFewestHandicapScores - 1; i < rounds_.Count(); ++i) {
      const DateTime day = rounds_.RecordAt(i).Date;
      expected.push_back({day, *RowAsOf(day).Index});
    }
    const std::vector<IndexPoint> points = HandicapChartPoints(RowAsOf(Day(2026, 1, 1)));
    ASSERT_EQ(points.size(), expected.size()) << c.Name;
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_EQ(points[i].Date, expected[i].Date) << c.Name << " " << i;
      EXPECT_EQ(points[i].Index, expected[i].Index) << c.Name << " " << i;
    }
    if (std::string(c.Name) == "plus handicap") {
      EXPECT_LT(points.back().Index, 0);
    }
  }
}

TEST(ChartAxisTest, TicksAreRoundAndCoverTheValues) {
  const struct {
    double Low, High;
    bool Zero;
    std::vector<double> Ticks;
  } cases[] = {
      {5, 5, false, {4, 4.5, 5, 5.5, 6}},                   // a single value
      {12.3, 12.3, false, {11, 11.5, 12, 12.5, 13, 13.5}},  // flat, between whole steps
      {1.7, 4.1, false, {1, 2, 3, 4, 5}},
      {0.3, 17.2, false, {0, 5, 10, 15, 20}},  // rising
      {-2.5, 3, false, {-4, -2, 0, 2, 4}},
      {2, 9, true, {0, 2, 4, 6, 8, 10}},  // bars grow from zero
      {-0.4, 0.25, true, {-0.4, -0.2, 0, 0.2, 0.4}},
  };
  for (const auto& c : cases) {
    const ChartAxis axis = NiceAxis(c.Low, c.High, 6, c.Zero);
    const std::vector<double> ticks = axis.Ticks();
    EXPECT_LE(ticks.size(), 6u) << c.Low << " " << c.High;
    ASSERT_EQ(ticks.size(), c.Ticks.size()) << c.Low << " " << c.High;
    for (std::size_t i = 0; i < ticks.size(); ++i)
      EXPECT_NEAR(ticks[i], c.Ticks[i], 1e-9) << c.Low << " " << c.High << " tick " << i;
  }
}

// Hole 1: 5, 6 and 3 on a par 4 (+0.67); hole 2 unplayed on one card (the two others count);
// hole 3 without a par on the course; hole 18 played by nobody.
TEST_F(ChartsTest, HoleAveragesCountTheRoundsWithAScoreThere) {
  course_.Par.SetHoleValue(3, 0);
  std::vector<Round*> rounds;
  int day = 0;
  for (const char* holes :
       {"5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4", "6,0,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4",
        "3,6,3,5,4,4,3,4,5,4,4,3,5,4,4,3,3"})
    rounds.push_back(&AddRound("JS", "MB", Day(2025, 5, ++day), holes));
  const HoleAverages averages = HoleAveragesAgainstPar(rounds);
  EXPECT_NEAR(*averages[0], 2.0 / 3, 1e-9);
  EXPECT_NEAR(*averages[1], 1.0, 1e-9);
  EXPECT_FALSE(averages[2].has_value());
  EXPECT_NEAR(*averages[16], -1.0 / 3, 1e-9);
  EXPECT_FALSE(averages[17].has_value());
}

// A chart names itself for screen readers and scales with the page; the setting takes it off.
TEST_F(ChartsTest, ACourseChartDescribesItselfAndTheSettingLeavesItOut) {
  AddRound("JS", "MB", Day(2025, 5, 1), "5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5");
  for (const bool on : {true, false}) {
    settings_.Charts = on;
    OpenPage("courses/mb.htm");
    WriteCoursePage(page_, "MB", 0);
    if (!on) {
      EXPECT_THAT(Body(), Not(HasSubstr("<svg")));
      continue;
    }
    EXPECT_THAT(Body(), HasSubstr("<svg class=\"chart\" role=\"img\" aria-labelledby="
                                  "\"course-chart-title course-chart-desc\" viewBox="));
    EXPECT_THAT(Body(), HasSubstr("<desc id=\"course-chart-desc\">Average score against par on "
                                  "each hole of Mill Brook over 1 rounds: hardest hole 1 "
                                  "(+1.00), easiest hole 2 (+0.00)</desc>"));
    EXPECT_THAT(Body(), HasSubstr("<title>Hole 1 (par 4, stroke index 7): +1.00 on average"));
  }
}

}  // namespace
}  // namespace cardwise::testing
