#pragma once
// The values a player collects in the events of a tour, by the tour's scoring system, each
// multiplied by the event's weight in the tour.

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/round.h"
#include "results/round_stats.h"
#include "results/tour.h"

namespace cardwise {

struct Database;

// The rounds of each player (PlayerID, letter case counts) as indexes into a round list, in list
// order. Built once by a computation that asks for many players' rounds; valid while the list
// it was built from is not changed.
class RoundsByPlayer {
 public:
  explicit RoundsByPlayer(const RoundList& rounds);

  // The indexes of the player's rounds; empty when there are none.
  const std::vector<int>& RoundsOf(std::string_view playerID) const;

 private:
  std::map<std::string, std::vector<int>, std::less<>> byPlayer_;
};

// Adds to the statistics every round of the player (PlayerID equal, letter case counts) whose
// EventID belongs to the tour.
void AddPlayerRounds(const Tour& tour, std::string_view playerID, RoundStats& stats,
                     const RoundList& rounds);

// Tour types.
enum TourType : int {
  kResultAscending = 0,   // the event score, lower is better
  kResultDescending = 1,  // the event score, higher is better
  kPlaceOrder = 2,        // the place averaged over ties, lower is better
  kF1System = 3,          // F1 points of the place
  kPtsPSystem = 4,        // Pts(p) points of the place
  kEclectic = 5,          // the eclectic score over the tour's rounds, lower is better
  kNominell = 6,          // strokes under par, or Stableford points over 36
};

// How the standings order the players by their totals.
enum class TourOrder {
  kAscending,   // lower is better; a zero total ranks last
  kDescending,  // higher is better
  kUnordered,   // an unknown type: the lines keep their order
};

// How a value is written in the tour table and the CSV.
enum class TourValueText {
  kWhole,              // a whole number, a half rounded away from zero
  kOneDecimal,         // "12.5", "12.0"
  kOneDecimalTrimmed,  // "12.5", "12" (a trailing ".0" dropped)
};

// The points table page a tour's value column links to.
enum class TourPointsTable { kNone, kF1, kPtsP };

// What a value function is given; defined in tour_scoring.cpp.
struct TourValueArgs;

// One tour scoring system. To add one: a TourType, its row in the table of tour_scoring.cpp and
// its value function there.
struct TourScoringSystem {
  TourType Type;
  const char* Caption;  // the tour editor's radio button
  bool PtsHeading;      // the tour page heads the value column with the Pts caption
  TourOrder Order;
  TourValueText ValueText;
  int SavedEventType;  // the event type the standings are saved as (kManualAscending, ...)
  TourPointsTable PointsTable;
  // The player's value in one event, before the event's weight.
  float (*Value)(const TourValueArgs& args);
};

// Every system, in the order of the types (the tour editor's order).
std::span<const TourScoringSystem> TourScoringSystems();
// The system of the type; for an unknown type one without caption, order, heading or table,
// whose values are 0 and which saves as kManualDescending.
const TourScoringSystem& ScoringOf(int type);

// Pts(p) points of place p in an event of `nevent` players in a tour of `ntour` players,
// averaged over t tied places (32-bit float steps).
float PtsP(int p, int nevent, int ntour, int t);
// F1 points of place p (25, 20, 16, 13, 11, 10, 9, ..., 1 at place 15, 0 after), averaged
// over t tied places.
float F1Points(int p, int t);
// The mean of the places p .. p + t - 1.
float PlaceAverage(int p, int t);

// The event's weight: its field of Weights at the event's position in Events; a weight that is
// missing, empty or 0 counts as 1.
float EventWeight(const Tour& tour, std::string_view eventID);

// The player's weighted value in the event; 0 when the event or the player's result is missing,
// and for unknown tour types. An eclectic value sets the player's Used flag. `byPlayer`, when
// given, is an index of the round list by player that a computation over many players builds
// once from database.Rounds; without it the rounds are scanned.
float EventValue(const Tour& tour, std::string_view eventID, std::string_view playerID,
                 Database& database, const RoundsByPlayer* byPlayer = nullptr);

// Types 2, 3, 4 and 6 show values with one decimal (the table below says which).
bool IsDecimalType(const Tour& tour);
// EventValue as the tour table shows it, by the system's ValueText; empty for 0. "." is the
// decimal point.
std::string EventValueText(const Tour& tour, std::string_view eventID, std::string_view playerID,
                           Database& database);

}  // namespace cardwise
