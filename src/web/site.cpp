#include "web/site.h"

#include <cstdio>

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
std::string FileName(const TSettings& settings, std::string_view longStem,
                     std::string_view shortStem) {
  if (settings.UseLongFileNames) return LowerCase(longStem) + ".html";
  return LowerCase(shortStem).substr(0, 8) + ".htm";
}

std::string RecordName(const TSettings& settings, std::string_view id) {
  return FileName(settings, id, id);
}

// Fixed names that only change their extension.
std::string FixedName(const TSettings& settings, const std::string& stem) {
  return stem + (settings.UseLongFileNames ? ".html" : ".htm");
}

// A link to a page that is never written (an unsafe location) would only lead nowhere, so
// such a record is named without one.
std::string Anchor(const PageLocation& location, const std::string& text) {
  if (!IsSafeLocation(location)) return text;
  return "<A href=\"" + HtmlEscape(PageLink(location)) + "\">" + text + "</A>";
}

}  // namespace

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

PageLocation PlayerPage(const TSettings& settings, std::string_view playerID) {
  return {settings.PlayerDir, RecordName(settings, playerID)};
}

PageLocation CoursePage(const TSettings& settings, std::string_view courseID) {
  return {settings.CourseDir, RecordName(settings, courseID)};
}

PageLocation EventPage(const TSettings& settings, const TEvent& event) {
  return {YearOf(event.Date), RecordName(settings, event.ID)};
}

PageLocation TourPage(const TSettings& settings, const TTour& tour) {
  return {tour.Dir, RecordName(settings, tour.ID)};
}

PageLocation RoundPage(const TSettings& settings, const TRound& round) {
  const std::string shortStem =
      FormatDateTime("mmdd", round.Date) + round.PlayerID + FormatDateTime("hh", round.Start);
  return {YearOf(round.Date), FileName(settings, round.ID, shortStem)};
}

PageLocation PlayerYearPage(const TSettings& settings, std::string_view playerID, int year) {
  const std::string yyyy = YearText(year);
  const std::string id(playerID);
  return {yyyy, FileName(settings, id + "-" + yyyy, id + yyyy)};
}

PageLocation PlayerCourseYearPage(const TSettings& settings, const TRound& round) {
  const std::string yyyy = YearOf(round.Date);
  // The short form leaves the year out: the folder tells the years apart.
  return {yyyy, FileName(settings, round.PlayerID + "-" + round.CourseID + "-" + yyyy,
                         round.PlayerID + round.CourseID)};
}

PageLocation YearStatsPage(int year) {
  return {YearText(year), "stat.htm"};
}

PageLocation IndexPage(const TSettings& settings, char kind) {
  return {"index", FixedName(settings, std::string(1, kind) + "index")};
}

PageLocation HandicapListPage() {
  return {"index", "handicaps.htm"};
}

PageLocation RootPage() {
  return {"", "index.html"};
}

PageLocation PtsPPage(const TSettings& settings, int ntour) {
  return {"index", FixedName(settings, "ptsp" + std::to_string(ntour))};
}

PageLocation F1Page(const TSettings& settings) {
  return {"index", FixedName(settings, "ptsf1")};
}

std::string PagePath(const TSettings& settings, const PageLocation& location) {
  const std::string root = IncludeTrailingSlash(settings.HtmlRootDir);
  // A page without a folder (a tour with an empty Dir) lies in the root itself.
  if (location.Dir.empty()) return root + location.Name;
  return root + location.Dir + "/" + location.Name;
}

std::string PageLink(const PageLocation& location) {
  // An empty folder gives "..//name", the form the site's links always had.
  return "../" + location.Dir + "/" + location.Name;
}

std::string PlayerAnchor(const TWebContext& context, const TPlayer* player) {
  if (player == nullptr) return {};
  const std::string name = ReplaceAll(" ", "&nbsp;", HtmlEscape(ProperCase(player->Player)));
  return Anchor(PlayerPage(context.Settings, player->ID), name);
}

std::string PlayerAnchorOrID(const TWebContext& context, std::string_view playerID) {
  const TPlayer* player = context.Database.Players.FindRecord(playerID);
  if (player == nullptr) return HtmlEscape(playerID);
  return PlayerAnchor(context, player);
}

std::string CourseAnchor(const TWebContext& context, const TCourse& course) {
  return Anchor(CoursePage(context.Settings, course.ID), HtmlEscape(course.Course));
}

std::string TourAnchor(const TWebContext& context, const TTour& tour) {
  return Anchor(TourPage(context.Settings, tour), HtmlEscape(tour.Tour));
}

std::string EventAnchor(const TWebContext& context, const TEvent* event) {
  if (event == nullptr) return {};
  const std::string name = HtmlEscape(event->Event);
  if (!event->Make) return name;
  return Anchor(EventPage(context.Settings, *event), name);
}

std::string RoundIDAnchor(const TWebContext& context, const TRound& round) {
  return "<SMALL>" + Anchor(RoundPage(context.Settings, round), HtmlEscape(round.ID)) + "</SMALL>";
}

std::string RoundDateAnchor(const TWebContext& context, const TRound& round) {
  return "<SMALL>" + Anchor(RoundPage(context.Settings, round), HtmlEscape(round.DateText())) +
         "</SMALL>";
}

std::string PlayerCourseAnchor(const TWebContext& context, const TRound& round) {
  return Anchor(PlayerCourseYearPage(context.Settings, round), HtmlEscape(round.Course));
}

std::string HeaderFor(const TWebContext& context, std::string_view eventID) {
  const TSettings& settings = context.Settings;
  const TEvent* event = context.Database.Events.FindRecord(eventID);
  if (event != nullptr && !event->Header.empty()) return TemplatePath(settings, event->Header);
  int index = -1;
  if (context.Database.Tours.FindTourOfEvent(eventID, index)) {
    const std::string& header = context.Database.Tours.RecordAt(index).Header;
    if (!header.empty()) return TemplatePath(settings, header);
  }
  return StdHeaderPath(settings);
}

std::string StdHeaderPath(const TSettings& settings) {
  return TemplatePath(settings, settings.StdHeader);
}

std::string StdFooterPath(const TSettings& settings) {
  return TemplatePath(settings, settings.StdFooter);
}

std::string TemplatePath(const TSettings& settings, const std::string& name) {
  if (name.empty() || !IsSafePathPart(name)) return {};
  return settings.TemplateDir + name;
}

}  // namespace cardwise
