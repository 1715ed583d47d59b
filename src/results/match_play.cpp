#include "results/match_play.h"

#include <charconv>

namespace cardwise {
namespace {

constexpr int kHoles = 18;
constexpr int kMaxRef = 128;

// A whole number of digits only, the whole text; nullopt otherwise.
std::optional<int> Digits(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || text.front() == '-' || error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

// "N&M": the match was won by N holes with M to play.
bool IsHolesUp(std::string_view text) {
  const std::size_t amp = text.find('&');
  if (amp == std::string_view::npos) return false;
  const std::optional<int> up = Digits(text.substr(0, amp)), left = Digits(text.substr(amp + 1));
  return up && left && *up >= 2 && *up <= 10 && *left >= 1 && *left < *up && *up + *left <= kHoles;
}

// "19th" .. "24th": won on an extra hole.
bool IsExtraHole(std::string_view text) {
  if (!text.ends_with("th")) return false;
  const std::optional<int> hole = Digits(text.substr(0, text.size() - 2));
  return hole && *hole >= 19 && *hole <= 24;
}

}  // namespace

int BracketSlots(int players) {
  int slots = 2;
  while (slots < players)
    slots *= 2;
  return slots;
}

int BracketRounds(int slots) {
  int rounds = 0;
  for (int size = 1; size < slots; size *= 2)
    ++rounds;
  return rounds;
}

std::vector<int> SeedsInSlotOrder(int slots) {
  std::vector<int> seeds{1};
  while (static_cast<int>(seeds.size()) < slots) {
    const int m = static_cast<int>(seeds.size());
    std::vector<int> doubled;
    for (int seed : seeds) {
      doubled.push_back(seed);
      doubled.push_back(2 * m + 1 - seed);
    }
    seeds = std::move(doubled);
  }
  return seeds;
}

std::string RoundName(int round, int rounds) {
  const int fromEnd = rounds - round;
  if (fromEnd == 0) return "Final";
  if (fromEnd == 1) return "Semi-final";
  if (fromEnd == 2) return "Quarter-final";
  return "Round " + std::to_string(round);
}

std::optional<MatchRef> ParseMatchRef(std::string_view text) {
  if (text.size() < 4 || (text[0] != 'R' && text[0] != 'r')) return std::nullopt;
  const std::size_t m = text.find_first_of("Mm", 1);
  if (m == std::string_view::npos) return std::nullopt;
  const std::optional<int> round = Digits(text.substr(1, m - 1));
  const std::optional<int> match = Digits(text.substr(m + 1));
  if (!round || !match || *round < 1 || *match < 1 || *round > kMaxRef || *match > kMaxRef)
    return std::nullopt;
  return MatchRef{*round, *match};
}

std::string MatchName(const MatchRef& ref) {
  return "R" + std::to_string(ref.Round) + "M" + std::to_string(ref.Match);
}

bool IsMatchResult(std::string_view text) {
  return text == "1 up" || text == "2 up" || text == "w/o" || text == "conceded" ||
         IsHolesUp(text) || IsExtraHole(text);
}

MatchShots ShotsGiven(int courseHcpA, int courseHcpB, int allowancePercent) {
  if (courseHcpA == courseHcpB) return {};
  const int difference =
      courseHcpA > courseHcpB ? courseHcpA - courseHcpB : courseHcpB - courseHcpA;
  // Half up in whole numbers: the share in hundredths, plus one half, divided.
  const int shots = (difference * allowancePercent + 50) / 100;
  return {shots, shots == 0 ? -1 : (courseHcpA > courseHcpB ? 0 : 1)};
}

}  // namespace cardwise
