#include "results/recalc.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <vector>

#include "records/text.h"
#include "results/event_results.h"
#include "results/team_results.h"
#include "results/tour_standings.h"

namespace cardwise {

namespace {

std::vector<int> AllIndexes(int count) {
  std::vector<int> indexes(static_cast<std::size_t>(count));
  std::iota(indexes.begin(), indexes.end(), 0);
  return indexes;
}

// The team line named at the start of the message ("Team2: unknown player ID X"), as a problem
// of the event's section: its key and value, without a line number.
LoadProblem TeamLineProblem(const Event& event, const std::string& message) {
  const std::size_t colon = message.find(": ");
  const std::string key = message.substr(0, colon);
  const std::size_t number = static_cast<std::size_t>(std::max(0, LeadingNumber(key.substr(4))));
  const std::string text =
      number >= 1 && number <= event.Teams.size() ? key + "=" + event.Teams[number - 1].Text() : "";
  return {0, text, colon == std::string::npos ? message : message.substr(colon + 2)};
}

}  // namespace

BatchReport RecalcAllEvents(Database& database, const std::string& path) {
  EventList& events = database.Events;
  // Every event's rounds found in one pass over the rounds, not one pass per event.
  const EventRounds eventRounds(database.Rounds, events);
  std::vector<LeftAlone> failed;
  BatchReport report = events.UpdateRecords(AllIndexes(events.Count()), path, [&](int index) {
    Event& event = events.RecordAt(index);
    if (!event.IsTeamEvent() || !IsComputed(event.Type)) {
      CalcResults(event, database.Rounds, eventRounds.Of(event.ID));
      return true;
    }
    const Status status =
        CalcEventResults(event, database.Rounds, database.Players, database.Courses);
    if (!status) failed.push_back({event.ID, {TeamLineProblem(event, status.message())}});
    return status.ok();
  });
  report.Kept.insert(report.Kept.end(), failed.begin(), failed.end());
  return report;
}

BatchReport RecalcAllTours(Database& database, const std::string& path) {
  TourList& tours = database.Tours;
  return tours.UpdateRecords(AllIndexes(tours.Count()), path, [&](int index) {
    CalcTour(tours.RecordAt(index), database);
    return true;
  });
}

BatchReport UpdatePlayersHcp(Database& database, const std::string& path) {
  // The handicap each player takes over, found before anything changes: a player whose section
  // cannot be rewritten keeps the handicap it has.
  database.Players.ClearUsed();
  std::vector<int> updated;
  std::unordered_map<int, float> latestHcp;
  for (int i = database.Rounds.Count() - 1; i >= 0; --i) {
    const Round& round = database.Rounds.RecordAt(i);
    int index = 0;
    if (!database.Players.Find(round.PlayerID, index)) continue;
    Player& player = database.Players.RecordAt(index);
    if (player.Used) continue;
    player.Used = true;
    latestHcp[index] = round.Hcp;
    updated.push_back(index);
  }
  return database.Players.UpdateRecords(updated, path, [&](int index) {
    database.Players.RecordAt(index).Hcp = latestHcp[index];
    return true;
  });
}

}  // namespace cardwise
