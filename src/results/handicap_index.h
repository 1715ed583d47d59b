#pragma once
// The handicap index of every player, computed from the rounds by the rules of the World
// Handicap System:
//
// - Adjusted gross score: each hole's score capped at net double bogey, par + 2 + the strokes
//   the player receives on the hole from the round's Strokes and the card's stroke index (a
//   negative Strokes, a plus handicap, gives strokes back from stroke index 18 down).
// - Score differential: (113 / slope) x (adjusted gross score - course rating), rating and
//   slope taken from the round's course.
// - Index: from the most recent 20 differentials by the table for 3 to 20 scores (the lowest 1
//   minus 2.0 for 3, ..., the average of the lowest 8 of 20), at most 54.0.
// - Soft and hard cap, once the record holds 20 scores: an index more than 3.0 above the lowest
//   index of the 365 days before the day of the latest round rises by half the excess only,
//   and never by more than 5.0.
// - Exceptional score: a differential 7.0 (10.0) or more below the index in force before its
//   day takes 1.0 (2.0) off the most recent 20 differentials, itself included.
//
// Only 18-hole cards with a score, a par and a stroke index on every hole of a course with a
// rating and a slope count; the others are listed with the reason. Not modelled: the playing
// conditions calculation, 9-hole rounds, the par + 5 limit for a player without an index, and
// the daily revision (the index is computed again after every round). Values are whole tenths
// (123 is 12.3); every rounding is to the nearest tenth, a half away from zero.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/dates.h"
#include "records/round.h"
#include "results/database.h"

namespace cardwise {

using Tenths = int;

inline constexpr int kHandicapRecordSize = 20;  // the most recent differentials that count
inline constexpr int kFewestHandicapScores = 3;
inline constexpr Tenths kMaxHandicapIndex = 540;

// The card's adjusted gross score; nullopt with `reason` set when the card lacks a score, a par
// or a stroke index on some hole.
std::optional<int> AdjustedGrossScore(const Round& round, std::string& reason);

// (113 / slope) x (adjustedGross - courseRating); the rating counts to one decimal.
Tenths ScoreDifferential(int adjustedGross, float courseRating, float slope);

// How many of the lowest differentials make the index for a record of `count` (3..20) scores,
// and the adjustment added to their average; {0, 0} below 3.
struct IndexRule {
  int Lowest = 0;
  Tenths Adjustment = 0;
};
IndexRule IndexRuleFor(int count);

// The index from the most recent differentials (at most 20 are used, the last ones); nullopt
// for fewer than 3.
std::optional<Tenths> IndexFromDifferentials(const std::vector<Tenths>& recent);
// The positions in `recent` of the differentials that make the index (ties: the older first).
std::vector<int> CountingDifferentials(const std::vector<Tenths>& recent);

// The soft and hard cap of a calculated index against the lowest index of the past year.
Tenths CapIndex(Tenths calculated, Tenths lowIndex);

// The reduction an exceptional differential brings: 0, -10 or -20.
Tenths ExceptionalScoreReduction(Tenths indexBefore, Tenths differential);

// One round of a player's record.
struct HandicapScore {
  std::string RoundID;
  DateTime Date = 0;
  std::string NotCounted;  // why the round has no differential; empty when it has one
  int AdjustedGross = 0;
  Tenths Differential = 0;
  Tenths Reduction = 0;              // exceptional score reductions applied to it
  bool Recent = false;               // among the most recent 20 differentials
  bool Counting = false;             // among those that make the index
  std::optional<Tenths> IndexAfter;  // the index once this round was added; none below 3 scores

  bool Counted() const { return NotCounted.empty(); }
  Tenths Adjusted() const { return Differential + Reduction; }
};

// One row of the handicap report.
struct HandicapRow {
  std::string PlayerID, PlayerName;
  std::optional<Tenths> Index;
  int RoundsCounted = 0;              // rounds with a differential
  DateTime LatestRound = 0;           // the day of the latest of them; 0 for none
  std::string NoIndex;                // why there is no index
  std::vector<HandicapScore> Scores;  // every round up to the day of the report, oldest first
};

// The report's rows: one per player of the list (placeholders left out), in list order, from
// the rounds played up to and including `asOf`. A round belongs to the player whose ID equals
// its PlayerID without regard to letter case; rounds are taken in order of date and tee time.
std::vector<HandicapRow> HandicapRows(const Database& database, DateTime asOf);

// "12.3", a plus index as "+1.2", "-" for none.
std::string IndexText(std::optional<Tenths> index);

}  // namespace cardwise
