#include "results/team_results.h"

#include <map>
#include <memory>

#include "platform/codepage.h"
#include "records/golf_rules.h"
#include "results/event_results.h"
#include "results/line_sort.h"
#include "results/result_line.h"

namespace cardwise {

namespace {

const Round* MemberRound(const Event& event, const RoundList& rounds, std::string_view id) {
  for (int i = 0; i < rounds.Count(); ++i) {
    const Round& round = rounds.RecordAt(i);
    if (SameText(round.PlayerID, id) && IsRoundOfEvent(round, event.ID)) return &round;
  }
  return nullptr;
}

// A member's value on a hole of its card, played off `playing` strokes.
HoleScore MemberHole(int type, const Round& card, int playing, int hole) {
  const int score = card.Score.Hole(hole);
  if (score <= 0) return std::nullopt;
  const int index = card.CHcp.Hole(hole);
  if (type == kStrokesNet) return score - StrokesReceived(playing, index);
  if (type == kStableford) return StablefordPoints(card.CPar.Hole(hole), index, playing, score);
  return score;
}

// The members, each with its card and course handicap; in the one-ball formats only the first
// member with a round keeps it (the team's card).
Status ReadMembers(const Event& event, const RoundList& rounds, const PlayerList& players,
                   const CourseList& courses, std::size_t number, TeamCard& team) {
  const Course* course = courses.FindRecord(event.CourseID);
  bool cardTaken = false;
  for (const std::string& id : team.Members.Members) {
    const Player* player = players.FindRecord(id);
    if (player == nullptr)
      return Status::Error("Team" + std::to_string(number) + ": unknown player ID " + id);
    MemberCard member{id};
    member.Card = cardTaken ? nullptr : MemberRound(event, rounds, id);
    cardTaken = member.Card != nullptr && !MembersHaveCards(event.Format);
    member.CourseHcp = member.Card != nullptr
                           ? member.Card->Strokes
                           : CourseStrokes(course ? *course : Course(), player->Hcp);
    team.Cards.push_back(std::move(member));
  }
  return Status::Ok();
}

void SetPlayingHcps(const Event& event, TeamCard& team) {
  std::vector<int> courseHcps;
  for (const MemberCard& member : team.Cards)
    courseHcps.push_back(member.CourseHcp);
  const std::vector<int> playing =
      PlayingHandicaps(event.Format, event.CountingScores(), courseHcps,
                       ParseAllowance(event.Allowance).value_or(std::vector<int>{}));
  team.PlayingHcp = 0;
  for (std::size_t i = 0; i < team.Cards.size(); ++i) {
    team.Cards[i].PlayingHcp = playing.size() == 1 ? playing[0] : playing[i];
    if (playing.size() > 1) team.PlayingHcp += playing[i];
  }
  if (playing.size() == 1) team.PlayingHcp = playing[0];
}

// The members' values on the hole, which of them count, and the team's score there.
void ScoreHole(const Event& event, int hole, TeamCard& team) {
  std::vector<HoleScore> scores;
  for (const MemberCard& member : team.Cards)
    scores.push_back(member.Card ? MemberHole(event.Type, *member.Card, member.PlayingHcp, hole)
                                 : std::nullopt);
  std::vector<bool> counted;
  const bool points = event.Type == kStableford;
  team.Holes[hole - 1] = TeamHoleScore(scores, event.CountingScores(), points, &counted);
  for (std::size_t i = 0; i < team.Cards.size(); ++i) {
    team.Cards[i].Scores[hole - 1] = scores[i];
    team.Cards[i].Counted[hole - 1] = counted[i];
  }
}

// Points add up whatever is missing; strokes need a score on every hole.
void ScoreHoles(const Event& event, TeamCard& team) {
  int total = 0;
  bool complete = true;
  for (int hole = 1; hole <= kHoles; ++hole) {
    ScoreHole(event, hole, team);
    complete = complete && team.Holes[hole - 1].has_value();
    total += team.Holes[hole - 1].value_or(0);
  }
  const bool points = event.Type == kStableford;
  team.Total = complete || points ? std::optional<int>(total) : std::nullopt;
}

TieBreak TeamTieBreak(const TeamCard& team) {
  TieBreak tie{team.PlayingHcp, {}};
  static constexpr int kHolesOfStep[] = {9, 6, 3, 1};
  for (std::size_t step = 0; step < tie.LastHoles.size(); ++step)
    for (int hole = kHoles + 1 - kHolesOfStep[step]; hole <= kHoles; ++hole)
      tie.LastHoles[step] += team.Holes[hole - 1].value_or(0);
  return tie;
}

using TeamLine = AttachedLine<const TeamCard>;

bool TeamLineBefore(int type, TeamLine& a, TeamLine& b) {
  if (&a == &b) return false;
  const double sa = ScoreOf(a.Text);
  const double sb = ScoreOf(b.Text);
  if (sa != sb) return ScoresBefore(type, sa, sb);
  return TieBefore(type, TeamTieBreak(*a.Attached), TeamTieBreak(*b.Attached), a.Text, b.Text);
}

std::string TeamLineText(const TeamCard& team) {
  return ";" + team.ResultText() + ";" + JoinedIDs(team.Members.Members) + ";" +
         JoinedIDs(team.RoundIDs());
}

// The teams with a card, ranked and their places numbered. The lines borrow the cards (the
// shared pointers own nothing): the cards outlive the sort.
void RankTeams(Event& event, const std::vector<TeamCard>& cards) {
  std::vector<TeamLine> lines;
  for (const TeamCard& team : cards)
    if (team.HasCard())
      lines.push_back({TeamLineText(team), std::shared_ptr<const TeamCard>(&team, [](auto*) {})});
  ListQuickSort(lines, [&](TeamLine& a, TeamLine& b) { return TeamLineBefore(event.Type, a, b); });
  AssignPlaces(lines);
  event.Results.clear();
  for (TeamLine& line : lines)
    event.Results.push_back(std::move(line.Text));
}

}  // namespace

bool TeamCard::HasCard() const {
  for (const MemberCard& member : Cards)
    if (member.Card != nullptr) return true;
  return false;
}

std::string TeamCard::ResultText() const {
  return Total ? std::to_string(*Total) : std::string();
}

std::string TeamCard::PlayingHcpText() const {
  if (!MembersHaveCards(Format)) return std::to_string(PlayingHcp);
  std::vector<std::string> texts;
  for (const MemberCard& member : Cards)
    texts.push_back(std::to_string(member.PlayingHcp));
  return JoinedIDs(texts);
}

std::vector<std::string> TeamCard::RoundIDs() const {
  std::vector<std::string> ids;
  for (const MemberCard& member : Cards)
    if (member.Card != nullptr) ids.push_back(member.Card->ID);
  return ids;
}

std::string TeamDisplayName(const Team& team, const PlayerList& players) {
  if (!team.Name.empty()) return team.Name;
  std::string name;
  for (const std::string& id : team.Members) {
    const Player* player = players.FindRecord(id);
    name += (name.empty() ? "" : " / ") + (player != nullptr ? player->Name : id);
  }
  return name;
}

Status BuildTeamCards(const Event& event, const RoundList& rounds, const PlayerList& players,
                      const CourseList& courses, std::vector<TeamCard>& cards) {
  cards.clear();
  for (std::size_t i = 0; i < event.Teams.size(); ++i) {
    TeamCard team;
    team.Members = event.Teams[i], team.Format = event.Format;
    if (Status status = ReadMembers(event, rounds, players, courses, i + 1, team); !status) {
      cards.clear();
      return status;
    }
    SetPlayingHcps(event, team);
    ScoreHoles(event, team);
    cards.push_back(std::move(team));
  }
  return Status::Ok();
}

Status CalcEventResults(Event& event, const RoundList& rounds, const PlayerList& players,
                        const CourseList& courses) {
  if (!event.IsTeamEvent() || !IsComputed(event.Type)) {
    CalcResults(event, rounds);
    return Status::Ok();
  }
  std::vector<TeamCard> cards;
  if (Status status = BuildTeamCards(event, rounds, players, courses, cards); !status)
    return status;
  RankTeams(event, cards);
  return Status::Ok();
}

const TeamCard* CardOfLine(const std::vector<TeamCard>& cards, const std::string& line) {
  const std::vector<std::string> ids = SplitIDs(ResultFields::Parse(line).PlayerID);
  for (const TeamCard& team : cards) {
    if (team.Members.Members.size() != ids.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < ids.size(); ++i)
      same = same && SameText(ids[i], team.Members.Members[i]);
    if (same) return &team;
  }
  return nullptr;
}

}  // namespace cardwise
