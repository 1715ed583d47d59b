#include "web/make_pages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/files.h"
#include "records/text.h"
#include "results/startup.h"
#include "web/page_record.h"
#include "web/pages.h"
#include "web_fixture.h"

namespace cardwise::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::UnorderedElementsAreArray;

constexpr const char* kOld = "OLD";

class MakePagesTest : public WebTest {
 protected:
  MakePagesTest() {
    AddPlayer("JS", "John Smith");
    AddPlayer("AB", "Ann Brown");
    AddCourse("MB", "Mill Brook", kPar72, kIndex);
    AddRound("JS", "MB", Day(2025, 5, 1), kPar72, "SPR");
    AddRound("AB", "MB", Day(2025, 5, 1, 10, 40), kPar72, "SPR");
    AddRound("JS", "MB", Day(2026, 4, 10), kPar72);
    AddEvent("SPR", "Spring Cup", 0, "MB", Day(2025, 5, 1));
    AddTour("OOM", "Order of Merit", 4, "SPR;").Dir = "2025";
    dir_.Write("Template/help.htm", "<P>help\n");
  }

  std::string PathOf(const PageLocation& location) const { return PagePath(settings_, location); }
  std::string Read(const std::string& path) const {
    std::string contents;
    ReadWholeFile(path, contents);
    return contents;
  }
  std::vector<std::string> SiteFiles(const std::string& root = "") const {
    std::vector<std::string> files;
    for (const auto& entry :
         fs::recursive_directory_iterator(root.empty() ? settings_.HtmlRootDir : root))
      if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".cardwise-"))
        files.push_back(entry.path().string());
    return files;
  }
  // The front page stays one the run knows as its own.
  std::string OldText(const std::string& file) const {
    return file == PathOf(RootPage()) ? kOld + std::string(kRootPageMark) : kOld;
  }
  void MarkSiteOld() const {
    for (const std::string& file : SiteFiles())
      WriteFileAtomically(file, OldText(file));
  }
  std::vector<std::string> RewrittenFiles() const {
    std::vector<std::string> rewritten;
    for (const std::string& file : SiteFiles())
      if (Read(file) != OldText(file)) rewritten.push_back(file);
    return rewritten;
  }
};

// What a second run writes: the pages always rewritten, plus the kind its update-all setting
// names; a template copy only when the template changed.
TEST_F(MakePagesTest, SecondRunRewritesOnlyWhatItMust) {
  std::vector<std::string> always = {
      PathOf(CoursePage(settings_, "MB")), PathOf(PlayerPage(settings_, "JS")),
      PathOf(PlayerPage(settings_, "AB")), PathOf(PtsPPage(settings_, 0)),
      PathOf(IndexPage(settings_, 't')),   PathOf(IndexPage(settings_, 'p')),
      PathOf(IndexPage(settings_, 'e')),   PathOf(IndexPage(settings_, 'c')),
      PathOf(YearStatsPage(2025)),         PathOf(YearStatsPage(2026)),
      PathOf({"index", "help.htm"}),       PathOf(RootPage())};
  std::vector<std::string> scorecards, playerYears;
  for (int i = 0; i < rounds_.Count(); ++i) {
    const Round& round = rounds_.RecordAt(i);
    always.push_back(PathOf(PlayerCourseYearPage(settings_, round)));
    scorecards.push_back(PathOf(RoundPage(settings_, round)));
    playerYears.push_back(
        PathOf(PlayerYearPage(settings_, round.PlayerID, DecodeDate(round.Date).year)));
  }
  const struct {
    bool AppSettings::*Flag;
    std::vector<std::string> Also;
  } cases[] = {
      {nullptr, {}},
      {&AppSettings::AllRounds, scorecards},
      {&AppSettings::AllPlayers, playerYears},
      {&AppSettings::AllEvents, {PathOf(EventPage(settings_, *events_.FindRecord("SPR")))}},
      {&AppSettings::AllTours, {PathOf(TourPage(settings_, *tours_.FindRecord("OOM")))}},
  };
  for (const auto& c : cases) {
    settings_.AllRounds = settings_.AllPlayers = settings_.AllEvents = settings_.AllTours = false;
    MakeAllPages(context_);
    MarkSiteOld();
    // The copy of help.htm is older than its template now.
    fs::last_write_time(settings_.TemplateDir + "help.htm",
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    if (c.Flag) settings_.*c.Flag = true;
    const MakePagesReport report = MakeAllPages(context_);
    std::vector<std::string> expected = always;
    expected.insert(expected.end(), c.Also.begin(), c.Also.end());
    EXPECT_THAT(RewrittenFiles(), UnorderedElementsAreArray(expected));
    EXPECT_EQ(report.Kept, c.Flag ? 8 - static_cast<int>(c.Also.size()) : 8);
    EXPECT_EQ(report.TemplatesCopied, 1);
    EXPECT_THAT(report.Skipped, IsEmpty());
  }
}

TEST_F(MakePagesTest, YearStatisticsGoBackToTheFirstGapInTheYearFolders) {
  rounds_.Clear();
  context_.Today = Day(2004, 6, 15);
  for (const char* year : {"2001", "2003"})
    CreateDirectories(settings_.HtmlRootDir + year);
  MakeAllPages(context_);
  std::vector<bool> made;
  for (int year = 2000; year <= 2005; ++year)
    made.push_back(FileExists(PathOf(YearStatsPage(year))));
  EXPECT_THAT(made, ElementsAre(false, false, false, true, true, false));
  EXPECT_THAT(Read(PathOf(YearStatsPage(2003))), HasSubstr("<TITLE>Stats: 2003</TITLE>"));
}

TEST_F(MakePagesTest, TemplatesAreCopiedWhenNewerThanTheirCopy) {
  const auto now = fs::file_time_type::clock::now();
  const struct {
    const char* Name;
    fs::file_time_type Template, Copy;
    bool Copied;
  } cases[] = {
      {"newer.htm", now, now - std::chrono::hours(1), true},
      {"older.html", now - std::chrono::hours(1), now, false},
      {"same.htm", now, now, false},
  };
  for (const auto& c : cases) {
    fs::last_write_time(dir_.Write(std::string("Template/") + c.Name, "<P>a\n<P>b"), c.Template);
    fs::last_write_time(dir_.Write(std::string("Web/index/") + c.Name, kOld), c.Copy);
  }
  dir_.Write("Template/new.htm", "x\r\n");
  dir_.Write("Template/header.txt", "x");
  dir_.Write("Template/site.css", "x");
  fs::remove(settings_.TemplateDir + "help.htm");
  MakePagesReport report;
  CopyTemplates(context_, report);
  for (const auto& c : cases)
    EXPECT_EQ(dir_.Read(std::string("Web/index/") + c.Name), c.Copied ? "<P>a\r\n<P>b\r\n" : kOld)
        << c.Name;
  EXPECT_EQ(dir_.Read("Web/index/new.htm"), "x\r\n");
  EXPECT_FALSE(FileExists(dir_.File("Web/index/header.txt")));
  EXPECT_FALSE(FileExists(dir_.File("Web/index/site.css")));
  EXPECT_EQ(report.TemplatesCopied, 2);
}

// A new site gets the template folder's style sheet; an existing index folder keeps what it
// has, and a sheet that is there is never replaced.
TEST_F(MakePagesTest, StyleSheetIsPlacedInANewSiteOnly) {
  dir_.Write("Template/cardwise.css", "body {}");
  const struct {
    const char* Existing;  // nullptr: no index folder before the run
    const char* Expected;
  } cases[] = {{nullptr, "body {}"}, {"", ""}, {"mine", "mine"}};
  for (const auto& c : cases) {
    fs::remove_all(settings_.HtmlRootDir);
    if (c.Existing) CreateDirectories(settings_.HtmlRootDir + "index");
    if (c.Existing && *c.Existing) dir_.Write("Web/index/cardwise.css", c.Existing);
    MakeAllPages(context_);
    EXPECT_EQ(dir_.Read("Web/index/cardwise.css"), c.Expected);
  }
}

// The front page opens the player list in either name form and counts as a page written; a
// file of its name that no run made (the club's own front page) is left as it is.
TEST_F(MakePagesTest, TheFrontPageOpensThePlayerListAndLeavesAPageOfTheClubAlone) {
  const struct {
    bool LongNames;
    const char* Existing;  // nullptr: none
    const char* Target;    // nullptr: the file is kept
  } cases[] = {{false, nullptr, "index/pindex.htm"},
               {true, nullptr, "index/pindex.html"},
               {true, "<P>Our club\r\n", nullptr}};
  int written[2] = {};
  for (const auto& c : cases) {
    fs::remove_all(settings_.HtmlRootDir);
    if (c.Existing) dir_.Write("Web/index.html", c.Existing);
    settings_.UseLongFileNames = c.LongNames;
    const MakePagesReport report = MakeAllPages(context_);
    written[c.Target != nullptr] = report.Written;
    const std::string page = dir_.Read("Web/index.html");
    if (c.Target == nullptr) {
      EXPECT_EQ(page, c.Existing);
      continue;
    }
    EXPECT_TRUE(FileExists(dir_.File("Web/") + c.Target)) << c.Target;
    EXPECT_THAT(page, HasSubstr("<META http-equiv=\"refresh\" content=\"0; url=" +
                                std::string(c.Target) + "\">\r\n"));
    EXPECT_THAT(page, HasSubstr("<A href=\"" + std::string(c.Target) + "\">Player Index</A>"));
  }
  EXPECT_EQ(written[true], written[false] + 1);
}

TEST_F(MakePagesTest, PagesThatCannotBeWrittenAreReportedAndTheRunGoesOn) {
  Event& event = *events_.FindRecord("SPR");
  Tour& tour = *tours_.FindRecord("OOM");
  const std::string eventPage = PathOf(EventPage(settings_, event));
  const struct {
    std::function<void()> Change;
    std::string Missing;
    std::string Reported;  // empty: nothing reported
  } cases[] = {
      {[&] { tour.Dir = "../x"; }, dir_.File("x/oom.htm"),
       settings_.HtmlRootDir + "../x/oom.htm: not written: its folder or name leads outside"},
      {[&] { event.Header = "../h.txt"; }, eventPage,
       eventPage + ": not written: its header or footer template lies outside"},
      {[&] { event.Make = false; }, eventPage, ""},
  };
  for (const auto& c : cases) {
    fs::remove_all(settings_.HtmlRootDir);
    c.Change();
    const MakePagesReport report = MakeAllPages(context_);
    if (c.Reported.empty())
      EXPECT_THAT(report.Skipped, IsEmpty());
    else
      EXPECT_THAT(report.Skipped, Contains(HasSubstr(c.Reported)));
    EXPECT_FALSE(FileExists(c.Missing));
    EXPECT_TRUE(FileExists(PathOf(IndexPage(settings_, 'p'))));
    tour.Dir = "2025", event.Header.clear(), event.Make = true;
  }
}

// --- the whole site from the demo data ---

// The site by the path below its root, with the bytes of each file.
using Site = std::map<std::string, std::string>;

// The settings a demo site is made with.
struct SiteVariant {
  bool LongNames = false;
  bool HandicapPage = false;
  bool PublishContacts = false;
  bool Charts = true;
  auto operator<=>(const SiteVariant&) const = default;
};

// The demo data loaded into the lists, with the shipped templates, own headers and a round whose
// IDs differ in letter case from those of the page it shares, and the run dated in the year of the
// last round (so that every year of the data has its statistics page). Each variant of the site
// is made once per test binary (the golden digest test checks the site byte for byte).
class DemoSiteTest : public MakePagesTest {
 protected:
  void LoadDemo() {
    players_.Clear(), courses_.Clear(), rounds_.Clear(), events_.Clear(), tours_.Clear();
    const std::string shipped = ShippedFilesDir();
    ASSERT_FALSE(shipped.empty());
    settings_.DataDir = shipped + "demo/";
    settings_.TemplateDir = shipped + "template/";
    settings_.PlayerFName = "DEMOP.DAT", settings_.CourseFName = "DEMOC.DAT";
    settings_.RoundFName = "DEMOR.DAT", settings_.EventFName = "DEMOE.DAT";
    settings_.TourFName = "DEMOT.DAT";
    settings_.StdHeader = "header.txt", settings_.StdFooter = "footer.txt";
    for (const LoadReport& report : LoadDatabase(database_, settings_))
      ASSERT_TRUE(report.Clean()) << report.File;
    ASSERT_GT(rounds_.Count(), 100);
    // An event and a tour with headers of their own, beside the standard one.
    ASSERT_TRUE(events_.FindRecord("LD26") && tours_.FindRecord("F126"));
    events_.FindRecord("LD26")->Header = tours_.FindRecord("F126")->Header = "footer.txt";
    const Round& last = rounds_.RecordAt(rounds_.Count() - 1);
    AddRound(LowerCase(last.PlayerID), LowerCase(last.CourseID), last.Date - 1, kPar72).PlayerName =
        "Other Name";
    context_.Today = *EncodeDate(DecodeDate(last.Date).year, 12, 31);
  }

  // Loads the demo data with the settings of `variant` and returns the site they make.
  const Site& DemoSite(SiteVariant variant) {
    static std::map<SiteVariant, Site> made;
    settings_.UseLongFileNames = variant.LongNames;
    settings_.HandicapPage = variant.HandicapPage;
    settings_.PublishContacts = variant.PublishContacts;
    settings_.Charts = variant.Charts;
    LoadDemo();
    if (!made.contains(variant)) {
      EXPECT_THAT(MakeAllPages(context_).Skipped, IsEmpty());
      Site& site = made[variant];
      for (const std::string& file : SiteFiles())
        site[file.substr(settings_.HtmlRootDir.size())] = Read(file);
      fs::remove_all(settings_.HtmlRootDir);
    }
    return made.at(variant);
  }

  // The path below the web root.
  std::string RelativeOf(const PageLocation& at) const { return at.Dir + "/" + at.Name; }
};

// The relative links and pictures of a page outside its comments, without fragments.
std::vector<std::string> RelativeLinks(const std::string& page) {
  std::vector<std::string> links;
  for (std::size_t at = 0; at < page.size();) {
    const std::size_t comment = page.find("<!--", at);
    const std::size_t end = std::min(page.size(), comment);
    for (const std::string attribute : {"href=\"", "src=\""}) {
      for (std::size_t found = page.find(attribute, at); found < end;
           found = page.find(attribute, found + 1)) {
        const std::size_t start = found + attribute.size();
        std::string target = page.substr(start, page.find('"', start) - start);
        target = target.substr(0, target.find('#'));
        if (!target.empty() && target.find(':') == std::string::npos) links.push_back(target);
      }
    }
    at = comment == std::string::npos ? page.size() : page.find("-->", comment);
  }
  return links;
}

// Whether `target` (normalised, relative to the root) is a file of the site or a folder holding
// some.
bool InSite(const Site& site, std::string target) {
  if (target == "." || target == "./") target.clear();
  if (!target.empty() && !target.ends_with('/')) return site.contains(target);
  const auto below = site.lower_bound(target);
  return below != site.end() && below->first.starts_with(target);
}

// Every relative link, picture and style sheet of every page leads to a file of the site, apart
// from the links the tour tables make to every event of the tour, also to events whose page is
// switched off.
TEST_F(DemoSiteTest, EveryLinkOfTheSiteLeadsToAFile) {
  for (const bool longNames : {false, true}) {
    const Site& site = DemoSite({.LongNames = longNames, .HandicapPage = true});
    std::set<std::string> switchedOff;
    for (int i = 0; i < events_.Count(); ++i)
      if (!events_.RecordAt(i).Make)
        switchedOff.insert(RelativeOf(EventPage(settings_, events_.RecordAt(i))));
    std::set<std::string> broken;
    int checked = 0;
    for (const auto& [file, page] : site) {
      if (!file.ends_with(".htm") && !file.ends_with(".html")) continue;
      for (const std::string& link : RelativeLinks(page)) {
        const std::string target = (fs::path(file).parent_path() / link).lexically_normal();
        ++checked;
        if (!InSite(site, target) && !switchedOff.contains(target))
          broken.insert(file + " -> " + link);
      }
    }
    EXPECT_THAT(broken, IsEmpty());
    EXPECT_GT(checked, 20 * rounds_.Count());
    for (const PageLocation& at : {PageLocation{"index", "cardwise.css"},
                                   PageLocation{"index", "help.htm"}, HandicapListPage()})
      EXPECT_TRUE(site.contains(RelativeOf(at))) << at.Name;
  }
}

// The setting adds the handicap page and its link below the player list, and changes nothing
// else.
TEST_F(DemoSiteTest, TheHandicapPageIsAddedOnlyWhenItsSettingIsOn) {
  for (const bool longNames : {false, true}) {
    const Site& on = DemoSite({.LongNames = longNames, .HandicapPage = true});
    Site expected = DemoSite({.LongNames = longNames});
    std::string& list = expected.at(RelativeOf(IndexPage(settings_, 'p')));
    list.insert(list.find("</TABLE>\r\n") + 10,
                "<P><A href=\"handicaps.htm\">Handicap Index</A>\r\n");
    const std::string handicaps = on.at("index/handicaps.htm");
    expected["index/handicaps.htm"] = handicaps;
    EXPECT_TRUE(on == expected);
    EXPECT_THAT(handicaps, HasSubstr("<TITLE>Handicap Index</TITLE>"));
    EXPECT_THAT(handicaps, Not(HasSubstr("<TD align=center>-<TD")));
  }
}

// Unpublished contact details change the player pages and the player list and nothing else,
// and leave no player's phone number or e-mail address anywhere on the site.
TEST_F(DemoSiteTest, ContactDetailsAreOnTheSiteOnlyWhenPublished) {
  const Site& on = DemoSite({.PublishContacts = true});
  const Site& off = DemoSite({});
  std::set<std::string> differing, expected = {RelativeOf(IndexPage(settings_, 'p'))};
  for (const auto& [name, page] : on)
    if (off.at(name) != page) differing.insert(name);
  for (int i = 0; i < players_.Count(); ++i)
    expected.insert(RelativeOf(PlayerPage(settings_, players_.RecordAt(i).ID)));
  EXPECT_EQ(differing, expected);

  const std::string& list = on.at(RelativeOf(IndexPage(settings_, 'p')));
  int contacts = 0;
  for (int i = 0; i < players_.Count(); ++i) {
    for (const std::string* detail : {&players_.RecordAt(i).Phone, &players_.RecordAt(i).Email}) {
      if (detail->empty()) continue;
      ++contacts;
      EXPECT_THAT(list, HasSubstr(*detail));
      for (const auto& [name, page] : off)
        EXPECT_THAT(page, Not(HasSubstr(*detail))) << name;
    }
  }
  EXPECT_GT(contacts, 10);
}

// The charts are blocks of their own: without them the pages are those of a site made with
// the setting off, and every kind of chart is on some page.
TEST_F(DemoSiteTest, ChartsOnlyAddTheirBlocksAndTheSettingLeavesThemOut) {
  const Site& on = DemoSite({});
  const Site& off = DemoSite({.Charts = false});
  std::map<std::string, int> kinds;
  ASSERT_EQ(on.size(), off.size());
  for (auto [name, page] : on) {
    for (std::size_t at; (at = page.find("<DIV class=\"chart\">\r\n")) != std::string::npos;) {
      const std::size_t id = page.find("aria-labelledby=\"", at) + 17;
      ++kinds[page.substr(id, page.find('-', id) - id)];
      page.erase(at, page.find("</DIV>\r\n", at) + 8 - at);
    }
    EXPECT_EQ(page, off.at(name)) << name;
  }
  std::vector<std::string> drawn;
  for (const auto& [kind, count] : kinds)
    drawn.push_back(kind);
  EXPECT_THAT(drawn, ElementsAre("course", "field", "handicap", "year"));
}

// A run on top of an earlier site makes again exactly the player, course and player-on-course
// pages whose inputs changed, and leaves the site byte for byte what a run without the record of
// the earlier run's pages (which makes every page) leaves on a copy of the same site.
TEST_F(DemoSiteTest, AChangeRemakesThePagesShowingItAndTheSiteEqualsAFullRun) {
  LoadDemo();
  settings_.HandicapPage = settings_.AllTours = true;  // the standings follow the weights
  const std::string templates = dir_.Path() + "/Templates/", full = dir_.Path() + "/Full/";
  fs::copy(settings_.TemplateDir, templates, fs::copy_options::recursive);
  settings_.TemplateDir = templates;
  const std::string site = settings_.HtmlRootDir;
  ASSERT_THAT(MakeAllPages(context_).Skipped, IsEmpty());

  const Round changed = rounds_.RecordAt(rounds_.Count() / 2);
  const std::string player = PathOf(PlayerPage(settings_, changed.PlayerID)),
                    course = PathOf(CoursePage(settings_, changed.CourseID)),
                    playerCourse = PathOf(PlayerCourseYearPage(settings_, changed));
  const Player* another = &players_.RecordAt(0);
  if (another->ID == changed.PlayerID) another = &players_.RecordAt(1);
  const std::string other = PathOf(PlayerPage(settings_, another->ID));
  const auto round = [&] { return rounds_.FindRecord(changed.ID); };
  const std::vector<std::string> all = {player, course, playerCourse, other};
  const struct {
    const char* Change;
    std::function<void()> Apply;
    std::vector<std::string> Remade, Left;
  } changes[] = {
      {"nothing", [] {}, {}, all},
      {"a score",
       [&] { round()->Score.SetHoleValue(3, round()->Score.Hole(3) + 1); },
       {player, course, playerCourse},
       {other}},
      {"a player's name",
       [&] { players_.FindRecord(changed.PlayerID)->Name += " Jr"; },
       {player, playerCourse},
       {course, other}},
      {"a course's par",
       [&] { courses_.FindRecord(changed.CourseID)->Par.SetHoleValue(1, 6); },
       {course, playerCourse},
       {}},
      {"a caption", [&] { settings_.Captions.SetText(Caption::OtherStats, "More"); }, all, {}},
      {"a template", [&] { dir_.Write("Templates/footer.txt", "<P>new footer\n"); }, all, {}},
      {"a tour's weights",
       [&] { tours_.FindRecord("F126")->Weights = "3;1;1;1;1;2"; },
       {PathOf(TourPage(settings_, *tours_.FindRecord("F126")))},
       {}},
      {"a deleted round",
       [&] {
         std::vector<Round> kept;
         for (int i = 0; i < rounds_.Count(); ++i)
           if (rounds_.RecordAt(i).ID != changed.ID) kept.push_back(rounds_.RecordAt(i));
         rounds_.Clear();
         for (const Round& each : kept)
           rounds_.Add(std::make_unique<Round>(each));
       },
       {player, course},
       {other}},
      {"a page removed by hand", [&] { fs::remove(other); }, {other}, {player, course}},
      {"a damaged record",
       [&] { WriteFileAtomically(site + std::string(kPageRecordName), "cardwise-pages 1\nx\n"); },
       all,
       {}},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.Change);
    fs::remove_all(full);
    fs::copy(site, full, fs::copy_options::recursive);
    fs::remove(full + std::string(kPageRecordName));
    std::map<std::string, fs::file_time_type> before;
    for (const std::string& file : SiteFiles())
      before[file] = fs::last_write_time(file);
    c.Apply();
    EXPECT_THAT(MakeAllPages(context_).Skipped, IsEmpty());
    settings_.HtmlRootDir = full;
    EXPECT_THAT(MakeAllPages(context_).Skipped, IsEmpty());
    settings_.HtmlRootDir = site;
    for (const std::string& file : SiteFiles())
      EXPECT_TRUE(Read(file) == Read(full + file.substr(site.size()))) << file;
    EXPECT_EQ(SiteFiles().size(), SiteFiles(full).size());
    for (const std::string& page : c.Remade)
      EXPECT_NE(fs::last_write_time(page), before[page]) << page;
    for (const std::string& page : c.Left)
      EXPECT_EQ(fs::last_write_time(page), before[page]) << page;
  }
}

}  // namespace
}  // namespace cardwise::testing
