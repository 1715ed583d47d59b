// The four list pages of the index folder, the handicap index page and the tables of the two
// tour scoring functions.

#include <initializer_list>
#include <string>

#include "platform/status_sink.h"
#include "results/round_stats.h"
#include "results/tour_scoring.h"
#include "web/pages.h"

namespace cardwise {
namespace {

std::string RowStart(const AppSettings& settings, int number) {
  if (number % 2 == 1) return "<TR>";
  return "<TR" + CellColor(settings.Color(ColorKey::Total)) + ">";
}

std::string ListHeading(const AppSettings& settings, std::initializer_list<Caption> columns) {
  std::string line = "<TR" + CellColor(settings.Color(ColorKey::Green)) + ">";
  for (Caption column : columns)
    line += "<TD>" + settings.CaptionText(column);
  return line;
}

void OpenList(Page& page, Caption title, const char* comment) {
  page.Line("<H1>" + page.Context().Settings.CaptionText(title) + "</H1>");
  page.Line(comment);
  page.Line(kTableStart);
}

// A link cell; an empty cell for an empty address.
std::string LinkCell(std::string_view prefix, std::string_view address) {
  return address.empty() ? "<TD>" : "<TD><SMALL>" + AddressLink(prefix, address) + "</SMALL>";
}

// The phone and e-mail cells only when the players' contact details are published.
std::string PlayerRow(const WebContext& context, const Player& player) {
  std::string row =
      "<TD>" + PlayerAnchor(context, &player) + "<TD align=center>" + FixedText(player.Hcp, 1, 2);
  if (context.Settings.PublishContacts)
    row += "<TD>" + HtmlEscape(player.Phone) + LinkCell("mailto:", player.Email);
  return row + LinkCell("", player.URL);
}

std::string PlayerListHeading(const AppSettings& settings) {
  if (!settings.PublishContacts)
    return ListHeading(settings, {Caption::Player, Caption::Hcp, Caption::URL});
  return ListHeading(settings,
                     {Caption::Player, Caption::Hcp, Caption::Phone, Caption::Email, Caption::URL});
}

// Numbers on pages always use "." whatever the user's locale, so the record's own rating text
// (written with the user's separator) is not used here.
std::string RatingText(const Course& course) {
  std::string text;
  if (course.CR > 0) text = "CR=" + FixedText(course.CR, 1, 2);
  if (course.Slope > 0) text += " Slope=" + FixedText(course.Slope, 0, 1);
  return text;
}

std::string CourseRow(const WebContext& context, Course& course) {
  // Courses keep no e-mail address, but the column keeps its (empty) link.
  return "<TD>" + CourseAnchor(context, course) + "<TD align=center><B>" +
         std::to_string(course.Par.Total()) + "</B><TD align=center>" +
         std::to_string(course.Len.Total()) + "<TD>" + HtmlEscape(course.Phone) + "<TD><SMALL>" +
         RatingText(course) + "</SMALL>" + "<TD>" + LinkCell("", course.URL);
}

std::string EventRow(const WebContext& context, const Event& event) {
  std::string row = "<TD>" + EventAnchor(context, &event) + "<TD>" + ShortDateText(event.Date);
  if (const Course* course = context.Data.Courses.FindRecord(event.CourseID))
    row += "<TD>" + CourseAnchor(context, *course);
  return row;
}

// The rows of the scoring tables: centred, every second one on the sum colour.
std::string CenteredRowStart(const AppSettings& settings, int number) {
  if (number % 2 == 1) return "<TR align=center>";
  return "<TR align=center" + CellColor(settings.Color(ColorKey::Total)) + ">";
}

std::string PtsText(int place, int nevent, int ntour) {
  return FixedText(PtsP(place, nevent, ntour, 1), 1, 2);
}

std::string PtsPRow(const AppSettings& settings, int place, int ntour) {
  std::string row = CenteredRowStart(settings, place) + "<TH>" + std::to_string(place);
  // A field smaller than the place cannot give it: those cells stay empty.
  for (int nevent = 4; nevent <= ntour; ++nevent)
    row += nevent < place ? "<TD>" : "<TD>" + PtsText(place, nevent, ntour);
  return row;
}

std::string HandicapRowCells(const WebContext& context, const HandicapRow& row) {
  return "<TD>" + PlayerAnchorOrID(context, row.PlayerID) + "<TD align=center>" +
         IndexText(row.Index) + "<TD align=center>" + std::to_string(row.RoundsCounted) + "<TD>" +
         (row.LatestRound > 0 ? ShortDateText(row.LatestRound) : "");
}

}  // namespace

void WriteTourList(Page& page) {
  const WebContext& context = page.Context();
  const TourList& tours = context.Data.Tours;
  OpenList(page, Caption::TourIndex, "<!-- List with Tours -->");
  for (int i = 0; i < tours.Count(); ++i) {
    const Tour& tour = tours.RecordAt(i);
    ShowStatus(tour.Name);
    page.Line(RowStart(context.Settings, i + 1) + "<TD>" + TourAnchor(context, tour));
  }
  page.Line("</TABLE>");
}

void WritePlayerList(Page& page) {
  const WebContext& context = page.Context();
  const PlayerList& players = context.Data.Players;
  OpenList(page, Caption::PlayerIndex, "<!-- List with Players -->");
  page.Line(PlayerListHeading(context.Settings));
  for (int i = 0; i < players.Count(); ++i) {
    const Player& player = players.RecordAt(i);
    ShowStatus(player.Name);
    page.Line(RowStart(context.Settings, i + 1) + PlayerRow(context, player));
  }
  page.Line("</TABLE>");
  if (context.Settings.HandicapPage)
    page.Line("<P><A href=\"" + HandicapListPage().Name + "\">" + kHandicapPageTitle + "</A>");
}

void WriteEventList(Page& page) {
  const WebContext& context = page.Context();
  const EventList& events = context.Data.Events;
  OpenList(page, Caption::EventIndex, "<!-- List with Events -->");
  page.Line(ListHeading(context.Settings, {Caption::Event, Caption::Date, Caption::Course}));
  for (int i = 0; i < events.Count(); ++i) {
    const Event& event = events.RecordAt(i);
    ShowStatus(event.Name);
    page.Line(RowStart(context.Settings, i + 1) + EventRow(context, event));
  }
  page.Line("</TABLE>");
  WriteKnockoutList(page);
}

void WriteCourseList(Page& page) {
  const WebContext& context = page.Context();
  CourseList& courses = context.Data.Courses;
  OpenList(page, Caption::CourseIndex, "<!-- List with Courses -->");
  page.Line(
      ListHeading(context.Settings, {Caption::Course, Caption::Par, Caption::Length, Caption::Phone,
                                     Caption::CourseRating, Caption::Email, Caption::URL}));
  for (int i = 0; i < courses.Count(); ++i) {
    Course& course = courses.RecordAt(i);
    ShowStatus(course.Name);
    page.Line(RowStart(context.Settings, i + 1) + CourseRow(context, course));
  }
  page.Line("</TABLE>");
}

void WriteHandicapList(Page& page, const std::vector<HandicapRow>& rows) {
  const WebContext& context = page.Context();
  const AppSettings& settings = context.Settings;
  page.Line(std::string("<H1>") + kHandicapPageTitle + "</H1>");
  page.Line("<!-- List with handicap indexes -->");
  page.Line(kTableStart);
  page.Line(ListHeading(settings, {Caption::Player, Caption::Hcp}) + "<TD>Rounds<TD>" +
            settings.CaptionText(Caption::Date));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ShowStatus(rows[i].PlayerName);
    page.Line(RowStart(settings, static_cast<int>(i) + 1) + HandicapRowCells(context, rows[i]));
  }
  page.Line("</TABLE>");
  page.Line(
      "<P><SMALL>World Handicap System: the lowest 8 of the latest 20 score differentials "
      "(fewer for fewer rounds), from the scorecards up to " +
      ShortDateText(context.Today) + ".</SMALL>");
}

std::string RootPageText(const AppSettings& settings) {
  const PageLocation list = IndexPage(settings, 'p');
  const std::string target = list.Dir + "/" + list.Name;  // from the root
  const std::string& title = settings.CaptionText(Caption::PlayerIndex);
  return AsTextLines("<HTML lang=\"" + HtmlEscape(settings.Language) + "\">\n<HEAD>\n  " +
                     kEncodingMeta + "\n  <TITLE>" + title +
                     "</TITLE>\n  <META http-equiv=\"refresh\" content=\"0; url=" + target +
                     "\">\n</HEAD>\n<BODY>\n" + kRootPageMark + "\n<P><A href=\"" + target + "\">" +
                     title + "</A>\n</BODY>\n</HTML>\n");
}

void WritePtsPTable(Page& page, int ntour) {
  const AppSettings& settings = page.Context().Settings;
  const std::string n = std::to_string(ntour);
  page.Line("<H1>Tour Scoring System: Pts(pla, nevent, ntour)</H1>");
  page.Line(
      "<P>If you use the Pts(p) scoring system this table answers how many points you recieve "
      "for an event with <B><TT>nevent</TT></B> players in a tour with <B><TT>ntour</TT></B> "
      "players");
  page.Line("<P>This table is for <B><TT>ntour = " + n + "</TT></B>");
  page.Line("<!-- Table with for Pts(p) function -->");
  page.Line(kTableStart);
  std::string sizes = "<TR align=center" + CellColor(settings.Color(ColorKey::Green)) +
                      "><TD align=right>" + "<TT>nevent</TT>";
  for (int nevent = 4; nevent <= ntour; ++nevent)
    sizes += "<TD rowspan=2>" + std::to_string(nevent);
  page.Line(sizes);
  page.Line("<TR" + CellColor(settings.Color(ColorKey::Green)) + "><TH>Pla");
  for (int place = 1; place <= ntour; ++place)
    page.Line(PtsPRow(settings, place, ntour));
  page.Line("</TABLE>");
  const int place = ntour / 2;
  const int nevent = ntour - ntour / 3;
  page.Line("<P>If you come <B>" + std::to_string(place) +
            ":th</B> in an event with <B><TT>nevent=" + std::to_string(nevent) +
            "</TT></B> players (of total <B><TT>ntour=" + n +
            "</TT></B> players in Tour) you get <B>" + PtsText(place, nevent, ntour) + "</B> pts.");
  page.Line(
      "<P>Link to <A href=\"../index/help.htm#ptsp\">More info about the Pts(p) function</A>");
}

void WriteF1Table(Page& page, int ntour) {
  const AppSettings& settings = page.Context().Settings;
  page.Line("<H1>Tour Scoring System: F1(pla)</H1>");
  page.Line(
      "<P>If you use the F1(p) scoring system this table answers how many points you recieve");
  page.Line("<!-- Table with for F1(p) function -->");
  page.Line(kTableStart);
  page.Line("<TR" + CellColor(settings.Color(ColorKey::Green)) + "><TH> Pla <TH> Pts ");
  for (int place = 1; place <= ntour; ++place) {
    page.Line(CenteredRowStart(settings, place) + "<TH>" + std::to_string(place) + "<TD>" +
              FixedText(F1Points(place, 1), 0, 1));
  }
  page.Line("</TABLE>");
}

}  // namespace cardwise
