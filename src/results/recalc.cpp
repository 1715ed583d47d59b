#include "results/recalc.h"

#include "platform/status_sink.h"
#include "results/event_results.h"
#include "results/tour_standings.h"

namespace cardwise {

Status RecalcAllEvents(TEventList& events, const TRoundList& rounds, const std::string& path) {
  for (int i = 0; i < events.Count(); ++i) CalcResults(events.RecordAt(i), rounds);
  return events.SaveAll(path);
}

Status RecalcAllTours(TDatabase& database, const std::string& path) {
  for (int i = 0; i < database.Tours.Count(); ++i) CalcTour(database.Tours.RecordAt(i), database);
  return database.Tours.SaveAll(path);
}

Status UpdatePlayersHcp(TDatabase& database, const std::string& path) {
  database.Players.ClearUsed();
  std::vector<int> updated;
  for (int i = database.Rounds.Count() - 1; i >= 0; --i) {
    const TRound& round = database.Rounds.RecordAt(i);
    int index = 0;
    if (!database.Players.Find(round.PlayerID, index)) continue;
    TPlayer& player = database.Players.RecordAt(index);
    if (player.Used) continue;
    player.Used = true;
    player.Hcp = round.Hcp;
    updated.push_back(index);
  }
  return database.Players.SaveRecords(updated, path);
}

}  // namespace cardwise
