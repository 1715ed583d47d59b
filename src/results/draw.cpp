#include "results/draw.h"

#include <algorithm>
#include <random>
#include <tuple>

#include "platform/codepage.h"
#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

bool LowerHandicap(const DrawEntry& a, const DrawEntry& b) {
  if (a.HcpTenths != b.HcpTenths) return a.HcpTenths < b.HcpTenths;
  return CompareText(a.ID, b.ID) < 0;
}

// A Fisher-Yates shuffle on the 32-bit Mersenne Twister, whose output the standard fixes: the
// same seed gives the same order with every standard library.
void Shuffle(std::vector<DrawEntry>& entries, std::uint32_t seed) {
  std::mt19937 random(seed);
  for (std::size_t i = entries.size(); i > 1; --i)
    std::swap(entries[i - 1], entries[random() % i]);
}

int HcpSum(const std::vector<DrawEntry>& group) {
  int sum = 0;
  for (const DrawEntry& entry : group)
    sum += entry.HcpTenths;
  return sum;
}

// How uneven the groups are: the spread of their sums, then the sum of their squares.
std::pair<int, long long> Unevenness(const std::vector<std::vector<DrawEntry>>& groups) {
  long long squares = 0;
  for (const auto& group : groups) {
    const long long sum = HcpSum(group);
    squares += sum * sum;
  }
  return {SumSpread(groups), squares};
}

// Deals the players sorted by handicap over the groups first to last, then last to first, and
// so on, passing over the groups that are full.
std::vector<std::vector<DrawEntry>> SnakeDeal(std::vector<DrawEntry> entries,
                                              const std::vector<int>& sizes) {
  std::sort(entries.begin(), entries.end(), LowerHandicap);
  std::vector<std::vector<DrawEntry>> groups(sizes.size());
  std::size_t next = 0;
  for (int round = 0; next < entries.size(); ++round) {
    for (std::size_t k = 0; k < groups.size() && next < entries.size(); ++k) {
      const std::size_t g = round % 2 == 0 ? k : groups.size() - 1 - k;
      if (static_cast<int>(groups[g].size()) < sizes[g]) groups[g].push_back(entries[next++]);
    }
  }
  return groups;
}

// One swap of two players of different groups that makes the groups more even; false when
// there is none.
bool ImproveOnce(std::vector<std::vector<DrawEntry>>& groups) {
  const auto best = Unevenness(groups);
  for (std::size_t g = 0; g < groups.size(); ++g)
    for (std::size_t h = g + 1; h < groups.size(); ++h)
      for (DrawEntry& a : groups[g])
        for (DrawEntry& b : groups[h]) {
          if (a.HcpTenths == b.HcpTenths) continue;
          std::swap(a, b);
          if (Unevenness(groups) < best) return true;
          std::swap(a, b);
        }
  return false;
}

}  // namespace

std::vector<int> GroupSizes(int players, int groupSize) {
  if (players <= 0 || groupSize <= 0) return {};
  const int groups = (players + groupSize - 1) / groupSize;
  const int larger = players % groups;  // groups holding one player more than the rest
  std::vector<int> sizes(static_cast<std::size_t>(groups), players / groups);
  for (int i = 0; i < larger; ++i)
    ++sizes[static_cast<std::size_t>(groups - 1 - i)];
  return sizes;
}

std::vector<DrawEntry> OrderEntries(std::vector<DrawEntry> entries, DrawOrder order,
                                    std::uint32_t seed) {
  if (order == DrawOrder::Handicap || order == DrawOrder::Balanced)
    std::stable_sort(entries.begin(), entries.end(), LowerHandicap);
  else if (order == DrawOrder::Random)
    Shuffle(entries, seed);
  return entries;
}

std::vector<std::vector<DrawEntry>> BalancedGroups(const std::vector<DrawEntry>& entries,
                                                   const std::vector<int>& sizes) {
  std::vector<std::vector<DrawEntry>> groups = SnakeDeal(entries, sizes);
  while (ImproveOnce(groups)) {
  }
  for (auto& group : groups)
    std::sort(group.begin(), group.end(), LowerHandicap);
  return groups;
}

int SumSpread(const std::vector<std::vector<DrawEntry>>& groups) {
  if (groups.empty()) return 0;
  int low = HcpSum(groups.front()), high = low;
  for (const auto& group : groups) {
    low = std::min(low, HcpSum(group));
    high = std::max(high, HcpSum(group));
  }
  return high - low;
}

DrawGroup GroupStart(int index, const DrawOptions& options) {
  DrawGroup group;
  int slot = index;
  if (options.Starts == DrawStarts::Shotgun) {
    slot = 0;
    group.Tee = index + 1;
  } else if (options.Starts == DrawStarts::TwoTees) {
    slot = index / 2;
    group.Tee = index % 2 == 0 ? 1 : kSecondTee;
  }
  group.Time = ((options.Start + slot * options.Interval) % kMinutesPerDay + kMinutesPerDay) %
               kMinutesPerDay;
  return group;
}

std::optional<std::vector<DrawGroup>> MakeDraw(const std::vector<DrawEntry>& entries,
                                               const DrawOptions& options, std::string& error) {
  const std::vector<int> sizes = GroupSizes(static_cast<int>(entries.size()), options.GroupSize);
  if (options.Starts == DrawStarts::Shotgun && sizes.size() > kShotgunHoles) {
    error = "a shotgun start has room for 18 groups, this draw has " + std::to_string(sizes.size());
    return std::nullopt;
  }
  std::vector<std::vector<DrawEntry>> cut;
  if (options.Order == DrawOrder::Balanced) {
    cut = BalancedGroups(entries, sizes);
  } else {
    const std::vector<DrawEntry> ordered = OrderEntries(entries, options.Order, options.Seed);
    auto next = ordered.begin();
    for (const int size : sizes) {
      cut.emplace_back(next, next + size);
      next += size;
    }
  }
  std::vector<DrawGroup> draw;
  for (std::size_t i = 0; i < cut.size(); ++i) {
    draw.push_back(GroupStart(static_cast<int>(i), options));
    for (const DrawEntry& entry : cut[i])
      draw.back().PlayerIDs.push_back(entry.ID);
  }
  return draw;
}

std::optional<int> ParseClockTime(std::string_view text) {
  const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  if (text.size() != 5 || text[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
    return std::nullopt;
  const int hours = (text[0] - '0') * 10 + (text[1] - '0');
  const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
  if (hours > 23 || minutes > 59) return std::nullopt;
  return hours * 60 + minutes;
}

std::string ClockText(int minutes) {
  const int hours = minutes / 60, rest = minutes % 60;
  return std::string{static_cast<char>('0' + hours / 10), static_cast<char>('0' + hours % 10), ':',
                     static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
}

std::string GroupText(const DrawGroup& group) {
  std::string text = ClockText(group.Time) + ";" + std::to_string(group.Tee);
  for (const std::string& id : group.PlayerIDs)
    text += ";" + id;
  return text;
}

std::optional<DrawGroup> ParseGroup(std::string_view text) {
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(';', start);
    fields.push_back(Trim(text.substr(start, end - start)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (fields.size() < 3) return std::nullopt;
  const std::optional<int> time = ParseClockTime(fields[0]);
  const std::optional<int> tee = ParseWholeNumber(fields[1]);
  if (!time || !tee || *tee < 1 || *tee > kShotgunHoles) return std::nullopt;
  DrawGroup group{*time, *tee, {fields.begin() + 2, fields.end()}};
  for (const std::string& id : group.PlayerIDs)
    if (id.empty()) return std::nullopt;
  return group;
}

std::optional<int> GroupKeyNumber(std::string_view key) {
  constexpr std::string_view kPrefix = "Group";
  if (!key.starts_with(kPrefix)) return std::nullopt;
  const std::string_view digits = key.substr(kPrefix.size());
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const std::optional<int> number = ParseWholeNumber(digits);
  if (!number || *number < 1) return std::nullopt;
  return number;
}

}  // namespace cardwise
