#pragma once
// The rules of a singles match play knockout that need no records: the size and seeded order
// of a bracket, the names of its rounds and matches, the result texts, and the shots one player
// gives the other.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardwise {

inline constexpr int kMinKnockoutPlayers = 2;
inline constexpr int kMaxKnockoutPlayers = 128;

// The bracket's slots: the smallest power of two not below `players` (at least 2).
int BracketSlots(int players);
// The rounds of a bracket of `slots` slots: log2(slots).
int BracketRounds(int slots);

// The seeds in slot order, built by doubling: [1], then each seed s of a list of length m
// replaced by s, 2m + 1 - s ([1, 2], [1, 4, 2, 3], [1, 8, 4, 5, 2, 7, 3, 6], ...). `slots` is
// a power of two. Round 1's matches are the pairs of this list in order.
std::vector<int> SeedsInSlotOrder(int slots);

// "Round 1", "Round 2", ..., "Quarter-final", "Semi-final", "Final" for round `round` of
// `rounds`.
std::string RoundName(int round, int rounds);

// A match named "R<round>M<match>" (letter case ignored); nullopt for any other text or a number
// below 1 or above 128.
struct MatchRef {
  int Round = 0;
  int Match = 0;
  bool operator==(const MatchRef&) const = default;
  auto operator<=>(const MatchRef&) const = default;
};
std::optional<MatchRef> ParseMatchRef(std::string_view text);
std::string MatchName(const MatchRef& ref);  // "R1M2"

// A result as a match is decided: "N&M" (N 2..10, M 1..N-1, N + M <= 18), "1 up", "2 up",
// "19th" .. "24th" (extra holes), "w/o" or "conceded".
bool IsMatchResult(std::string_view text);
// The result of a walk-over through a bye, kept beside the typed ones.
inline constexpr const char* kByeResult = "bye";

// The shots of one match: the player with the higher course handicap receives `allowance`
// percent of the difference, rounded half up; nobody receives any when they are equal.
struct MatchShots {
  int Shots = 0;
  int Receiver = -1;  // 0: player A, 1: player B, -1: nobody
};
MatchShots ShotsGiven(int courseHcpA, int courseHcpB, int allowancePercent);

}  // namespace cardwise
