#include "results/player_merits.h"

#include <algorithm>

#include "records/text.h"
#include "results/event_teams.h"
#include "results/line_sort.h"
#include "results/result_line.h"

namespace cardwise {

namespace {

std::size_t FirstLines(std::size_t lines, int most) {
  return std::min(lines, static_cast<std::size_t>(std::max(0, most)));
}

}  // namespace

PlayerMerits::PlayerMerits(const EventList& events, const TourList& tours, int eventLines,
                           int tourLines) {
  for (int e = 0; e < events.Count(); ++e)
    TakeEvent(events.RecordAt(e), eventLines);
  for (int t = 0; t < tours.Count(); ++t)
    TakeTour(tours.RecordAt(t), tourLines);
}

void PlayerMerits::TakeEvent(const Event& event, int lines) {
  for (std::size_t i = 0; i < FirstLines(event.Results.size(), lines); ++i) {
    const ResultFields line = ResultFields::Parse(event.Results[i]);
    if (LeadingNumber(line.Place) > lines) continue;
    std::vector<std::string> named{line.PlayerID};
    if (event.IsTeamEvent())
      for (std::string& member : SplitIDs(line.PlayerID))
        if (std::find(named.begin(), named.end(), member) == named.end())
          named.push_back(std::move(member));
    for (const std::string& id : named)
      events_[id].push_back({&event, line.Place});
  }
}

void PlayerMerits::TakeTour(const Tour& tour, int lines) {
  for (std::size_t i = 0; i < FirstLines(tour.Standings.size(), lines); ++i) {
    const StandingFields line = StandingFields::Parse(LineText(tour.Standings[i]));
    tours_[line.PlayerID].push_back({&tour, line.Place});
  }
}

const std::vector<EventMerit>& PlayerMerits::OfEvents(std::string_view playerID) const {
  static const std::vector<EventMerit> none;
  const auto found = events_.find(playerID);
  return found == events_.end() ? none : found->second;
}

const std::vector<TourMerit>& PlayerMerits::OfTours(std::string_view playerID) const {
  static const std::vector<TourMerit> none;
  const auto found = tours_.find(playerID);
  return found == tours_.end() ? none : found->second;
}

}  // namespace cardwise
