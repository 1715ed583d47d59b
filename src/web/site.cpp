#include "web/site.h"

#include <cstdio>
#include <utility>

#include "platform/codepage.h"
#include "records/text.h"

namespace cardwise {

namespace {

std::string YearText(int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", year);
  return text;
}

std::string YearOf(DateTime date) {
  return YearText(DecodeDate(date).year);
}

// The long form of a record page name, or its short form: the first eight characters.
std::string FileName(const AppSettings& settings, std::string_view longStem,
                     std::string_view shortStem) {
  if (settings.UseLongFileNames) return LowerCase(longStem) + ".html";
  return LowerCase(shortStem).substr(0, 8) + ".htm";
}

std::string RecordName(const AppSettings& settings, std::string_view id) {
  return FileName(settings, id, id);
}

// Fixed names that only change their extension.
std::string FixedName(const AppSettings& settings, const std::string& stem) {
  return stem + (settings.UseLongFileNames ? ".html" : ".htm");
}

// A link to a page that is never written (an unsafe location) would only lead nowhere, so
// such a record is named without one.
std::string Anchor(const PageLocation& location, const std::string& text) {
  if (!IsSafeLocation(location)) return text;
  return "<A href=\"" + HtmlEscape(PageLink(location)) + "\">" + text + "</A>";
}

}  // namespace

std::string AddressLink(std::string_view prefix, std::string_view address) {
  if (address.empty()) return {};
  const std::string text = HtmlEscape(address);
  return "<A href=\"" + std::string(prefix) + text + "\">" + text + "</A>";
}

std::string HtmlEscape(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

bool IsSafePathPart(std::string_view part) {
  if (part == "." || part == "..") return false;
  return part.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

bool IsSafeLocation(const PageLocation& location) {
  return !location.Name.empty() && IsSafePathPart(location.Dir) && IsSafePathPart(location.Name);
}

PageLocation PlayerPage(const AppSettings& settings, std::string_view playerID) {
  return {settings.PlayerDir, RecordName(settings, playerID)};
}

PageLocation CoursePage(const AppSettings& settings, std::string_view courseID) {
  return {settings.CourseDir, RecordName(settings, courseID)};
}

PageLocation EventPage(const AppSettings& settings, const Event& event) {
  return {YearOf(event.Date), RecordName(settings, event.ID)};
}

PageLocation TeamCardPage(const AppSettings& settings, const Event& event, std::size_t number) {
  const std::string n = std::to_string(number);
  return {YearOf(event.Date),
          FileName(settings, event.ID + "-team" + n, event.ID.substr(0, 5) + "t" + n)};
}

PageLocation DrawPage(const AppSettings& settings, const Event& event) {
  return {YearOf(event.Date), FileName(settings, event.ID + "-draw", event.ID.substr(0, 6) + "-d")};
}

PageLocation TourPage(const AppSettings& settings, const Tour& tour) {
  return {tour.Dir, RecordName(settings, tour.ID)};
}

PageLocation RoundPage(const AppSettings& settings, const Round& round) {
  if (settings.UseLongFileNames) return {YearOf(round.Date), FileName(settings, round.ID, {})};
  const std::string shortStem =
      FormatDateTime("mmdd", round.Date) + round.PlayerID + FormatDateTime("hh", round.Start);
  return {YearOf(round.Date), FileName(settings, round.ID, shortStem)};
}

PageLocation PlayerYearPage(const AppSettings& settings, std::string_view playerID, int year) {
  const std::string yyyy = YearText(year);
  const std::string id(playerID);
  return {yyyy, FileName(settings, id + "-" + yyyy, id + yyyy)};
}

PageLocation PlayerCourseYearPage(const AppSettings& settings, const Round& round) {
  const std::string yyyy = YearOf(round.Date);
  // The short form leaves the year out: the folder tells the years apart.
  return {yyyy, FileName(settings, round.PlayerID + "-" + round.CourseID + "-" + yyyy,
                         round.PlayerID + round.CourseID)};
}

PageLocation YearStatsPage(int year) {
  return {YearText(year), "stat.htm"};
}

PageLocation IndexPage(const AppSettings& settings, char kind) {
  return {"index", FixedName(settings, std::string(1, kind) + "index")};
}

PageLocation KnockoutPage(const AppSettings& settings, const Knockout& knockout) {
  return {"index", FileName(settings, "ko-" + knockout.ID, "ko" + knockout.ID)};
}

PageLocation HandicapListPage() {
  return {"index", "handicaps.htm"};
}

PageLocation RootPage() {
  return {"", "index.html"};
}

PageLocation PtsPPage(const AppSettings& settings, int ntour) {
  return {"index", FixedName(settings, "ptsp" + std::to_string(ntour))};
}

PageLocation F1Page(const AppSettings& settings) {
  return {"index", FixedName(settings, "ptsf1")};
}

std::string PagePath(const AppSettings& settings, const PageLocation& location) {
  const std::string root = IncludeTrailingSlash(settings.HtmlRootDir);
  // A page without a folder (a tour with an empty Dir) lies in the root itself.
  if (location.Dir.empty()) return root + location.Name;
  return root + location.Dir + "/" + location.Name;
}

std::string PageLink(const PageLocation& location) {
  // An empty folder gives "..//name", the form the site's links always had.
  return "../" + location.Dir + "/" + location.Name;
}

std::string PlayerAnchor(const WebContext& context, const Player* player) {
  if (player == nullptr) return {};
  const std::string name = ReplaceAll(" ", "&nbsp;", HtmlEscape(ProperCase(player->Name)));
  return Anchor(PlayerPage(context.Settings, player->ID), name);
}

std::string PlayerAnchorOrID(const WebContext& context, std::string_view playerID) {
  const Player* player = context.Data.Players.FindRecord(playerID);
  if (player == nullptr) return HtmlEscape(playerID);
  return PlayerAnchor(context, player);
}

std::string CourseAnchor(const WebContext& context, const Course& course) {
  return Anchor(CoursePage(context.Settings, course.ID), HtmlEscape(course.Name));
}

std::string TourAnchor(const WebContext& context, const Tour& tour) {
  return Anchor(TourPage(context.Settings, tour), HtmlEscape(tour.Name));
}

std::string KnockoutAnchor(const WebContext& context, const Knockout& knockout) {
  return Anchor(KnockoutPage(context.Settings, knockout), HtmlEscape(knockout.Name));
}

std::string EventAnchor(const WebContext& context, const Event* event) {
  if (event == nullptr) return {};
  const std::string name = HtmlEscape(event->Name);
  if (!event->Make) return name;
  return Anchor(EventPage(context.Settings, *event), name);
}

std::string RoundIDAnchor(const WebContext& context, const Round& round) {
  return "<SMALL>" + Anchor(RoundPage(context.Settings, round), HtmlEscape(round.ID)) + "</SMALL>";
}

std::string RoundDateAnchor(const WebContext& context, const Round& round) {
  return "<SMALL>" + Anchor(RoundPage(context.Settings, round), HtmlEscape(round.DateText())) +
         "</SMALL>";
}

std::string PlayerCourseAnchor(const WebContext& context, const Round& round) {
  return Anchor(PlayerCourseYearPage(context.Settings, round), HtmlEscape(round.CourseName));
}

std::string HeaderFor(const WebContext& context, std::string_view eventID) {
  const AppSettings& settings = context.Settings;
  const Event* event = context.Data.Events.FindRecord(eventID);
  if (event != nullptr && !event->Header.empty()) return TemplatePath(settings, event->Header);
  int index = -1;
  if (context.Data.Tours.FindTourOfEvent(eventID, index)) {
    const std::string& header = context.Data.Tours.RecordAt(index).Header;
    if (!header.empty()) return TemplatePath(settings, header);
  }
  return StdHeaderPath(settings);
}

std::string StdHeaderPath(const AppSettings& settings) {
  return TemplatePath(settings, settings.StdHeader);
}

std::string StdFooterPath(const AppSettings& settings) {
  return TemplatePath(settings, settings.StdFooter);
}

std::string TemplatePath(const AppSettings& settings, const std::string& name) {
  if (name.empty() || !IsSafePathPart(name)) return {};
  return settings.TemplateDir + name;
}

HandicapRecords::HandicapRecords(std::vector<HandicapRow> rows) : rows_(std::move(rows)) {
  for (const HandicapRow& row : rows_)
    byPlayer_.emplace(UpperCase(row.PlayerID), &row);
}

const HandicapRow* HandicapRecords::Find(std::string_view playerID) const {
  const auto found = byPlayer_.find(UpperCase(playerID));
  return found == byPlayer_.end() ? nullptr : found->second;
}

}  // namespace cardwise
