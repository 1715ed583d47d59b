#pragma once
// The merits of every player: the events in whose first result lines the player stands (placed
// no lower than the number of lines counted) and the tours in whose first standing lines the
// player stands, found in one pass over all results and standings instead of one per player.
//
// A player is named by the exact ID of the line (a team's line names the team and each of its
// members). The index points into the lists: it is valid while their results and standings
// stay as they were when it was made.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "results/event.h"
#include "results/tour.h"

namespace cardwise {

struct EventMerit {
  const Event* Of = nullptr;
  std::string Place;
};

struct TourMerit {
  const Tour* Of = nullptr;
  std::string Place;
};

class PlayerMerits {
 public:
  // `eventLines` result lines of each event count (and places up to that number), `tourLines`
  // standing lines of each tour.
  PlayerMerits(const EventList& events, const TourList& tours, int eventLines, int tourLines);

  // In list order of the events and tours, and of the lines within each.
  const std::vector<EventMerit>& OfEvents(std::string_view playerID) const;
  const std::vector<TourMerit>& OfTours(std::string_view playerID) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };
  template <typename Merit>
  using ByPlayer = std::unordered_map<std::string, std::vector<Merit>, Hash, std::equal_to<>>;

  void TakeEvent(const Event& event, int lines);
  void TakeTour(const Tour& tour, int lines);

  ByPlayer<EventMerit> events_;
  ByPlayer<TourMerit> tours_;
};

}  // namespace cardwise
