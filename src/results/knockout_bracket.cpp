#include "results/knockout_bracket.h"

#include <algorithm>
#include <random>
#include <set>

#include "platform/codepage.h"
#include "records/golf_rules.h"
#include "records/hole_row.h"

namespace cardwise {
namespace {

MatchRef NextMatch(const MatchRef& ref) {
  return {ref.Round + 1, (ref.Match + 1) / 2};
}

// The slot of the next round's match that the winner of `ref` takes.
std::string& SlotFrom(KnockoutMatch& next, const MatchRef& ref) {
  return ref.Match % 2 == 1 ? next.PlayerA : next.PlayerB;
}

// Every match of the bracket, empty, and round 1 from the seeds in slot order.
void FillBracket(Knockout& knockout) {
  const int players = static_cast<int>(knockout.Players.size());
  const int slots = BracketSlots(players), rounds = BracketRounds(slots);
  knockout.Matches.clear();
  for (int round = 1; round <= rounds; ++round)
    for (int match = 1; match <= slots >> round; ++match)
      knockout.Matches[{round, match}] = {};
  const std::vector<int> seeds = SeedsInSlotOrder(slots);
  for (int match = 1; match <= slots / 2; ++match) {
    KnockoutMatch& first = knockout.Matches[{1, match}];
    const int seedA = seeds[2 * match - 2], seedB = seeds[2 * match - 1];
    first.PlayerA = knockout.Players[seedA - 1];
    first.PlayerB = seedB <= players ? knockout.Players[seedB - 1] : kByePlayer;
  }
}

// Each bye is won by its player, who takes the slot in round 2.
void AdvanceByes(Knockout& knockout) {
  for (auto& [ref, match] : knockout.Matches) {
    if (ref.Round != 1 || !match.IsBye()) continue;
    match.Winner = match.PlayerA;
    match.Result = kByeResult;
    if (knockout.Matches.count(NextMatch(ref)))
      SlotFrom(knockout.Matches[NextMatch(ref)], ref) = match.Winner;
  }
}

Status CheckRequest(const KnockoutRequest& request, const PlayerList& players,
                    const CourseList& courses) {
  const int count = static_cast<int>(request.PlayerIDs.size());
  if (request.ID.empty() || request.ID == kPlaceholderID ||
      request.ID.find_first_of(";[]") != std::string::npos)
    return Status::Error("not a knockout ID: \"" + request.ID + "\"");
  if (count < kMinKnockoutPlayers || count > kMaxKnockoutPlayers)
    return Status::Error(std::to_string(count) + " players: a knockout takes 2 to 128");
  if (request.Allowance < 0 || request.Allowance > 100)
    return Status::Error("allowance " + std::to_string(request.Allowance) + ": not 0 to 100");
  if (!request.CourseID.empty() && !courses.FindRecord(request.CourseID))
    return Status::Error("no course \"" + request.CourseID + "\"");
  std::set<std::string> seen;
  for (const std::string& id : request.PlayerIDs) {
    const Player* player = players.FindRecord(id);
    if (!player) return Status::Error("no player \"" + id + "\"");
    if (player->ID.find(';') != std::string::npos || player->ID == kByePlayer)
      return Status::Error("the player ID \"" + player->ID + "\" cannot enter a knockout");
    if (!seen.insert(UpperCase(player->ID)).second)
      return Status::Error("player \"" + id + "\" is named twice");
  }
  return Status::Ok();
}

Status RefuseResult(const Knockout& knockout, const MatchRef& ref, const std::string& winnerID,
                    const std::string& result) {
  const KnockoutMatch* match = knockout.MatchAt(ref);
  const std::string name = MatchName(ref);
  if (!match) return Status::Error("no match " + name + " in knockout " + knockout.ID);
  if (match->IsBye()) return Status::Error(name + " is a bye");
  if (!match->HasPlayers()) return Status::Error("the players of " + name + " are not known yet");
  if (!SameText(winnerID, match->PlayerA) && !SameText(winnerID, match->PlayerB))
    return Status::Error(winnerID + " does not play in " + name + " (" + match->PlayerA + " v " +
                         match->PlayerB + ")");
  if (!result.empty() && !IsMatchResult(result))
    return Status::Error("not a match result: \"" + result +
                         "\" (N&M, 1 up, 2 up, 19th to 24th, w/o or conceded)");
  return Status::Ok();
}

// The match at `ref` loses its winner and result, and the slot that winner took next; so on
// down the bracket while the matches were decided.
void ClearOnward(Knockout& knockout, const MatchRef& ref, std::vector<MatchRef>& cleared) {
  const auto found = knockout.Matches.find(ref);
  if (found == knockout.Matches.end() || found->second.Winner.empty()) return;
  found->second.Winner.clear();
  found->second.Result.clear();
  cleared.push_back(ref);
  const auto next = knockout.Matches.find(NextMatch(ref));
  if (next == knockout.Matches.end()) return;
  SlotFrom(next->second, ref).clear();
  ClearOnward(knockout, next->first, cleared);
}

int CourseHcp(const Course& course, const PlayerList& players, const std::string& id) {
  return CourseStrokes(course, players.FindRecord(id)->Hcp);
}

}  // namespace

std::vector<std::string> SeedOrder(std::vector<Entrant> entrants, Seeding seeding,
                                   std::int32_t seed) {
  if (seeding == Seeding::Handicap) {
    std::stable_sort(entrants.begin(), entrants.end(), [](const Entrant& a, const Entrant& b) {
      return a.Hcp != b.Hcp ? a.Hcp < b.Hcp : CompareText(a.ID, b.ID) < 0;
    });
  } else if (seeding == Seeding::Random) {
    // Fisher-Yates on the generator's raw output: std::shuffle's order is the library's own.
    std::mt19937 generator(static_cast<std::uint32_t>(seed));
    for (std::size_t i = entrants.size(); i > 1; --i)
      std::swap(entrants[i - 1], entrants[generator() % i]);
  }
  std::vector<std::string> ids;
  for (const Entrant& entrant : entrants)
    ids.push_back(entrant.ID);
  return ids;
}

Status MakeKnockout(const KnockoutRequest& request, const PlayerList& players,
                    const CourseList& courses, Knockout& knockout) {
  if (Status checked = CheckRequest(request, players, courses); !checked) return checked;
  std::vector<Entrant> entrants;
  for (const std::string& id : request.PlayerIDs) {
    const Player* player = players.FindRecord(id);
    entrants.push_back({player->ID, player->Hcp});
  }
  Knockout made;
  made.ID = request.ID;
  made.Name = request.Name;
  if (const Course* course = courses.FindRecord(request.CourseID)) made.CourseID = course->ID;
  made.Allowance = request.Allowance;
  made.Order = request.Order;
  if (request.Order == Seeding::Random)
    made.Seed = request.Seed.value_or(static_cast<std::int32_t>(std::random_device()() >> 1));
  made.Players = SeedOrder(std::move(entrants), request.Order, made.Seed.value_or(0));
  FillBracket(made);
  AdvanceByes(made);
  knockout = std::move(made);
  return Status::Ok();
}

int KnockoutRounds(const Knockout& knockout) {
  return BracketRounds(BracketSlots(static_cast<int>(knockout.Players.size())));
}

ResultChange RecordResult(Knockout& knockout, const MatchRef& ref, const std::string& winnerID,
                          const std::string& result, bool force) {
  ResultChange change;
  if (change.Outcome = RefuseResult(knockout, ref, winnerID, result); !change.Outcome)
    return change;
  KnockoutMatch& match = knockout.Matches[ref];
  const std::string winner = SameText(winnerID, match.PlayerA) ? match.PlayerA : match.PlayerB;
  const auto next = knockout.Matches.find(NextMatch(ref));
  // A new winner takes the slot of the former one in the next match, whose result then no
  // longer holds.
  const bool slotChanges = next != knockout.Matches.end() && SlotFrom(next->second, ref) != winner;
  if (slotChanges && !next->second.Winner.empty() && !force) {
    change.Outcome =
        Status::Error(MatchName(next->first) + " has been played (won by " + next->second.Winner +
                      "): --force empties it and the matches after it");
    change.NeedsForce = true;
    return change;
  }
  if (slotChanges) ClearOnward(knockout, next->first, change.Cleared);
  match.Winner = winner;
  match.Result = result;
  if (next != knockout.Matches.end()) SlotFrom(next->second, ref) = winner;
  return change;
}

std::optional<MatchShots> ShotsOf(const Knockout& knockout, const KnockoutMatch& match,
                                  const PlayerList& players, const CourseList& courses) {
  const Course* course =
      knockout.CourseID.empty() ? nullptr : courses.FindRecord(knockout.CourseID);
  if (!course || !match.HasPlayers() || match.IsBye() || !players.FindRecord(match.PlayerA) ||
      !players.FindRecord(match.PlayerB))
    return std::nullopt;
  return ShotsGiven(CourseHcp(*course, players, match.PlayerA),
                    CourseHcp(*course, players, match.PlayerB), knockout.Allowance);
}

std::vector<int> ShotHoles(const Course& course, int shots) {
  std::vector<int> holes;
  for (int hole = 1; hole <= kHoles; ++hole)
    for (int k = StrokesReceived(shots, course.Hcp.Hole(hole)); k > 0; --k)
      holes.push_back(hole);
  return holes;
}

std::string ShotsText(const std::optional<MatchShots>& shots, const KnockoutMatch& match) {
  if (!shots) return {};
  if (shots->Receiver < 0) return "no shots";
  return std::to_string(shots->Shots) + " to " +
         (shots->Receiver == 0 ? match.PlayerA : match.PlayerB);
}

}  // namespace cardwise
