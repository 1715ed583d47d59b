#pragma once
// The draw of a competition: who plays with whom, at what time and from which tee.
//
// The players are put in an order (as listed, by handicap, shuffled, or balanced so that the
// groups' handicap sums are even), cut into groups whose sizes differ by at most one (the
// smaller groups first), and each group gets a starting time and hole.
//
// An event stores its draw as one key per group, "Group1=08:00;1;JS;AB;CD" (time, starting
// hole, player IDs), and the seed of a shuffled order as "DrawSeed=N".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardwise {

inline constexpr int kMinGroupSize = 2;
inline constexpr int kMaxGroupSize = 4;
inline constexpr int kShotgunHoles = 18;
inline constexpr int kSecondTee = 10;

enum class DrawOrder { Listed, Handicap, Random, Balanced };
enum class DrawStarts { OneTee, TwoTees, Shotgun };

// One group of the draw: its start (minutes after midnight) and starting hole, and its players.
struct DrawGroup {
  int Time = 0;
  int Tee = 1;
  std::vector<std::string> PlayerIDs;

  bool operator==(const DrawGroup&) const = default;
};

struct DrawOptions {
  int GroupSize = kMaxGroupSize;
  int Start = 8 * 60;  // minutes after midnight
  int Interval = 10;   // minutes between two starting times
  DrawOrder Order = DrawOrder::Handicap;
  std::uint32_t Seed = 0;  // of DrawOrder::Random
  DrawStarts Starts = DrawStarts::OneTee;
};

// A player entered for the draw: the ID and the handicap in tenths (12.4 is 124).
struct DrawEntry {
  std::string ID;
  int HcpTenths = 0;
};

// The sizes of the groups of `players` in groups of up to `groupSize`: ceil(players /
// groupSize) groups differing by at most one, the smaller ones first. None for no players.
std::vector<int> GroupSizes(int players, int groupSize);

// The players in the order of `order` (Balanced is taken as Handicap here): Listed as given,
// Handicap lowest first with equal handicaps by ID, Random shuffled by `seed` (the same seed
// gives the same order).
std::vector<DrawEntry> OrderEntries(std::vector<DrawEntry> entries, DrawOrder order,
                                    std::uint32_t seed);

// The players cut into groups of `sizes`, so that the groups' handicap sums are as even as a
// search from the snake deal (by handicap: first group to last, then back) finds: never less
// even than the snake deal, measured by the spread between the largest and smallest sum.
std::vector<std::vector<DrawEntry>> BalancedGroups(const std::vector<DrawEntry>& entries,
                                                   const std::vector<int>& sizes);

// The largest minus the smallest handicap sum of the groups.
int SumSpread(const std::vector<std::vector<DrawEntry>>& groups);

// The start of group `index` (from 0) of `groups`: One tee, every `Interval` minutes from hole
// 1; two tees, groups alternately from holes 1 and 10, two at each time; shotgun, every group
// at the start from hole index + 1. Times wrap at midnight.
DrawGroup GroupStart(int index, const DrawOptions& options);

// The whole draw; nullopt with `error` set when it cannot be made (a shotgun of more than 18
// groups). Players named twice are the caller's to remove.
std::optional<std::vector<DrawGroup>> MakeDraw(const std::vector<DrawEntry>& entries,
                                               const DrawOptions& options, std::string& error);

// "HH:MM" (00:00 to 23:59, two digits each) as minutes after midnight, and back.
std::optional<int> ParseClockTime(std::string_view text);
std::string ClockText(int minutes);

// The stored form of a group, "08:00;1;JS;AB" and back. A text that is not a time, a hole 1 to
// 18 and at least one non-empty ID gives nullopt.
std::string GroupText(const DrawGroup& group);
std::optional<DrawGroup> ParseGroup(std::string_view text);

// The group key "Group" + number (from 1): its number, or nullopt for another key.
std::optional<int> GroupKeyNumber(std::string_view key);

}  // namespace cardwise
