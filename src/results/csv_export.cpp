#include "results/csv_export.h"

#include <map>

#include "platform/codepage.h"
#include "records/dates.h"
#include "records/text.h"
#include "results/divisions.h"
#include "results/draw_sheet.h"
#include "results/event_results.h"
#include "results/handicap_index.h"
#include "results/knockout_bracket.h"
#include "results/result_line.h"
#include "results/stat_rankings.h"
#include "results/team_results.h"
#include "results/tour_scoring.h"
#include "results/tour_standings.h"

namespace cardwise {

namespace {

std::string Utf8(std::string_view text) {
  return Windows1252ToUtf8(text);
}

std::string PlayerName(const Database& database, std::string_view playerID) {
  const Player* player = database.Players.FindRecord(playerID);
  return player ? Utf8(player->Name) : std::string();
}

std::string NumberOrEmpty(int value) {
  return value > 0 ? std::to_string(value) : std::string();
}

bool IsPlaceholder(const Round& round) {
  return round.ID == kPlaceholderID;
}

std::string DateOrEmpty(DateTime value, std::string_view pattern) {
  return value != 0 ? FormatDateTime(pattern, value) : std::string();
}

// Manual results have no rounds behind them, so their table has no round columns.
bool HasRoundColumns(const Event& event) {
  return event.Type != kManualAscending && event.Type != kManualDescending;
}

CsvRow RoundCells(const Database& database, const ResultFields& line) {
  const Round* round = database.Rounds.FindRecord(line.RoundID);
  if (round == nullptr) return {"", "", Utf8(line.RoundID), Utf8(line.Note)};
  return {Trim(FixedText(round->Hcp, 1, 0)), std::to_string(round->Strokes), Utf8(round->ID),
          Utf8(line.Note)};
}

std::string PlayerNames(const Database& database, const std::vector<std::string>& ids) {
  std::string names;
  for (const std::string& id : ids)
    names += (names.empty() ? "" : "+") + PlayerName(database, id);
  return names;
}

// The team of a result line: its name as shown, and the playing handicaps of its card.
CsvRow TeamCells(const Event& event, const std::vector<TeamCard>& cards, const Database& database,
                 const std::vector<std::string>& ids) {
  if (const TeamCard* card = CardOfLine(cards, ";;" + JoinedIDs(ids)))
    return {Utf8(TeamDisplayName(card->Members, database.Players)), card->PlayingHcpText()};
  for (const Team& team : event.Teams)
    if (team.Members == ids) return {Utf8(TeamDisplayName(team, database.Players)), ""};
  return {"", ""};
}

CsvTable TeamResultsTable(const Event& event, const Database& database) {
  std::vector<TeamCard> cards;
  if (IsComputed(event.Type))
    BuildTeamCards(event, database.Rounds, database.Players, database.Courses, cards);
  CsvTable table{
      {"Place", "Result", "Team", "Player IDs", "Players", "Playing Hcp", "Round IDs", "Note"}, {}};
  for (const std::string& text : event.Results) {
    const ResultFields line = ResultFields::Parse(text);
    const std::vector<std::string> ids = SplitIDs(line.PlayerID);
    const CsvRow team = TeamCells(event, cards, database, ids);
    table.Rows.push_back({Utf8(line.Place), Utf8(line.Result), team[0], Utf8(line.PlayerID),
                          PlayerNames(database, ids), team[1], Utf8(line.RoundID),
                          Utf8(line.Note)});
  }
  return table;
}

}  // namespace

CsvTable EventResultsTable(Event& event, Database database) {
  CalcEventResults(event, database.Rounds, database.Players, database.Courses);
  if (event.IsTeamEvent()) return TeamResultsTable(event, database);
  const bool rounds = HasRoundColumns(event);
  CsvTable table{{"Place", "Result", "Player ID", "Player"}, {}};
  if (rounds) table.Header.insert(table.Header.end(), {"Hcp", "Strokes", "Round ID", "Note"});
  if (!event.Divisions.empty()) table.Header.push_back("Division");
  for (const std::string& text : event.Results) {
    const ResultFields line = ResultFields::Parse(text);
    CsvRow row{Utf8(line.Place), Utf8(line.Result), Utf8(line.PlayerID),
               PlayerName(database, line.PlayerID)};
    if (rounds) {
      const CsvRow cells = RoundCells(database, line);
      row.insert(row.end(), cells.begin(), cells.end());
    }
    if (!event.Divisions.empty()) row.push_back(ResultDivision(event, text, database));
    table.Rows.push_back(std::move(row));
  }
  return table;
}

CsvTable DrawTable(const Event& event, const Database& database) {
  CsvTable table{{"Group", "Time", "Tee", "Player ID", "Player", "Hcp", "Strokes"}, {}};
  for (const DrawRow& row : DrawRows(event, database))
    table.Rows.push_back({std::to_string(row.Group), row.Time, row.Tee, Utf8(row.PlayerID),
                          row.Player ? Utf8(row.Player->Name) : "", row.Hcp, row.Strokes});
  return table;
}

namespace {

// The tour's events whose pages are made get their results computed first, as a run of the
// pages computes them before the tour's standings.
void CalcTourEvents(const Tour& tour, Database database) {
  for (int k = 1; k <= tour.EventCount(); ++k) {
    Event* event = database.Events.FindRecord(tour.EventAt(k));
    if (event != nullptr && event->Make)
      CalcEventResults(*event, database.Rounds, database.Players, database.Courses);
  }
}

void AddEventHeader(const Tour& tour, CsvRow& header) {
  for (int k = 1; k <= tour.EventCount(); ++k) {
    const std::string id = Utf8(tour.EventAt(k));
    header.insert(header.end(), {id + " Place", id + " Result"});
    if (IsDecimalType(tour)) header.push_back(id + " Points");
  }
}

// Place and result of the player's line in event k (empty when there is none), and the value.
void AddEventCells(const Tour& tour, int k, const std::string& playerID, Database database,
                   CsvRow& row) {
  const Event* event = database.Events.FindRecord(tour.EventAt(k));
  int index = -1;
  const bool found = event != nullptr && event->FindResult(playerID, index);
  const ResultFields line =
      found ? ResultFields::Parse(event->Results[static_cast<std::size_t>(index)]) : ResultFields();
  row.push_back(Utf8(line.Place));
  row.push_back(Utf8(line.Result));
  if (IsDecimalType(tour))
    row.push_back(event ? EventValueText(tour, event->ID, playerID, database) : "");
}

std::string DroppedEvents(const Tour& tour, const StandingLine& line) {
  std::string dropped;
  const TourResults* results = line.Attached.get();
  for (int k = 1; results != nullptr && k <= tour.EventCount(); ++k) {
    if (!results->IsDropped(k, tour.Worst)) continue;
    if (!dropped.empty()) dropped += ' ';
    dropped += Utf8(tour.EventAt(k));
  }
  return dropped;
}

}  // namespace

CsvTable TourStandingsTable(Tour& tour, Database database) {
  CalcTourEvents(tour, database);
  CalcTour(tour, database);
  CsvTable table{{"Place", "Total", "Events", "Player ID", "Player"}, {}};
  AddEventHeader(tour, table.Header);
  table.Header.push_back("Not counted");
  for (const StandingLine& line : tour.Standings) {
    const StandingFields fields = StandingFields::Parse(line.Text);
    const std::string& playerID = fields.PlayerID;
    CsvRow row{Utf8(fields.Place), Utf8(fields.Total), Utf8(fields.Events), Utf8(playerID),
               PlayerName(database, playerID)};
    for (int k = 1; k <= tour.EventCount(); ++k)
      AddEventCells(tour, k, playerID, database, row);
    row.push_back(DroppedEvents(tour, line));
    table.Rows.push_back(std::move(row));
  }
  return table;
}

namespace {

// The rank of each player ID in one ranking.
using RanksOfPlayers = std::map<std::string, int>;

CsvRow StatsHeader() {
  CsvRow header{"Player ID", "Player"};
  for (const Ranking& ranking : Rankings()) {
    const std::string name = ranking.Name;
    header.insert(header.end(), {name + " Rank", name, name + " Rounds"});
  }
  return header;
}

CsvRow StatsRow(const Database& database, const StatList& list, int i,
                const std::vector<RanksOfPlayers>& ranks) {
  const Player* player = list.P(i, database);
  CsvRow row{Utf8(list.ID(i)), player ? Utf8(player->Name) : ""};
  for (std::size_t r = 0; r < Rankings().size(); ++r) {
    const Ranking& ranking = Rankings()[r];
    const SumStat& stat = list.RS(i).*ranking.Stat;
    const auto rank = ranks[r].find(list.ID(i));
    row.push_back(rank != ranks[r].end() ? std::to_string(rank->second) : "");
    row.push_back(stat.Samples > 0 ? Trim(RankingValue(ranking, stat)) : "");
    row.push_back(NumberOrEmpty(stat.Samples));
  }
  return row;
}

// Ranks the list by every ranking in the pages' order, so that tied players come out as there;
// returns the player IDs in the order of the first ranking.
std::vector<std::string> RankAll(StatList& list, int minRounds,
                                 std::vector<RanksOfPlayers>& ranks) {
  std::vector<std::string> order;
  for (const Ranking& ranking : Rankings()) {
    RanksOfPlayers& ofPlayers = ranks.emplace_back();
    for (const RankedEntry& entry : RankEntries(ranking, list, minRounds))
      ofPlayers[list.ID(entry.Index)] = entry.Rank;
    if (order.empty())
      for (int i = 0; i < list.Count(); ++i)
        order.push_back(list.ID(i));
  }
  return order;
}

}  // namespace

CsvTable YearStatsTable(Database database, int year, int minRounds) {
  StatList list;
  list.Generate(database, "", year);
  std::vector<RanksOfPlayers> ranks;
  const std::vector<std::string> order = RankAll(list, minRounds, ranks);
  std::map<std::string, int> indexOf;  // where each player is after the last ranking
  for (int i = 0; i < list.Count(); ++i)
    indexOf[list.ID(i)] = i;
  CsvTable table{StatsHeader(), {}};
  for (const std::string& id : order)
    table.Rows.push_back(StatsRow(database, list, indexOf[id], ranks));
  return table;
}

namespace {

CsvRow RoundsHeader() {
  CsvRow header{"Round ID", "Date",  "Tee time", "Player ID", "Player", "Course ID", "Course",
                "Event ID", "Event", "Hcp",      "Strokes",   "Gross",  "Nett",      "Points"};
  for (int hole = 1; hole <= kHoles; ++hole)
    header.push_back(std::to_string(hole));
  return header;
}

CsvRow RoundRow(const Round& round) {
  const int gross = round.Score.TotalIfComplete();
  CsvRow row{Utf8(round.ID),
             DateOrEmpty(round.Date, "yyyy-mm-dd"),
             DateOrEmpty(round.Start, "hh:nn"),
             Utf8(round.PlayerID),
             Utf8(round.PlayerName),
             Utf8(round.CourseID),
             Utf8(round.CourseName),
             Utf8(round.EventID),
             Utf8(round.EventName),
             Trim(FixedText(round.Hcp, 1, 0)),
             std::to_string(round.Strokes),
             NumberOrEmpty(gross),
             gross > 0 ? std::to_string(gross - round.Strokes) : "",
             std::to_string(round.PointsTotal())};
  for (int hole = 1; hole <= kHoles; ++hole)
    row.push_back(round.Score.HoleText(hole));
  return row;
}

DateTime YearDate(int year) {
  return year == 0 ? 0 : EncodeDate(year, 1, 1).value_or(-1);
}

}  // namespace

CsvTable RoundsTable(Database database, int year) {
  const DateTime inYear = YearDate(year);
  CsvTable table{RoundsHeader(), {}};
  for (int i = 0; i < database.Rounds.Count(); ++i) {
    const Round& round = database.Rounds.RecordAt(i);
    if (!IsPlaceholder(round) && round.InYear(inYear)) table.Rows.push_back(RoundRow(round));
  }
  return table;
}

bool HasRoundsIn(const RoundList& rounds, int year) {
  const DateTime inYear = YearDate(year);
  for (int i = 0; i < rounds.Count(); ++i)
    if (!IsPlaceholder(rounds.RecordAt(i)) && rounds.RecordAt(i).InYear(inYear)) return true;
  return false;
}

CsvTable HandicapsTable(const Database& database, DateTime asOf) {
  CsvTable table{{"Player ID", "Player", "Index", "Rounds counted", "Latest round", "No index"},
                 {}};
  for (const HandicapRow& row : HandicapRows(database, asOf))
    table.Rows.push_back({Utf8(row.PlayerID), Utf8(row.PlayerName), IndexText(row.Index),
                          std::to_string(row.RoundsCounted),
                          DateOrEmpty(row.LatestRound, "yyyy-mm-dd"), Utf8(row.NoIndex)});
  return table;
}

CsvTable KnockoutTable(const Knockout& knockout, const Database& database) {
  CsvTable table{
      {"Round", "Match", "Player A", "Player B", "Shots", "Receiver", "Winner", "Result"}, {}};
  for (const auto& [ref, match] : knockout.Matches) {
    const std::optional<MatchShots> shots =
        ShotsOf(knockout, match, database.Players, database.Courses);
    const std::string receiver = !shots || shots->Receiver < 0 ? std::string()
                                 : shots->Receiver == 0        ? match.PlayerA
                                                               : match.PlayerB;
    table.Rows.push_back({std::to_string(ref.Round), std::to_string(ref.Match),
                          Windows1252ToUtf8(match.PlayerA), Windows1252ToUtf8(match.PlayerB),
                          shots ? std::to_string(shots->Shots) : std::string(),
                          Windows1252ToUtf8(receiver), Windows1252ToUtf8(match.Winner),
                          Windows1252ToUtf8(match.Result)});
  }
  return table;
}

}  // namespace cardwise
