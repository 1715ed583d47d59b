#pragma once
// The six rankings of a stat list that the statistics pages show and the year statistics
// export lists: which average each ranks, how it is printed, who qualifies and which rank each
// player gets.

#include <array>
#include <string>
#include <vector>

#include "results/round_stats.h"
#include "results/stat_list.h"

namespace cardwise {

struct Ranking {
  const char* Name;  // "Scoring Average", ...
  int Key;           // the SortList key
  SumStat RoundStats::*Stat;
  int Width, Decimals;
  bool HigherFirst = false;  // the order SortList gives the key
  bool TotalColumn = false;  // the page shows the sum beside the average
  bool NeedsSum = false;     // qualifies only with a sum above 0
  bool Always = false;       // shown even when nobody qualifies
  bool Percent = false;      // the mean is a share, shown as a percentage
};

// In the order of the pages: scoring, birdie, putting (GIR), putts per round, greens, driving.
const std::array<Ranking, 6>& Rankings();

// At least `minRounds` samples (and a sum above 0 where the ranking needs one).
bool Qualifies(const Ranking& ranking, const SumStat& stat, int minRounds);
bool AnyQualifies(const Ranking& ranking, const StatList& list, int minRounds);
// The mean as the pages print it, padded to the ranking's width ("72.50", "38.9%").
std::string RankingValue(const Ranking& ranking, const SumStat& stat);

struct RankedEntry {
  int Index;  // the entry of the stat list
  int Rank;   // 1 = best; equal means share a rank
};

// Sorts the list by the ranking's key and returns the qualifying entries in that order with
// their ranks. Sorting leaves tied entries in the order the previous sort gave them, so the
// rankings are taken in the order of Rankings(). An entry left out for too few rounds still
// counts as the one before: its mean is what the next shown entry is compared with.
std::vector<RankedEntry> RankEntries(const Ranking& ranking, StatList& list, int minRounds);

}  // namespace cardwise
