#pragma once
// Statistics of play of a set of rounds: score distributions relative to par, per-round
// averages (strokes, birdies, putts, greens, fairways, chip-ins, N-Index, M-Index), the
// eclectic card and the per-hole averages with a difficulty rank of the holes.
//
// Texts use "." as decimal point and are padded on the left with spaces to their width.

#include <array>
#include <cstdint>
#include <string>

#include "records/hole_row.h"
#include "records/round.h"

namespace cardwise {

inline constexpr int kMinClass = -3;  // albatross or better
inline constexpr int kMaxClass = 10;  // ten or more over par
inline constexpr int kClassCount = kMaxClass - kMinClass + 1;

// The class of a hole: score minus par clamped to -3..+10 (for an unplayed hole, minus par).
int ScoreClass(int score, int par);

// A distribution of holes by score relative to par.
struct ParStat {
  std::int32_t Holes = 0;
  std::array<std::int32_t, kClassCount> Bucket{};  // index class - kMinClass

  void AddHole(int scoreClass, int weight);  // the class is clamped to -3..+10
  int BucketOf(int scoreClass) const;        // 0 outside -3..+10
  float MeanToPar() const;                   // mean class per hole; 0 without holes
  std::string MeanToParText() const;         // 2 decimals, width 3, "+" when above 0
  std::string PerRoundText() const;          // MeanToPar x 18, 1 decimal, width 3, "+" above 0
  float BucketShare(int scoreClass) const;   // percent of the holes
  std::string BucketShareText(int scoreClass) const;  // 1 decimal, width 2, "%"; empty for 0
  int HighTotal() const;                              // holes at triple bogey or worse
  std::string HighShareText() const;             // HighTotal as percent, 1 decimal, width 2, "%"
  std::int16_t BucketTotal() const;              // all buckets
  std::string BucketText(int scoreClass) const;  // the count, "&nbsp;" below 1
};

// A running sum of one per-round figure. Each addition is done in double and stored back as a
// 32-bit float, as the statistics have always been kept.
struct SumStat {
  std::int32_t Samples = 0;
  float Sum = 0;

  void AddValue(double value);
  float Mean() const;                        // 0 without samples
  std::string MeanText(int decimals) const;  // width decimals + 1; empty when Mean is 0
  std::string SamplesText() const;           // empty when 0 or less
  std::string PercentText() const;           // Mean x 100, 0 decimals, width 2, "%"
};

struct RoundStats {
  Result Eclectic;  // the best score ever made on each hole
  ParStat AllHoles, Par3Holes, Par4Holes, Par5Holes;
  SumStat AfterBogey;  // M-Index samples: the class of the hole after a first bogey
  SumStat NIndex, ChipIns, PuttsPerRound, PuttsPerGIR, GreensShare, FairwaysShare, Birdies,
      StrokesPerRound;
  std::array<ParStat, kHoles> HoleStats;  // [hole - 1]
  std::array<std::int32_t, kHoles> HoleStrokes{};
  std::array<std::int32_t, kHoles> HolePlayed{};
  std::array<float, kHoles> HoleToPar{};  // set by RankHoles
  std::array<std::uint8_t, kHoles> HolePar{};
  std::array<std::int16_t, kHoles> HoleRank{};  // 1 = hardest, set by RankHoles

  // Adds one round (its Score, Greens, Putts, Fairways and CPar rows).
  void AddRound(const Round& round);
  // Takes the par of each hole from a course's Par row and computes HoleToPar and HoleRank;
  // holes with equal means share a rank and the next rank is skipped.
  void RankHoles(const Result& coursePar);
  int MaxHolePlayed() const;  // the largest Holes count among HoleStats
  // Mean of AfterBogey / MeanToPar of AllHoles x 100, 0 decimals, width 2, "%"; empty when
  // the mean per hole is at or under par.
  std::string MIndexText() const;
};

// Fixed-point text: `decimals` decimals, "." as point, padded with spaces to `width`.
std::string FixedText(double value, int decimals, int width);

}  // namespace cardwise
