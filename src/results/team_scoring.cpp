#include "results/team_scoring.h"

#include <algorithm>
#include <numeric>

namespace cardwise {

namespace {

std::vector<int> DefaultAllowances(int format, int best, int members) {
  switch (format) {
    case kFourball:
      return {85};
    case kTeamBest:
      return {best <= 1 ? 75 : best == 2 ? 85 : 100};
    case kFoursomes:
      return {50, 50};
    case kGreensomes:
      return {60, 40};
    case kScramble:
      if (members <= 2) return {35, 15};
      if (members == 3) return {30, 20, 10};
      return {25, 20, 15, 10};
    default:
      return {100};
  }
}

// The member indexes ordered by course handicap, the lowest first (equal ones in member order).
std::vector<std::size_t> LowestFirst(const std::vector<int>& courseHcps) {
  std::vector<std::size_t> order(courseHcps.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return courseHcps[a] < courseHcps[b]; });
  return order;
}

}  // namespace

int HundredthsRoundedHalfUp(int hundredths) {
  // Floor division, so that -250 gives -2 and -251 gives -3.
  const int shifted = hundredths + 50;
  return shifted >= 0 ? shifted / 100 : -((-shifted + 99) / 100);
}

std::vector<int> Allowances(int format, int best, int members, const std::vector<int>& allowance) {
  std::vector<int> percentages =
      allowance.empty() ? DefaultAllowances(format, best, members) : allowance;
  percentages.resize(static_cast<std::size_t>(std::max(members, 1)), percentages.back());
  return percentages;
}

std::vector<int> PlayingHandicaps(int format, int best, const std::vector<int>& courseHcps,
                                  const std::vector<int>& allowance) {
  const int members = static_cast<int>(courseHcps.size());
  const std::vector<int> percentages = Allowances(format, best, members, allowance);
  const std::vector<std::size_t> order = LowestFirst(courseHcps);
  if (MembersHaveCards(format)) {
    std::vector<int> playing(courseHcps.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank)
      playing[order[rank]] = HundredthsRoundedHalfUp(courseHcps[order[rank]] * percentages[rank]);
    return playing;
  }
  int hundredths = 0;
  for (std::size_t rank = 0; rank < order.size(); ++rank)
    hundredths += courseHcps[order[rank]] * percentages[rank];
  return {HundredthsRoundedHalfUp(hundredths)};
}

HoleScore TeamHoleScore(const std::vector<HoleScore>& scores, int best, bool higherWins,
                        std::vector<bool>* counted) {
  std::vector<std::size_t> scored;
  for (std::size_t i = 0; i < scores.size(); ++i)
    if (scores[i]) scored.push_back(i);
  std::stable_sort(scored.begin(), scored.end(), [&](std::size_t a, std::size_t b) {
    return higherWins ? *scores[a] > *scores[b] : *scores[a] < *scores[b];
  });
  if (counted != nullptr) counted->assign(scores.size(), false);
  if (static_cast<int>(scored.size()) < best && !higherWins) return std::nullopt;
  int total = 0;
  for (std::size_t k = 0; k < scored.size() && static_cast<int>(k) < best; ++k) {
    total += *scores[scored[k]];
    if (counted != nullptr) (*counted)[scored[k]] = true;
  }
  return total;
}

}  // namespace cardwise
