#pragma once
// The layout of the generated web site: where each page lives, how it is named and linked, and
// the anchors that name a record on other pages.
//
// Every page lies in a folder one level below the web root, so a link from one page to another
// is "../" + folder + "/" + name. The folders are "index", the player folder, the course folder,
// one folder per year ("yyyy") and each tour's own folder.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "records/course.h"
#include "records/dates.h"
#include "records/player.h"
#include "records/round.h"
#include "results/database.h"
#include "results/event.h"
#include "results/handicap_index.h"
#include "results/knockout.h"
#include "results/player_merits.h"
#include "results/tour.h"
#include "settings/settings.h"

namespace cardwise {

class RoundIndex;

// The players' handicap records, computed once per run: in player-list order (the handicap
// page) and found by player ID without regard to letter case (the charts).
class HandicapRecords {
 public:
  explicit HandicapRecords(std::vector<HandicapRow> rows);
  HandicapRecords(const HandicapRecords&) = delete;  // the index points into the rows
  HandicapRecords& operator=(const HandicapRecords&) = delete;

  const std::vector<HandicapRow>& Rows() const { return rows_; }
  const HandicapRow* Find(std::string_view playerID) const;  // nullptr: no such player

 private:
  std::vector<HandicapRow> rows_;
  std::unordered_map<std::string, const HandicapRow*> byPlayer_;
};

// Whether the pages read the players' handicap records: for the charts or the handicap page.
inline bool HasHandicaps(const AppSettings& settings) {
  return settings.Charts || settings.HandicapPage;
}

// What every page writer reads: the settings, the lists and the date of the run.
struct WebContext {
  const AppSettings& Settings;
  Database& Data;
  DateTime Today = 0;  // the date of the run (the author meta tag, the current year)
  // When set, an index of Database.Rounds through which the page bodies find their rounds
  // instead of reading the whole list; what they write is the same.
  const RoundIndex* Rounds = nullptr;
  // When set (the charts or the handicap page are on), the players' handicap records.
  const HandicapRecords* Handicaps = nullptr;
  // The knockouts, when their file exists (MakeAllPages reads it); nullptr: no knockout pages.
  const KnockoutList* Knockouts = nullptr;
  // When set, the players' merits as the events' results and the tours' standings now give
  // them, for the player pages; else each page finds its own.
  const PlayerMerits* Merits = nullptr;

  int CurrentYear() const { return DecodeDate(Today).year; }
};

// A page's folder below the web root (no separators) and its file name.
struct PageLocation {
  std::string Dir;
  std::string Name;
};

// Record texts as they go into a page: "&", "<", ">" and the double quote escaped. Captions and
// template files are HTML already and go in verbatim.
std::string HtmlEscape(std::string_view text);

// A link to `prefix` + the address showing the address ("mailto:" for an e-mail), both
// escaped; nothing for an empty address, so that no link is without a text.
std::string AddressLink(std::string_view prefix, std::string_view address);

// Whether a folder or file name may be used below the web root: it holds no "/", no backslash
// and is not ".." (a record ID or tour folder naming a place outside the site is refused).
bool IsSafePathPart(std::string_view part);
bool IsSafeLocation(const PageLocation& location);

// Page names: lower-cased IDs with ".html" under long file names, else the first eight
// characters with ".htm".
PageLocation PlayerPage(const AppSettings& settings, std::string_view playerID);
PageLocation CoursePage(const AppSettings& settings, std::string_view courseID);
PageLocation EventPage(const AppSettings& settings, const Event& event);
// The draw page of an event, beside its event page: "id-draw.html", or the first six characters
// of the ID with "-d.htm".
PageLocation DrawPage(const AppSettings& settings, const Event& event);
PageLocation TourPage(const AppSettings& settings, const Tour& tour);
// The card of team `number` (1, 2, ... as its Team key) beside the event's page: the event's
// ID + "-team" + number, in short form the ID's first five characters + "t" + number.
PageLocation TeamCardPage(const AppSettings& settings, const Event& event, std::size_t number);
PageLocation RoundPage(const AppSettings& settings, const Round& round);
PageLocation PlayerYearPage(const AppSettings& settings, std::string_view playerID, int year);
PageLocation PlayerCourseYearPage(const AppSettings& settings, const Round& round);
PageLocation YearStatsPage(int year);  // "yyyy/stat.htm" in both name forms
// kind 't', 'p', 'e' or 'c': the tour, player, event and course lists.
PageLocation IndexPage(const AppSettings& settings, char kind);
PageLocation PtsPPage(const AppSettings& settings, int ntour);
PageLocation F1Page(const AppSettings& settings);
// A knockout's bracket page in the index folder: "ko-" + ID under long file names, else "ko" +
// the ID cut to eight characters.
PageLocation KnockoutPage(const AppSettings& settings, const Knockout& knockout);
// The handicap index page, "index/handicaps.htm" in both name forms (setting HandicapPage).
PageLocation HandicapListPage();
// The site's front page, "index.html" in the web root itself (both name forms): it opens the
// player list, so that the address of the site (and the links bar's "../") shows a page.
PageLocation RootPage();

// The full path: web root + folder + "/" + name.
std::string PagePath(const AppSettings& settings, const PageLocation& location);
// The link from a page one level below the root: "../" + folder + "/" + name.
std::string PageLink(const PageLocation& location);

// Anchors naming a record on other pages (empty for a missing player or event).
std::string PlayerAnchor(const WebContext& context, const Player* player);
// The player's anchor, or the bare (escaped) ID when there is no such player.
std::string PlayerAnchorOrID(const WebContext& context, std::string_view playerID);
std::string CourseAnchor(const WebContext& context, const Course& course);
std::string TourAnchor(const WebContext& context, const Tour& tour);
std::string KnockoutAnchor(const WebContext& context, const Knockout& knockout);
// A link only when the event's page is made (Make); else the bare name.
std::string EventAnchor(const WebContext& context, const Event* event);
std::string RoundIDAnchor(const WebContext& context, const Round& round);
std::string RoundDateAnchor(const WebContext& context, const Round& round);
// The player-on-course-in-a-year page of the round, showing the round's course name.
std::string PlayerCourseAnchor(const WebContext& context, const Round& round);

// The page header template of an event or round page: the event's Header, else the Header of
// the first tour holding the event, else StdHeader; prefixed with TemplateDir; empty for none.
std::string HeaderFor(const WebContext& context, std::string_view eventID);
std::string StdHeaderPath(const AppSettings& settings);
std::string StdFooterPath(const AppSettings& settings);
// A template file name (a tour's or event's Header, StdHeader, StdFooter) joined to
// TemplateDir; empty for an empty name or one that would reach outside the template folder.
std::string TemplatePath(const AppSettings& settings, const std::string& name);

}  // namespace cardwise
