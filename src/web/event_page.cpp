// The event page: the result list, the hole statistics of the event's rounds on its course and
// the tours the event belongs to.

#include <string>
#include <string_view>
#include <vector>

#include "platform/status_sink.h"
#include "records/text.h"
#include "results/divisions.h"
#include "results/result_line.h"
#include "results/round_stats.h"
#include "web/charts.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"

namespace cardwise {
namespace {

// Manually entered results have no rounds behind them, so their table has no round columns.
bool HasRoundColumns(const Event& event) {
  return event.Type != kManualAscending && event.Type != kManualDescending;
}

std::string RowStart(const AppSettings& settings, std::size_t number) {
  if (number % 2 == 1) return "<TR>";
  return "<TR" + CellColor(settings.Color(ColorKey::Total)) + ">";
}

std::string ResultHeading(const AppSettings& settings, const Event& event) {
  std::string line = "<TR" + CellColor(settings.Color(ColorKey::Green)) + "><TH>" +
                     settings.CaptionText(Caption::Pos) + "<TH>" +
                     settings.CaptionText(Caption::Result) + "<TD>" +
                     settings.CaptionText(Caption::Player);
  if (HasRoundColumns(event))
    line += "<TD colspan=2>" + settings.CaptionText(Caption::Hcp) + "<TD>" +
            settings.CaptionText(Caption::ScoreCard) + "<TD>" +
            settings.CaptionText(Caption::Notes);
  return line;
}

// The handicap, strokes and round cells; a round that is gone leaves its ID as plain text.
std::string RoundCells(const WebContext& context, const ResultFields& line) {
  const std::string& roundID = line.RoundID;
  const Round* round = context.Data.Rounds.FindRecord(roundID);
  std::string hcp, strokes, anchor = HtmlEscape(roundID);
  if (round != nullptr) {
    hcp = FixedText(round->Hcp, 1, 2);
    strokes = std::to_string(round->Strokes);
    anchor = RoundIDAnchor(context, *round);
  }
  return "<TD align=center><SMALL>" + hcp + "</SMALL><TD align=center><B>" + strokes + "</B><TD>" +
         anchor + "<TD>" + HtmlEscape(line.Note);
}

// The table of the result lines at `lines` (indexes into the event's results).
void WriteResultTable(Page& page, const Event& event, const std::vector<std::size_t>& lines) {
  const WebContext& context = page.Context();
  page.Line("<!-- Table with Event results -->");
  page.Line(kTableStart);
  page.Line(ResultHeading(context.Settings, event));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ResultFields line = ResultFields::Parse(event.Results[lines[i]]);
    std::string row = RowStart(context.Settings, i + 1) + HeaderCell(HtmlEscape(line.Place)) +
                      "<TH><FONT size=+1>" + HtmlEscape(line.Result) + "</FONT><TD>" +
                      PlayerAnchorOrID(context, line.PlayerID);
    if (HasRoundColumns(event)) row += RoundCells(context, line);
    page.Line(row);
  }
  page.Line("</TABLE>");
}

std::vector<std::size_t> AllLines(const Event& event) {
  std::vector<std::size_t> lines(event.Results.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    lines[i] = i;
  return lines;
}

// "up to 10", "above 10 up to 20", "above 20": the handicaps of a division.
std::string DivisionRange(const std::vector<double>& limits, std::size_t division) {
  std::string range;
  if (division > 0) range = "above " + DivisionsText({limits[division - 1]});
  if (division < limits.size())
    range += std::string(range.empty() ? "" : " ") + "up to " + DivisionsText({limits[division]});
  return range;
}

// One table per division after the whole field, each line keeping its place in the field.
void WriteDivisionTables(Page& page, const Event& event) {
  for (std::size_t division = 0; division <= event.Divisions.size(); ++division) {
    const std::string letter = DivisionLetter(static_cast<int>(division));
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < event.Results.size(); ++i)
      if (ResultDivision(event, event.Results[i], page.Context().Data) == letter)
        lines.push_back(i);
    page.Line("<H2>Division " + letter + " (Hcp " + DivisionRange(event.Divisions, division) +
              ")</H2>");
    WriteResultTable(page, event, lines);
  }
}

// The rounds played in the event (their EventID is exactly its ID), in list order.
std::vector<const Round*> EventRounds(const WebContext& context, const std::string& eventID) {
  std::vector<const Round*> played;
  if (const RoundIndex* index = context.Rounds) {
    for (const int position : index->ByEvent(eventID))
      played.push_back(&index->At(position));
    return played;
  }
  const RoundList& rounds = context.Data.Rounds;
  for (int i = 0; i < rounds.Count(); ++i)
    if (rounds.RecordAt(i).EventID == eventID) played.push_back(&rounds.RecordAt(i));
  return played;
}

// The course rows with every round of the event against its own card, then the eclectic card
// once some hole was played more than once.
void WriteEventStatistics(Page& page, const Event& event, const Course& course, RoundStats& stats) {
  const WebContext& context = page.Context();
  const std::vector<const Round*> played = EventRounds(context, event.ID);
  for (const Round* round : played)
    stats.AddRound(*round);
  page.Line("<!-- Table with Statistics for the event -->");
  page.Line(kTableStart);
  WriteCourseRows(page, course, stats);
  for (const Round* round : played) {
    WriteScoreRow(page, RoundIDAnchor(context, *round), round->Score, &round->CPar);
    page.EndLine();
  }
  WriteEclecticRow(page, stats, course);
  page.Line("</TABLE>");
  page.Line("<BR>");
}

void WriteCourseBlock(Page& page, const Event& event, const Course& course) {
  const WebContext& context = page.Context();
  const AppSettings& settings = context.Settings;
  const std::string name = HtmlEscape(event.Name);
  page.Line("<BR>");
  page.Line("<H3>" + settings.CaptionText(Caption::CourseStats) + " " + name + " / " +
            CourseAnchor(context, course) + "</H3>");
  RoundStats stats;
  WriteEventStatistics(page, event, course, stats);
  page.Line("<H4>" + settings.CaptionText(Caption::ParStats) + " " + name + "</H4>");
  WriteLegendTable(page, stats);
  const std::string tours = TourLinksForEvent(context, event.ID);
  if (!tours.empty())
    page.Line("<H4>" + settings.CaptionText(Caption::EventInTour) + " " + tours + "</H4>");
}

}  // namespace

void WriteEventPage(Page& page, std::string_view eventID) {
  const WebContext& context = page.Context();
  const Event* event = context.Data.Events.FindRecord(eventID);
  if (event != nullptr) {
    const Course* course = context.Data.Courses.FindRecord(event->CourseID);
    ShowStatus(event->Name);
    page.WritePicture(event->ID, event->Name);
    page.Line("<H1>" + context.Settings.CaptionText(Caption::EventResults) + " " +
              HtmlEscape(event->Name) + " / " + ShortDateText(event->Date) + "</H1>");
    if (!event->Draw.empty())
      page.Line("<P><A href=\"" + HtmlEscape(PageLink(DrawPage(context.Settings, *event))) +
                "\">Draw</A>");
    if (event->IsTeamEvent())
      WriteTeamResultTable(page, *event);
    else
      WriteResultTable(page, *event, AllLines(*event));
    if (!event->Divisions.empty()) WriteDivisionTables(page, *event);
    WriteEventFieldChart(page, *event);
    if (course != nullptr) WriteCourseBlock(page, *event, *course);
  }
  page.WriteLinksBar();
}

std::string TourLinksForEvent(const WebContext& context, std::string_view eventID) {
  const TourList& tours = context.Data.Tours;
  std::string links;
  for (int i = 0; i < tours.Count(); ++i) {
    const Tour& tour = tours.RecordAt(i);
    if (!tour.HasEvent(eventID)) continue;
    if (!links.empty()) links += " | ";
    links += TourAnchor(context, tour);
  }
  return links;
}

}  // namespace cardwise
