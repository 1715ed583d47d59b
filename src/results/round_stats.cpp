#include "results/round_stats.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace cardwise {

namespace {

int ClampClass(int scoreClass) {
  return std::clamp(scoreClass, kMinClass, kMaxClass);
}

std::size_t BucketIndex(int scoreClass) {
  return static_cast<std::size_t>(ClampClass(scoreClass) - kMinClass);
}

// The number is formatted first and "+" put in front of the padded text. With the widths the
// statistics use (at least one decimal and width 3) the number never needs padding, so the
// order only matters to callers passing wider fields.
std::string SignedText(double value, int decimals, int width) {
  std::string text = FixedText(value, decimals, width);
  return value > 0 ? "+" + text : text;
}

std::string WithPercent(double value, int decimals) {
  return FixedText(value, decimals, 2) + "%";
}

// The shares and means are figures of the rounds in the files; the divisions are done in double
// and kept in the 32-bit floats the statistics have always used.
float Ratio(double numerator, double denominator) {
  return static_cast<float>(numerator / denominator);
}

ParStat* ParStatOf(RoundStats& stats, int par) {
  switch (par) {
    case 3:
      return &stats.Par3Holes;
    case 4:
      return &stats.Par4Holes;
    case 5:
      return &stats.Par5Holes;
    default:
      return nullptr;
  }
}

// The classes of the three holes before the current one: [0] is the previous hole (M1), [2] the
// one three holes back (M3). Holes before hole 1 count as 0.
using ClassHistory = std::array<int, 3>;

// The hole after a first bogey: the previous hole over par, the two before it at par or better
// (an unplayed hole counts as better). Only from hole 4 on, so that both earlier holes exist.
bool FollowsFirstBogey(int hole, const ClassHistory& history) {
  return hole >= 4 && history[0] > 0 && history[1] <= 0 && history[2] <= 0;
}

void AddPlayedHole(RoundStats& stats, int hole, int score, int par, const ClassHistory& history) {
  const int scoreClass = ScoreClass(score, par);
  const auto index = static_cast<std::size_t>(hole - 1);
  stats.HoleStats[index].AddHole(scoreClass, 1);
  stats.AllHoles.AddHole(scoreClass, 1);
  if (ParStat* byPar = ParStatOf(stats, par)) byPar->AddHole(scoreClass, 1);
  if (FollowsFirstBogey(hole, history)) stats.AfterBogey.AddValue(scoreClass);
  ++stats.HolePlayed[index];
  stats.HoleStrokes[index] += score;
  stats.Eclectic.KeepBest(hole, score);
}

// Adds the played holes of a card and returns its count of holes under par.
int AddHoles(RoundStats& stats, const Result& score, const Result& par) {
  ClassHistory history{};
  int previousClass = 0;
  int birdies = 0;
  for (int hole = 1; hole <= kHoles; ++hole) {
    history = {previousClass, history[0], history[1]};
    const int strokes = score.Hole(hole);
    const int holePar = par.Hole(hole);
    if (strokes >= 1 && strokes < holePar) ++birdies;
    if (strokes > 0) AddPlayedHole(stats, hole, strokes, holePar, history);
    previousClass = ScoreClass(strokes, holePar);
  }
  return birdies;
}

// putts + (18 - greens) div 2 - 36; C++ division truncates toward zero like div.
int NIndexOf(int putts, int greens) {
  return putts + (kHoles - greens) / 2 - 36;
}

}  // namespace

int ScoreClass(int score, int par) {
  return ClampClass(score - par);
}

std::string FixedText(double value, int decimals, int width) {
  // to_chars formats as printf does in the C locale: "." whatever the user's locale says.
  decimals = std::clamp(decimals, 0, 30);
  std::array<char, 400> buffer{};  // any double in fixed notation with 30 decimals fits
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

void ParStat::AddHole(int scoreClass, int weight) {
  ++Holes;
  Bucket[BucketIndex(scoreClass)] += weight;
}

int ParStat::BucketOf(int scoreClass) const {
  if (scoreClass < kMinClass || scoreClass > kMaxClass) return 0;
  return Bucket[BucketIndex(scoreClass)];
}

float ParStat::MeanToPar() const {
  if (Holes < 1) return 0;
  std::int64_t sum = 0;
  for (int d = kMinClass; d <= kMaxClass; ++d)
    sum += static_cast<std::int64_t>(d) * BucketOf(d);
  return Ratio(static_cast<double>(sum), Holes);
}

std::string ParStat::MeanToParText() const {
  return Holes < 1 ? std::string() : SignedText(MeanToPar(), 2, 3);
}

std::string ParStat::PerRoundText() const {
  return Holes < 1 ? std::string() : SignedText(static_cast<double>(MeanToPar()) * kHoles, 1, 3);
}

float ParStat::BucketShare(int scoreClass) const {
  return Holes < 1 ? 0 : Ratio(BucketOf(scoreClass) * 100.0, Holes);
}

std::string ParStat::BucketShareText(int scoreClass) const {
  const float share = BucketShare(scoreClass);
  return share == 0 ? std::string() : WithPercent(share, 1);
}

int ParStat::HighTotal() const {
  int total = 0;
  for (int d = 3; d <= kMaxClass; ++d)
    total += BucketOf(d);
  return total;
}

std::string ParStat::HighShareText() const {
  const double share = Holes == 0 ? HighTotal() : HighTotal() * 100.0 / Holes;
  return share == 0 ? std::string() : WithPercent(share, 1);
}

std::int16_t ParStat::BucketTotal() const {
  std::int32_t total = 0;
  for (std::int32_t bucket : Bucket)
    total += bucket;
  return static_cast<std::int16_t>(total);
}

std::string ParStat::BucketText(int scoreClass) const {
  const int bucket = BucketOf(scoreClass);
  return bucket < 1 ? std::string("&nbsp;") : std::to_string(bucket);
}

void SumStat::AddValue(double value) {
  ++Samples;
  Sum = static_cast<float>(static_cast<double>(Sum) + value);
}

float SumStat::Mean() const {
  return Samples < 1 ? 0 : Ratio(Sum, Samples);
}

std::string SumStat::MeanText(int decimals) const {
  const float mean = Mean();
  return mean == 0 ? std::string() : FixedText(mean, decimals, decimals + 1);
}

std::string SumStat::SamplesText() const {
  return Samples <= 0 ? std::string() : std::to_string(Samples);
}

std::string SumStat::PercentText() const {
  const float mean = Mean();
  return mean == 0 ? std::string() : WithPercent(mean * 100.0, 0);
}

void RoundStats::AddRound(const Round& round) {
  // Total() keeps its result in the row, so the totals come from copies and the round stays
  // as it is. A Score row always sums strictly: an incomplete card has no total.
  Result score = round.Score;
  Result greens = round.Greens;
  Result putts = round.Putts;
  Result fairways = round.Fairways;
  score.StrictTotal = true;
  const bool hasGreens = !greens.IsEmpty();
  const bool hasPutts = !putts.IsEmpty();

  Birdies.AddValue(AddHoles(*this, score, round.CPar));
  if (const int strokes = score.Total(); strokes > 0) StrokesPerRound.AddValue(strokes);
  // A round known only by its totals (StoredTotal) still has an N-Index.
  const int greensTotal = greens.Total();
  const int puttsTotal = putts.Total();
  if (greensTotal > 0 && puttsTotal > 0) NIndex.AddValue(NIndexOf(puttsTotal, greensTotal));
  if (hasPutts) {
    ChipIns.AddValue(putts.Count(0));  // a hole without putts entered counts as a chip-in
    PuttsPerRound.AddValue(puttsTotal);
    if (hasGreens) PuttsPerGIR.AddValue(putts.AverageWhere(greens));
  }
  if (hasGreens) GreensShare.AddValue(greensTotal / static_cast<double>(kHoles));
  if (!fairways.IsEmpty()) FairwaysShare.AddValue(fairways.Total() / static_cast<double>(kHoles));
}

void RoundStats::RankHoles(const Result& coursePar) {
  for (std::size_t i = 0; i < kHoles; ++i) {
    HolePar[i] = static_cast<std::uint8_t>(coursePar.Hole(static_cast<int>(i) + 1));
    if (HolePlayed[i] > 0)
      HoleToPar[i] =
          static_cast<float>(static_cast<double>(HoleStrokes[i]) / HolePlayed[i] - HolePar[i]);
  }
  for (std::size_t i = 0; i < kHoles; ++i) {
    const auto harder = std::count_if(HoleToPar.begin(), HoleToPar.end(),
                                      [&](float toPar) { return toPar > HoleToPar[i]; });
    HoleRank[i] = static_cast<std::int16_t>(1 + harder);
  }
}

int RoundStats::MaxHolePlayed() const {
  int most = 0;
  for (const ParStat& hole : HoleStats)
    most = std::max(most, static_cast<int>(hole.Holes));
  return most;
}

std::string RoundStats::MIndexText() const {
  const float perHole = AllHoles.MeanToPar();
  if (!(perHole > 0)) return std::string();
  return WithPercent(static_cast<double>(AfterBogey.Mean()) / perHole * 100.0, 0);
}

}  // namespace cardwise
