// The tour page: the standings with one column group per event (results that do not count are
// struck out, mandatory events underlined), the tour's events, the hole statistics of its
// common course and the rankings of its players.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/codepage.h"
#include "platform/status_sink.h"
#include "records/text.h"
#include "results/result_line.h"
#include "results/round_stats.h"
#include "results/stat_list.h"
#include "results/tour_scoring.h"
#include "results/tour_standings.h"
#include "web/pages.h"
#include "web/round_index.h"
#include "web/tables.h"

namespace cardwise {
namespace {

// The tour's events by position, and each one's result line of each player, looked up once per
// page rather than once for every cell of the table.
class TourEvents {
 public:
  TourEvents(const EventList& events, const Tour& tour) {
    for (int k = 1; k <= tour.EventCount(); ++k) {
      const std::string id = tour.EventAt(k);
      const Event* event = id.empty() ? nullptr : events.FindRecord(id);
      events_.push_back(event);
      std::unordered_map<std::string, const std::string*>& lines = lines_.emplace_back();
      if (event == nullptr) continue;
      // The first line of a player counts, as Event::FindResult finds it.
      // A team's line is each member's.
      for (const std::string& line : event->Results) {
        const std::string field = ResultFields::Parse(line).PlayerID;
        for (const std::string& id : event->IsTeamEvent() ? SplitIDs(field) : std::vector{field})
          lines.try_emplace(UpperCase(id), &line);
      }
    }
  }

  // The event at position k; nullptr for an empty slot or an ID that names no event.
  const Event* At(int k) const {
    return k >= 1 && k <= static_cast<int>(events_.size()) ? events_[k - 1] : nullptr;
  }

  // The player's result line in event k (player IDs match without regard to letter case);
  // nullptr when there is none.
  const std::string* ResultOf(int k, std::string_view playerID) const {
    if (At(k) == nullptr) return nullptr;
    const auto& lines = lines_[static_cast<std::size_t>(k - 1)];
    const auto found = lines.find(UpperCase(playerID));
    return found == lines.end() ? nullptr : found->second;
  }

 private:
  std::vector<const Event*> events_;  // [k - 1]
  std::vector<std::unordered_map<std::string, const std::string*>> lines_;
};

struct TourView {
  const WebContext& Context;
  const Tour& Record;
  int Columns;  // cells per event: place, result and, for decimal types, the value
  const TourEvents& Events;
};

const std::string& CaptionOf(const TourView& view, Caption id) {
  return view.Context.Settings.CaptionText(id);
}
const std::string& ColorOf(const TourView& view, ColorKey key) {
  return view.Context.Settings.Color(key);
}

std::string RowStart(const TourView& view, int number) {
  if (number % 2 == 1) return "<TR>";
  return "<TR" + CellColor(ColorOf(view, ColorKey::Total)) + ">";
}

// The event at position k; nullptr for an empty slot or an ID that names no event.
const Event* EventOf(const TourView& view, int k) {
  return view.Events.At(k);
}

// The player's rounds in the tour's events (AddPlayerRounds), through the round index when
// there is one.
void AddTourPlayerRounds(const TourView& view, const std::string& playerID, RoundStats& stats) {
  const RoundIndex* index = view.Context.Rounds;
  if (index == nullptr) {
    AddPlayerRounds(view.Record, playerID, stats, view.Context.Data.Rounds);
    return;
  }
  for (const int position : index->ByPlayer(playerID)) {
    const Round& round = index->At(position);
    if (view.Record.HasEvent(round.EventID)) stats.AddRound(round);
  }
}

// Every round played in one of the tour's events, in list order.
void AddTourRounds(const WebContext& context, const Tour& tour, RoundStats& stats) {
  const RoundList& rounds = context.Data.Rounds;
  if (const RoundIndex* index = context.Rounds) {
    const auto inTour = [&tour](std::string_view eventID) { return tour.HasEvent(eventID); };
    for (const int position : index->ByEvents(inTour))
      stats.AddRound(rounds.RecordAt(position));
    return;
  }
  for (int i = 0; i < rounds.Count(); ++i)
    if (tour.HasEvent(rounds.RecordAt(i).EventID)) stats.AddRound(rounds.RecordAt(i));
}

void WriteEclecticTable(Page& page, const TourView& view, RoundStats& stats, const Course* course) {
  page.Line("<!-- Table with Tour eclectic results -->");
  page.Line(kTableStart);
  if (course != nullptr) {
    WriteCourseRows(page, *course, stats);
  } else {
    // Without a course every hole has par 0, so holes rank and average by their mean strokes.
    stats.RankHoles(Result());
    WriteHoleRow(page, CaptionOf(view, Caption::Hole), ColorOf(view, ColorKey::Green));
    page.EndLine();
    WriteRankRow(page, CaptionOf(view, Caption::Rank), stats.HoleRank,
                 ColorOf(view, ColorKey::Total));
    page.EndLine();
    WriteAverageRow(page, CaptionOf(view, Caption::Average), stats, ColorOf(view, ColorKey::Green));
    page.EndLine();
  }
  for (const StandingLine& line : view.Record.Standings) {
    const StandingFields fields = StandingFields::Parse(line.Text);
    const std::string& playerID = fields.PlayerID;
    RoundStats player;
    AddTourPlayerRounds(view, playerID, player);
    const std::string label =
        "<B>" + HtmlEscape(fields.Place) + "</B>&nbsp;" + PlayerAnchorOrID(view.Context, playerID);
    WriteScoreRow(page, label, player.Eclectic, course != nullptr ? &course->Par : nullptr);
    page.EndLine();
  }
  page.Line("</TABLE>");
}

std::string ValueHeading(const TourView& view) {
  const AppSettings& settings = view.Context.Settings;
  const std::string& pts = CaptionOf(view, Caption::Pts);
  const TourScoringSystem& system = ScoringOf(view.Record.Type);
  if (!system.PtsHeading) return std::string();
  switch (system.PointsTable) {
    case TourPointsTable::kPtsP:
      return "<TD><SMALL><A href=\"" + PageLink(PtsPPage(settings, view.Record.Ntot)) + "\">" +
             pts + "</A></SMALL>";
    case TourPointsTable::kF1:
      return "<TD><SMALL><A href=\"" + PageLink(F1Page(settings)) + "\">" + pts + "</A></SMALL>";
    default:
      return "<TD><SMALL>" + pts + "</SMALL>";
  }
}

void WriteStandingsHeading(Page& page, const TourView& view) {
  const std::string columns = std::to_string(view.Columns);
  const std::string green = "<TR" + CellColor(ColorOf(view, ColorKey::Green)) + ">";
  std::string events = green + "<TH rowspan=2>" + CaptionOf(view, Caption::Pos) + "<TH rowspan=2>" +
                       CaptionOf(view, Caption::Result) + "<TD rowspan=2>" +
                       CaptionOf(view, Caption::Player) + "<TD rowspan=2> # ";
  std::string cells = green;
  for (int k = 1; k <= view.Record.EventCount(); ++k) {
    if (const Event* event = EventOf(view, k))
      events += "<TD colspan=" + columns + " align=center><A href=\"" +
                HtmlEscape(PageLink(EventPage(view.Context.Settings, *event))) + "\">" +
                HtmlEscape(event->ID) + "</A>";
    else
      events += "<TD colspan=" + columns + ">";
    cells += "<TD><SMALL>" + CaptionOf(view, Caption::Pos) + "</SMALL><TD><SMALL>" +
             CaptionOf(view, Caption::Res) + "</SMALL>" + ValueHeading(view);
  }
  page.Line(events);
  page.Line(cells);
}

// How one event shows in a player's line: `Dropped` holds the colour attributes of a result
// that does not count (empty when it counts).
struct EventMarks {
  std::string Dropped;
  bool Mandatory = false;
};

// The place and result cells of a player's result line (nullptr: no result).
std::string ResultCells(const std::string* line, const EventMarks& marks) {
  const std::string& colors = marks.Dropped;
  if (line == nullptr) return "<TD" + colors + ">&nbsp;<TD" + colors + ">&nbsp;";
  const ResultFields fields = ResultFields::Parse(*line);
  std::string place = HtmlEscape(fields.Place);
  std::string result = HtmlEscape(fields.Result);
  if (marks.Mandatory) {
    place = "<U>" + place + "</U>";
    result = "<U>" + result + "</U>";
  }
  place = place == "1" ? "<B>" + place + "</B>" : "<SMALL>" + place + "</SMALL>";
  if (!marks.Dropped.empty()) {
    place = "<STRIKE>" + place + "</STRIKE>";
    result = "<STRIKE>" + result + "</STRIKE>";
  }
  return "<TD align=center" + colors + ">" + place + "<TD align=center" + colors + "><SMALL>" +
         result + "</SMALL>";
}

std::string ValueCell(const TourView& view, const Event& event, std::string_view playerID,
                      const EventMarks& marks) {
  std::string value = EventValueText(view.Record, event.ID, playerID, view.Context.Data);
  if (marks.Mandatory)
    value = value.empty() ? "<U>0</U>" : "<U>" + value + "</U>";
  else if (value.empty())
    value = "&nbsp;";
  value = marks.Dropped.empty() ? "<B>" + value + "</B>" : "<STRIKE>" + value + "</STRIKE>";
  return "<TD align=center" + marks.Dropped + "><SMALL>" + value + "</SMALL>";
}

std::string EventCells(const TourView& view, const StandingLine& line, int k) {
  const Event* event = EventOf(view, k);
  if (event == nullptr)
    return view.Columns == 3 ? "<TD>&nbsp;<TD>&nbsp;<TD>&nbsp;" : "<TD>&nbsp;<TD>&nbsp;";
  // A line read from the file carries no values: nothing is dropped or mandatory there.
  EventMarks marks;
  if (const TourResults* results = line.Attached.get()) {
    if (results->IsDropped(k, view.Record.Worst))
      marks.Dropped = CellColor(ColorOf(view, ColorKey::Score0));
    marks.Mandatory = results->IsMandatory(k);
  }
  const std::string playerID = StandingFields::Parse(line.Text).PlayerID;
  std::string cells = ResultCells(view.Events.ResultOf(k, playerID), marks);
  if (view.Columns == 3) cells += ValueCell(view, *event, playerID, marks);
  return cells;
}

void WriteStandings(Page& page, const TourView& view) {
  page.Line("<!-- Table with Tour results -->");
  page.Line(kTableStart);
  WriteStandingsHeading(page, view);
  int number = 0;
  for (const StandingLine& line : view.Record.Standings) {
    const StandingFields fields = StandingFields::Parse(line.Text);
    std::string row = RowStart(view, ++number) + HeaderCell(HtmlEscape(fields.Place)) +
                      "<TH><FONT size=+1>" + HtmlEscape(fields.Total) + "</FONT><TD>" +
                      PlayerAnchorOrID(view.Context, fields.PlayerID) +
                      "<TD align=center><SMALL><I>" + HtmlEscape(fields.Events) + "</I></SMALL>";
    for (int k = 1; k <= view.Record.EventCount(); ++k)
      row += EventCells(view, line, k);
    page.Line(row);
  }
  page.Line("</TABLE>");
  if (view.Record.Worst > 0)
    page.Line(
        std::string(kTableStart) + "<TR><TD" + CellColor(ColorOf(view, ColorKey::Score0)) + "><I>" +
        ReplaceAll("%d", std::to_string(view.Record.Worst), CaptionOf(view, Caption::ColorWorst)) +
        "</I></TABLE>");
}

void WriteEventsTable(Page& page, const TourView& view) {
  page.Line("<!-- Table with Tour events -->");
  page.Line("<H3>" + CaptionOf(view, Caption::TourEvents) + " " + HtmlEscape(view.Record.Name) +
            "</H3>");
  page.Line(kTableStart);
  page.Line("<TR" + CellColor(ColorOf(view, ColorKey::Green)) + "><TH>#<TH>" +
            CaptionOf(view, Caption::Date) + "<TD>" + CaptionOf(view, Caption::ID) + "<TD>" +
            CaptionOf(view, Caption::Event) + "<TD>");
  // The colours follow the position, so an event that is gone leaves a repeated colour.
  for (int k = 1; k <= view.Record.EventCount(); ++k) {
    const Event* event = EventOf(view, k);
    if (event == nullptr) continue;
    page.Line(RowStart(view, k) + "<TH>" + std::to_string(k) + "<TH>" + ShortDateText(event->Date) +
              "<TD><SMALL><B>" + HtmlEscape(event->ID) + "</B></SMALL><TD>" +
              EventAnchor(view.Context, event) + "<TD>");
  }
  page.Line("</TABLE>");
}

void WriteCourseBlock(Page& page, const TourView& view, const Course& course, RoundStats& stats) {
  page.Line("<H3>" + CaptionOf(view, Caption::CourseStats) + " " + HtmlEscape(view.Record.Name) +
            " / " + CourseAnchor(view.Context, course) + "</H3>");
  page.Line("<!-- Table with Course statistics for the tour -->");
  page.Line(kTableStart);
  WriteCourseRows(page, course, stats);
  WriteScoreRow(page, CaptionOf(view, Caption::Eclectic), stats.Eclectic, &course.Par);
  page.EndLine();
  page.Line("</TABLE>");
}

void WriteRankings(Page& page, const TourView& view) {
  StatList list;
  list.Generate(view.Context.Data, view.Record.ID, 0);
  WriteRankingTables(page, list);
}

}  // namespace

void WriteTourPage(Page& page, std::string_view tourID) {
  const WebContext& context = page.Context();
  Database& database = context.Data;
  const Tour* tour = database.Tours.FindRecord(tourID);
  if (tour == nullptr) return;
  const TourEvents events(database.Events, *tour);
  const TourView view{context, *tour, IsDecimalType(*tour) ? 3 : 2, events};
  ShowStatus(tour->Name);
  page.WritePicture(tour->ID, tour->Name);
  page.Line("<H1>" + context.Settings.CaptionText(Caption::TourResults) + " " +
            HtmlEscape(tour->Name) + "</H1>");
  RoundStats stats;
  AddTourRounds(context, *tour, stats);
  const Course* course = tour->CommonCourse(database.Events, database.Courses);
  const bool eclectic = tour->Type == kEclectic;
  if (eclectic)
    WriteEclecticTable(page, view, stats, course);
  else
    WriteStandings(page, view);
  WriteEventsTable(page, view);
  if (!eclectic && course != nullptr) WriteCourseBlock(page, view, *course, stats);
  WriteRankings(page, view);
  page.WriteLinksBar();
}

}  // namespace cardwise
