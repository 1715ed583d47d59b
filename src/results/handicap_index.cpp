#include "results/handicap_index.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <unordered_map>

#include "platform/codepage.h"
#include "records/golf_rules.h"

namespace cardwise {
namespace {

constexpr int kDaysOfLowIndex = 365;
constexpr Tenths kSoftCap = 30, kHardCap = 50;
constexpr Tenths kExceptional = 70, kVeryExceptional = 100;

// The table for 3 to 20 scores, indexed by the number of scores.
constexpr std::array<IndexRule, kHandicapRecordSize + 1> kIndexRules = {{
    {0, 0}, {0, 0}, {0, 0}, {1, -20}, {1, -10}, {1, 0}, {2, -10}, {2, 0}, {2, 0}, {3, 0}, {3, 0},
    {3, 0}, {4, 0}, {4, 0}, {4, 0},   {5, 0},   {5, 0}, {6, 0},   {6, 0}, {7, 0}, {8, 0},
}};

// n / d rounded to the nearest whole number, a half away from zero; d > 0.
long long RoundedQuotient(long long n, long long d) {
  const long long magnitude = (2 * std::llabs(n) + d) / (2 * d);
  return n < 0 ? -magnitude : magnitude;
}

long long DayOf(DateTime date) {
  return static_cast<long long>(std::floor(date));
}

std::string HoleReason(const char* what, int hole) {
  return std::string("no ") + what + " on hole " + std::to_string(hole);
}

// The rounds of each player (by upper-cased ID) up to the day, in order of date and tee time;
// rounds of one moment keep the list's order.
std::unordered_map<std::string, std::vector<const Round*>> GroupRoundsByPlayer(
    const RoundList& rounds, DateTime asOf) {
  std::unordered_map<std::string, std::vector<const Round*>> byPlayer;
  for (int i = 0; i < rounds.Count(); ++i) {
    const Round& round = rounds.RecordAt(i);
    if (DayOf(round.Date) <= DayOf(asOf)) byPlayer[UpperCase(round.PlayerID)].push_back(&round);
  }
  const auto earlier = [](const Round* a, const Round* b) {
    const auto key = [](const Round* r) {
      return std::pair(DayOf(r->Date), r->Start - std::floor(r->Start));
    };
    return key(a) < key(b);
  };
  for (auto& [id, list] : byPlayer)
    std::stable_sort(list.begin(), list.end(), earlier);
  return byPlayer;
}

// The round with its adjusted gross score and differential, or the reason it has none.
HandicapScore ScoreOf(const Round& round, const CourseList& courses) {
  HandicapScore score;
  score.RoundID = round.ID, score.Date = round.Date;
  const std::optional<int> gross = AdjustedGrossScore(round, score.NotCounted);
  if (!gross) return score;
  const Course* course = courses.FindRecord(round.CourseID);
  if (course == nullptr) {
    score.NotCounted = "course \"" + round.CourseID + "\" not found";
  } else if (course->CR <= 0 || course->Slope <= 0) {
    score.NotCounted = "course " + course->ID + " has no course rating or slope";
  } else {
    score.AdjustedGross = *gross;
    score.Differential = ScoreDifferential(*gross, course->CR, course->Slope);
  }
  return score;
}

// A player's scoring record, built round by round, with the index after each round.
class ScoringRecord {
 public:
  void Add(HandicapScore score) {
    scores_.push_back(std::move(score));
    if (!scores_.back().Counted()) return;
    counted_.push_back(scores_.size() - 1);
    const long long day = DayOf(scores_.back().Date);
    if (const std::optional<Tenths> before = IndexBefore(day))
      Reduce(ExceptionalScoreReduction(*before, scores_.back().Differential));
    Revise(day);
  }

  HandicapRow Finish(const Player& player) {
    HandicapRow row;
    row.PlayerID = player.ID, row.PlayerName = player.Name;
    row.RoundsCounted = static_cast<int>(counted_.size());
    if (!counted_.empty()) row.LatestRound = scores_[counted_.back()].Date;
    if (row.RoundsCounted >= kFewestHandicapScores)
      row.Index = revisions_.back().Index;
    else
      row.NoIndex = NoIndexReason(row.RoundsCounted);
    MarkRecent();
    row.Scores = std::move(scores_);
    return row;
  }

 private:
  struct Revision {
    long long Day;
    Tenths Index;
  };

  static std::string NoIndexReason(int counted) {
    if (counted == 0) return "no round counted";
    return std::to_string(counted) + (counted == 1 ? " round" : " rounds") + " counted, " +
           std::to_string(kFewestHandicapScores) + " needed";
  }

  std::vector<std::size_t> RecentPositions() const {
    const std::size_t from =
        counted_.size() - std::min<std::size_t>(counted_.size(), kHandicapRecordSize);
    return {counted_.begin() + static_cast<std::ptrdiff_t>(from), counted_.end()};
  }

  std::vector<Tenths> RecentDifferentials() const {
    std::vector<Tenths> values;
    for (std::size_t position : RecentPositions())
      values.push_back(scores_[position].Adjusted());
    return values;
  }

  // The index in force when the day began.
  std::optional<Tenths> IndexBefore(long long day) const {
    for (auto it = revisions_.rbegin(); it != revisions_.rend(); ++it)
      if (it->Day < day) return it->Index;
    return std::nullopt;
  }

  // The lowest index of the days of the year before `day`. Revisions are in order of days: the
  // walk back stops at the first one older than the year.
  std::optional<Tenths> LowIndex(long long day) const {
    std::optional<Tenths> low;
    for (auto it = revisions_.rbegin(); it != revisions_.rend(); ++it) {
      if (it->Day < day - kDaysOfLowIndex) break;
      if (it->Day < day) low = std::min(it->Index, low.value_or(it->Index));
    }
    return low;
  }

  void Reduce(Tenths reduction) {
    if (reduction == 0) return;
    for (std::size_t position : RecentPositions())
      scores_[position].Reduction += reduction;
  }

  void Revise(long long day) {
    std::optional<Tenths> index = IndexFromDifferentials(RecentDifferentials());
    if (!index) return;
    const std::optional<Tenths> low = LowIndex(day);
    if (counted_.size() >= kHandicapRecordSize && low) index = CapIndex(*index, *low);
    revisions_.push_back({day, *index});
    scores_.back().IndexAfter = *index;
  }

  void MarkRecent() {
    const std::vector<std::size_t> recent = RecentPositions();
    for (std::size_t position : recent)
      scores_[position].Recent = true;
    for (int k : CountingDifferentials(RecentDifferentials()))
      scores_[recent[static_cast<std::size_t>(k)]].Counting = true;
  }

  std::vector<HandicapScore> scores_;
  std::vector<std::size_t> counted_;  // positions in scores_ of the rounds with a differential
  std::vector<Revision> revisions_;
};

}  // namespace

std::optional<int> AdjustedGrossScore(const Round& round, std::string& reason) {
  int total = 0;
  for (int hole = 1; hole <= kHoles; ++hole) {
    const int score = round.Score.Hole(hole), par = round.CPar.Hole(hole);
    const int strokeIndex = round.CHcp.Hole(hole);
    if (score <= 0)
      reason = HoleReason("score", hole);
    else if (par <= 0)
      reason = HoleReason("par", hole);
    else if (strokeIndex < 1 || strokeIndex > kHoles)
      reason = HoleReason("stroke index", hole);
    if (!reason.empty()) return std::nullopt;
    total += std::min(score, par + 2 + StrokesReceived(round.Strokes, strokeIndex));
  }
  return total;
}

Tenths ScoreDifferential(int adjustedGross, float courseRating, float slope) {
  const long long rating = std::lround(courseRating * 10.0);
  const long long slopeTenths = std::lround(slope * 10.0);
  if (slopeTenths <= 0) return 0;
  return static_cast<Tenths>(
      RoundedQuotient(kStandardSlope * 10LL * (10LL * adjustedGross - rating), slopeTenths));
}

IndexRule IndexRuleFor(int count) {
  return kIndexRules[static_cast<std::size_t>(std::clamp(count, 0, kHandicapRecordSize))];
}

std::vector<int> CountingDifferentials(const std::vector<Tenths>& recent) {
  const int size = static_cast<int>(recent.size());
  const int first = std::max(0, size - kHandicapRecordSize);
  std::vector<int> positions(static_cast<std::size_t>(size - first));
  std::iota(positions.begin(), positions.end(), first);
  std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
    return recent[static_cast<std::size_t>(a)] < recent[static_cast<std::size_t>(b)];
  });
  positions.resize(static_cast<std::size_t>(IndexRuleFor(size - first).Lowest));
  std::sort(positions.begin(), positions.end());
  return positions;
}

std::optional<Tenths> IndexFromDifferentials(const std::vector<Tenths>& recent) {
  const std::vector<int> counting = CountingDifferentials(recent);
  if (counting.empty()) return std::nullopt;
  const int count = std::min(static_cast<int>(recent.size()), kHandicapRecordSize);
  long long sum = 0;
  for (int position : counting)
    sum += recent[static_cast<std::size_t>(position)];
  const long long lowest = static_cast<long long>(counting.size());
  const long long index = RoundedQuotient(sum + lowest * IndexRuleFor(count).Adjustment, lowest);
  return static_cast<Tenths>(std::min<long long>(index, kMaxHandicapIndex));
}

Tenths CapIndex(Tenths calculated, Tenths lowIndex) {
  const Tenths excess = calculated - lowIndex - kSoftCap;
  if (excess <= 0) return calculated;
  const Tenths soft = lowIndex + kSoftCap + static_cast<Tenths>(RoundedQuotient(excess, 2));
  return std::min(soft, lowIndex + kHardCap);
}

Tenths ExceptionalScoreReduction(Tenths indexBefore, Tenths differential) {
  const Tenths below = indexBefore - differential;
  if (below >= kVeryExceptional) return -20;
  if (below >= kExceptional) return -10;
  return 0;
}

std::vector<HandicapRow> HandicapRows(const Database& database, DateTime asOf) {
  const auto byPlayer = GroupRoundsByPlayer(database.Rounds, asOf);
  std::vector<HandicapRow> rows;
  for (int i = 0; i < database.Players.Count(); ++i) {
    const Player& player = database.Players.RecordAt(i);
    if (player.ID == kPlaceholderID) continue;
    ScoringRecord record;
    if (const auto found = byPlayer.find(UpperCase(player.ID)); found != byPlayer.end())
      for (const Round* round : found->second)
        record.Add(ScoreOf(*round, database.Courses));
    rows.push_back(record.Finish(player));
  }
  return rows;
}

std::string IndexText(std::optional<Tenths> index) {
  if (!index) return "-";
  const int magnitude = std::abs(*index);
  return (*index < 0 ? "+" : "") + std::to_string(magnitude / 10) + "." +
         std::to_string(magnitude % 10);
}

}  // namespace cardwise
