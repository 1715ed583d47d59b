#pragma once
// The statistics of every player over the rounds of a year or of a tour, sortable by six
// averages (the rankings of the statistics pages).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "results/line_sort.h"
#include "results/round_stats.h"

namespace cardwise {

struct Database;
struct Player;

// The sort keys; the numbers are part of the interface of the statistics pages.
enum StatSortKey : int {
  SortBirdies = 10,   // Birdies, higher first
  SortStrokes = 11,   // StrokesPerRound, lower first
  SortGreens = 12,    // GreensShare, higher first
  SortPutts = 13,     // PuttsPerRound, lower first
  SortPuttsGIR = 14,  // PuttsPerGIR, lower first
  SortFairways = 15,  // FairwaysShare, higher first
};

class StatList {
 public:
  using Entry = AttachedLine<RoundStats>;  // the player ID and the player's statistics

  // Adds every round of the year (0: any year) that belongs to the tour (empty ID: no tour
  // filter) and whose player exists, in round-list order; entries appear in the order their
  // players are first met. A tour ID that names no tour leaves the list unchanged.
  void Generate(const Database& database, std::string_view tourID, int year);

  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& ID(int i) const { return entries_.at(static_cast<std::size_t>(i)).Text; }
  RoundStats& RS(int i) { return *entries_.at(static_cast<std::size_t>(i)).Attached; }
  const RoundStats& RS(int i) const { return *entries_.at(static_cast<std::size_t>(i)).Attached; }
  // The player record of entry i; nullptr when there is none.
  const Player* P(int i, const Database& database) const;
  // Sorts in place by one of the six keys (the exchange quicksort of the result lists).
  void SortList(int key);

 private:
  std::vector<Entry> entries_;
};

}  // namespace cardwise
