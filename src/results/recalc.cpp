#include "results/recalc.h"

#include <numeric>
#include <unordered_map>
#include <vector>

#include "results/event_results.h"
#include "results/tour_standings.h"

namespace cardwise {

namespace {

std::vector<int> AllIndexes(int count) {
  std::vector<int> indexes(static_cast<std::size_t>(count));
  std::iota(indexes.begin(), indexes.end(), 0);
  return indexes;
}

}  // namespace

BatchReport RecalcAllEvents(EventList& events, const RoundList& rounds, const std::string& path) {
  const EventRounds eventRounds(rounds, events);
  return events.UpdateRecords(AllIndexes(events.Count()), path, [&](int index) {
    Event& event = events.RecordAt(index);
    CalcResults(event, rounds, eventRounds.Of(event.ID));
    return true;
  });
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
