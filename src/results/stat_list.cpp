#include "results/stat_list.h"

#include <array>
#include <optional>
#include <unordered_map>

#include "platform/codepage.h"
#include "records/dates.h"
#include "results/database.h"

namespace cardwise {

namespace {

struct SortRule {
  int Key;
  SumStat RoundStats::*Stat;
  bool HigherFirst;
};

constexpr std::array<SortRule, 6> kSortRules = {{
    {SortBirdies, &RoundStats::Birdies, true},
    {SortStrokes, &RoundStats::StrokesPerRound, false},
    {SortGreens, &RoundStats::GreensShare, true},
    {SortPutts, &RoundStats::PuttsPerRound, false},
    {SortPuttsGIR, &RoundStats::PuttsPerGIR, false},
    {SortFairways, &RoundStats::FairwaysShare, true},
}};

const SortRule* RuleOf(int key) {
  for (const SortRule& rule : kSortRules)
    if (rule.Key == key) return &rule;
  return nullptr;
}

// Finds the entry of a round's player. A year holds many rounds of few players, so each distinct
// player ID is looked up in the player list once, and entries are found through a hash of their
// upper-cased IDs: the upper-cased text is exactly what the case-insensitive comparison of the
// lists compares.
class EntryFinder {
 public:
  EntryFinder(std::vector<StatList::Entry>& entries, const PlayerList& players)
      : entries_(entries), players_(players) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
      entryOfID_.emplace(UpperCase(entries_[i].Text), static_cast<int>(i));
  }

  // The statistics of the player the round names; nullptr when there is no such player.
  RoundStats* StatsOf(std::string_view playerID) {
    auto [it, added] = entryOfPlayerID_.try_emplace(UpperCase(playerID), kNoPlayer);
    if (added) it->second = EntryOfPlayer(playerID);
    if (it->second == kNoPlayer) return nullptr;
    return entries_[static_cast<std::size_t>(it->second)].Attached.get();
  }

 private:
  static constexpr int kNoPlayer = -1;

  int EntryOfPlayer(std::string_view playerID) {
    int index = 0;
    if (!players_.Find(playerID, index)) return kNoPlayer;
    // The entry carries the player record's own ID, whatever case the round spells it in.
    const std::string& id = players_.RecordAt(index).ID;
    auto [it, added] = entryOfID_.try_emplace(UpperCase(id), static_cast<int>(entries_.size()));
    if (added) entries_.push_back({id, std::make_shared<RoundStats>()});
    return it->second;
  }

  std::vector<StatList::Entry>& entries_;
  const PlayerList& players_;
  std::unordered_map<std::string, int> entryOfID_;        // upper-cased entry ID -> entry
  std::unordered_map<std::string, int> entryOfPlayerID_;  // upper-cased round PlayerID -> entry
};

// The date InYear compares with: 0 for any year; nullopt for a year no date has.
std::optional<DateTime> YearDate(int year) {
  if (year == 0) return DateTime{0};
  return EncodeDate(year, 1, 1);
}

}  // namespace

void StatList::Generate(const Database& database, std::string_view tourID, int year) {
  const Tour* tour = nullptr;
  if (!tourID.empty()) {
    tour = database.Tours.FindRecord(tourID);
    if (tour == nullptr) return;
  }
  const std::optional<DateTime> yearDate = YearDate(year);
  if (!yearDate) return;
  EntryFinder finder(entries_, database.Players);
  for (int i = 0; i < database.Rounds.Count(); ++i) {
    const Round& round = database.Rounds.RecordAt(i);
    if (!round.InYear(*yearDate)) continue;
    if (tour != nullptr && !tour->HasEvent(round.EventID)) continue;
    if (RoundStats* stats = finder.StatsOf(round.PlayerID)) stats->AddRound(round);
  }
}

const Player* StatList::P(int i, const Database& database) const {
  return database.Players.FindRecord(ID(i));
}

void StatList::SortList(int key) {
  const SortRule* rule = RuleOf(key);
  if (rule == nullptr) return;
  ListQuickSort(entries_, [rule](const Entry& a, const Entry& b) {
    const float meanA = ((*a.Attached).*(rule->Stat)).Mean();
    const float meanB = ((*b.Attached).*(rule->Stat)).Mean();
    return rule->HigherFirst ? meanA > meanB : meanA < meanB;
  });
}

}  // namespace cardwise
