// The event page: the result list, the hole statistics of the event's rounds on its course and
// the tours the event belongs to.

#include <string>
#include <string_view>
#include <vector>

#include "platform/status_sink.h"
#include "records/text.h"
#include "results/result_line.h"
#include "results/round_stats.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"

namespace cardwise {
namespace {

// Manually entered results have no rounds behind them, so their table has no round columns.
bool HasRoundColumns(const TEvent& event) {
  return event.Type != kManualAscending && event.Type != kManualDescending;
}

std::string RowStart(const TSettings& settings, std::size_t number) {
  if (number % 2 == 1) return "<TR>";
  return "<TR bgcolor=\"" + settings.Color(ColorKey::Total) + "\">";
}

std::string ResultHeading(const TSettings& settings, const TEvent& event) {
  std::string line = "<TR bgcolor=\"" + settings.Color(ColorKey::Green) + "\"><TH>" +
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
std::string RoundCells(const TWebContext& context, const ResultFields& line) {
  const std::string& roundID = line.RoundID;
  const TRound* round = context.Database.Rounds.FindRecord(roundID);
  std::string hcp, strokes, anchor = HtmlEscape(roundID);
  if (round != nullptr) {
    hcp = FixedText(round->Hcp, 1, 2);
    strokes = std::to_string(round->Strokes);
    anchor = RoundIDAnchor(context, *round);
  }
  return "<TD align=center><SMALL>" + hcp + "</SMALL><TD align=center><B>" + strokes + "</B><TD>" +
         anchor + "<TD>" + HtmlEscape(line.Note);
}

void WriteResultTable(TPage& page, const TEvent& event) {
  const TWebContext& context = page.Context();
  page.Line("<!-- Table with Event results -->");
  page.Line("<TABLE border=0>");
  page.Line(ResultHeading(context.Settings, event));
  for (std::size_t i = 0; i < event.Results.size(); ++i) {
    const ResultFields line = ResultFields::Parse(event.Results[i]);
    std::string row = RowStart(context.Settings, i + 1) + "<TH>" + HtmlEscape(line.Place) +
                      "<TH><FONT size=+1>" + HtmlEscape(line.Result) + "</FONT><TD>" +
                      PlayerAnchorOrID(context, line.PlayerID);
    if (HasRoundColumns(event)) row += RoundCells(context, line);
    page.Line(row);
  }
  page.Line("</TABLE>");
}

// The rounds played in the event (their EventID is exactly its ID), in list order.
std::vector<const TRound*> EventRounds(const TWebContext& context, const std::string& eventID) {
  std::vector<const TRound*> played;
  if (const TRoundIndex* index = context.Rounds) {
    for (const int position : index->ByEvent(eventID))
      played.push_back(&index->At(position));
    return played;
  }
  const TRoundList& rounds = context.Database.Rounds;
  for (int i = 0; i < rounds.Count(); ++i)
    if (rounds.RecordAt(i).EventID == eventID) played.push_back(&rounds.RecordAt(i));
  return played;
}

// The course rows with every round of the event against its own card, then the eclectic card
// once some hole was played more than once.
void WriteEventStatistics(TPage& page, const TEvent& event, const TCourse& course,
                          TRoundStats& stats) {
  const TWebContext& context = page.Context();
  const std::vector<const TRound*> played = EventRounds(context, event.ID);
  for (const TRound* round : played)
    stats.AddRound(*round);
  page.Line("<!-- Table with Statistics for the event -->");
  page.Line("<TABLE border=0>");
  WriteCourseRows(page, course, stats);
  for (const TRound* round : played) {
    WriteScoreRow(page, RoundIDAnchor(context, *round), round->Score, &round->CPar);
    page.EndLine();
  }
  WriteEclecticRow(page, stats, course);
  page.Line("</TABLE>");
  page.Line("<BR>");
}

void WriteCourseBlock(TPage& page, const TEvent& event, const TCourse& course) {
  const TWebContext& context = page.Context();
  const TSettings& settings = context.Settings;
  const std::string name = HtmlEscape(event.Event);
  page.Line("<BR>");
  page.Line("<H3>" + settings.CaptionText(Caption::CourseStats) + " " + name + " / " +
            CourseAnchor(context, course) + "</H3>");
  TRoundStats stats;
  WriteEventStatistics(page, event, course, stats);
  page.Line("<H4>" + settings.CaptionText(Caption::ParStats) + " " + name + "</H4>");
  WriteLegendTable(page, stats);
  const std::string tours = TourLinksForEvent(context, event.ID);
  if (!tours.empty())
    page.Line("<H4>" + settings.CaptionText(Caption::EventInTour) + " " + tours + "</H4>");
}

}  // namespace

void WriteEventPage(TPage& page, std::string_view eventID) {
  const TWebContext& context = page.Context();
  const TEvent* event = context.Database.Events.FindRecord(eventID);
  if (event != nullptr) {
    const TCourse* course = context.Database.Courses.FindRecord(event->CourseID);
    ShowStatus(event->Event);
    page.WritePicture(event->ID, event->Event);
    page.Line("<H3>" + context.Settings.CaptionText(Caption::EventResults) + " " +
              HtmlEscape(event->Event) + " / " + ShortDateText(event->Date) + "</H3>");
    WriteResultTable(page, *event);
    if (course != nullptr) WriteCourseBlock(page, *event, *course);
  }
  page.WriteLinksBar();
}

std::string TourLinksForEvent(const TWebContext& context, std::string_view eventID) {
  const TTourList& tours = context.Database.Tours;
  std::string links;
  for (int i = 0; i < tours.Count(); ++i) {
    const TTour& tour = tours.RecordAt(i);
    if (!tour.HasEvent(eventID)) continue;
    if (!links.empty()) links += " | ";
    links += TourAnchor(context, tour);
  }
  return links;
}

}  // namespace cardwise
