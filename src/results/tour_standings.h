#pragma once
// A tour's standings: each player's values from the tour's events added up, the worst results
// dropped (mandatory events always count), the players ranked.

#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "results/round_stats.h"
#include "results/tour.h"

namespace cardwise {

struct Database;

// One player's values while standings are computed; attached to the player's standing line.
class TourResults {
 public:
  TourResults(bool ascending, int eventsInTour, std::vector<int> mandatory);

  bool Ascending = false;  // lower totals are better (tour types 0, 2, 5)
  int EventsInTour = 0;

  // Records the value of event k (1..EventsInTour) as its number text; the first value recorded
  // for k is the one that counts.
  void AddEventValue(int k, double value);
  double ValueAt(int k) const;  // 0 when none
  bool IsMandatory(int k) const;
  // Whether event k is among the player's w worst (later events count as worse among equals;
  // for ascending tours a missing or non-positive value is always among the worst).
  bool IsAmongWorst(int k, int w) const;
  // Whether event k is left out of the total: never when mandatory; otherwise among the worst
  // in a window widened by the mandatory events that are among the worst.
  bool IsDropped(int k, int w) const;
  double CountedTotal(int w) const;  // the values of the events not dropped

 private:
  std::vector<std::string> values_;  // [k - 1], the number texts; empty = none
  std::vector<int> mandatory_;
};

// One decimal, then trailing zeros and a trailing point stripped (12.5, 12, 0), "." as point.
std::string NumberText(double value);

// Computes the tour's standings from its events' results as they are in memory: the values of
// each result line added per player, the worst dropped, the lines sorted and their places
// numbered. Fills Dir with the year of the first round found when it is empty.
void CalcTour(Tour& tour, Database& database);

// Whether standing line a ranks before line b; equal totals get the note "=" on both.
bool StandingBefore(const Tour& tour, StandingLine& a, StandingLine& b);

// Writes the standing as an event section (type 3 for ascending tours, else 4; Make=0) into
// an events file. The event list in memory is not changed.
Status SaveAsEvent(Tour& tour, const std::string& path);

}  // namespace cardwise
