#include "results/stat_rankings.h"

namespace cardwise {

const std::array<Ranking, 6>& Rankings() {
  static constexpr std::array<Ranking, 6> kRankings = {{
      {.Name = "Scoring Average",
       .Key = SortStrokes,
       .Stat = &RoundStats::StrokesPerRound,
       .Width = 3,
       .Decimals = 2,
       .Always = true},
      {.Name = "Birdie Average",
       .Key = SortBirdies,
       .Stat = &RoundStats::Birdies,
       .Width = 3,
       .Decimals = 2,
       .HigherFirst = true,
       .TotalColumn = true,
       .NeedsSum = true},
      {.Name = "Putting Average (GIR)",
       .Key = SortPuttsGIR,
       .Stat = &RoundStats::PuttsPerGIR,
       .Width = 4,
       .Decimals = 3},
      {.Name = "Putts Per Round",
       .Key = SortPutts,
       .Stat = &RoundStats::PuttsPerRound,
       .Width = 2,
       .Decimals = 1,
       .TotalColumn = true},
      {.Name = "Greens in Regulation (GIR)",
       .Key = SortGreens,
       .Stat = &RoundStats::GreensShare,
       .Width = 2,
       .Decimals = 1,
       .HigherFirst = true,
       .Percent = true},
      {.Name = "Driving Accuracy",
       .Key = SortFairways,
       .Stat = &RoundStats::FairwaysShare,
       .Width = 2,
       .Decimals = 1,
       .HigherFirst = true,
       .Percent = true},
  }};
  return kRankings;
}

bool Qualifies(const Ranking& ranking, const SumStat& stat, int minRounds) {
  return stat.Samples >= minRounds && (!ranking.NeedsSum || stat.Sum > 0);
}

bool AnyQualifies(const Ranking& ranking, const StatList& list, int minRounds) {
  for (int i = 0; i < list.Count(); ++i)
    if (Qualifies(ranking, list.RS(i).*ranking.Stat, minRounds)) return true;
  return false;
}

std::string RankingValue(const Ranking& ranking, const SumStat& stat) {
  if (ranking.Percent) return FixedText(stat.Mean() * 100.0, ranking.Decimals, ranking.Width) + "%";
  return FixedText(stat.Mean(), ranking.Decimals, ranking.Width);
}

std::vector<RankedEntry> RankEntries(const Ranking& ranking, StatList& list, int minRounds) {
  list.SortList(ranking.Key);
  std::vector<RankedEntry> ranked;
  int rank = 1;
  for (int i = 0; i < list.Count(); ++i) {
    const SumStat& stat = list.RS(i).*ranking.Stat;
    if (!Qualifies(ranking, stat, minRounds)) continue;
    if (!ranked.empty()) {
      const float before = (list.RS(i - 1).*ranking.Stat).Mean();
      const float mean = stat.Mean();
      if (ranking.HigherFirst ? mean < before : mean > before)
        rank = static_cast<int>(ranked.size()) + 1;
    }
    ranked.push_back({i, rank});
  }
  return ranked;
}

}  // namespace cardwise
