#pragma once
// The body writers of the record pages. Each looks its records up by ID and writes nothing (or
// only the links bar, as each says) when a record is missing; the page frame is the caller's.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/dates.h"
#include "records/round.h"
#include "results/handicap_index.h"
#include "results/round_stats.h"
#include "web/page.h"

namespace cardwise {

// Player and course pages.
void WritePlayerPage(Page& page, std::string_view playerID);
// The years of the last eleven whose player-year page of the player exists now: the player
// page links them.
std::vector<int> LinkedPlayerYears(const WebContext& context, std::string_view playerID);
void WritePlayerYear(Page& page, std::string_view playerID, DateTime date);
void WritePlayerCourse(Page& page, std::string_view playerID, std::string_view courseID,
                       DateTime date);
void WriteCoursePage(Page& page, std::string_view courseID, DateTime date);

// Event and tour pages (results and standings are computed by the caller just before).
void WriteEventPage(Page& page, std::string_view eventID);
// A team event's result table: place, result, the team linked to its card's page, its members
// linked to their pages, its playing handicap and the tie note.
void WriteTeamResultTable(Page& page, const Event& event);
// The card of team `number` (1, 2, ...) of the event: each member's hole scores with the ones
// that count marked, the team's hole scores and totals.
void WriteTeamCardPage(Page& page, const Event& event, std::size_t number);
// The draw page of an event with a draw: a row per player in starting order (time, tee, group,
// player linked to the player's page, handicap, strokes received), the groups told apart by
// their colour; then the links bar. The event page links it.
void WriteDrawPage(Page& page, std::string_view eventID);
void WriteTourPage(Page& page, std::string_view tourID);

// A knockout's bracket page: the tree as a table, a column per round, players linked, seeds in
// round 1, shots received and results, winners in bold.
void WriteKnockoutPage(Page& page, const Knockout& knockout);
// The knockouts with their winners, linked to their pages, for the event index page; nothing
// when the context has no knockouts.
void WriteKnockoutList(Page& page);

// Index pages and scoring-system tables.
void WriteTourList(Page& page);
void WritePlayerList(Page& page);
void WriteEventList(Page& page);
void WriteCourseList(Page& page);
void WritePtsPTable(Page& page, int ntour);
void WriteF1Table(Page& page, int ntour);
// The handicap index page: a row per player with the index, the rounds counted and the day of
// the latest of them. The player list links it when the setting HandicapPage is on.
inline constexpr const char* kHandicapPageTitle = "Handicap Index";
void WriteHandicapList(Page& page, const std::vector<HandicapRow>& rows);

// The front page in the web root: a page that sends the browser on to the player list at once
// (a meta refresh) and links it for a browser that does not follow. It carries kRootPageMark,
// by which a later run knows the file as its own.
inline constexpr const char* kRootPageMark = "<!-- Cardwise front page: opens the player list -->";
std::string RootPageText(const AppSettings& settings);

// The rounds a record page shows, in list order: those whose PlayerID and CourseID equal the
// filter's (exactly; an empty filter ID takes any) and that lie in the year of Date (every year
// when Date is 0). The page bodies find their rounds only through this, so an indexed lookup
// can take the place of the scan of the whole list.
struct RoundFilter {
  std::string_view PlayerID = {};
  std::string_view CourseID = {};
  DateTime Date = 0;
};
std::vector<Round*> SelectRounds(RoundList& rounds, const RoundFilter& filter);
// The same from the context's rounds, through its round index when it has one.
std::vector<Round*> SelectRounds(const WebContext& context, const RoundFilter& filter);
// The rounds a player-on-course page shows (WritePlayerCourse marks them Used); nullopt when
// the page has no body: the player or the course is missing, or the card changed after the
// year of `date`.
std::optional<std::vector<Round*>> PlayerCourseRounds(const WebContext& context,
                                                      std::string_view playerID,
                                                      std::string_view courseID, DateTime date);

// One row of a record's info table: "<TR bgcolor=\"" + colour + "\"><TD>" + caption + "<TD>" +
// value. The value goes in as given (escape record texts first).
void WriteInfoRow(Page& page, const std::string& color, std::string_view caption,
                  std::string_view value);
// The eclectic row of a course table ("Eclectic" against the course's par, a whole line), when
// some hole of the rounds shown was played more than once.
void WriteEclecticRow(Page& page, const RoundStats& stats, const Course& course);
// The statistics that end the player and course pages: the colour legend and the more-statistics
// table, each under an "<H4>" heading of its caption, a blank and `subject`; then the links bar.
void WriteStatsFooter(Page& page, const RoundStats& stats, std::string_view subject);

// For the event page: the links of every tour holding the event, joined by " | ".
std::string TourLinksForEvent(const WebContext& context, std::string_view eventID);

}  // namespace cardwise
