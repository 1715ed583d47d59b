#pragma once
// The results of an event for pairs or teams (see event_teams.h): each team's card made from
// its members' rounds in the event, the teams ranked as single players are.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"
#include "records/course.h"
#include "records/player.h"
#include "records/round.h"
#include "results/event.h"
#include "results/team_scoring.h"

namespace cardwise {

// One member of a team in the event.
struct MemberCard {
  std::string PlayerID;
  const Round* Card = nullptr;  // the member's round in the event; nullptr when none counts
  // The round's Strokes, else the player's Hcp on the event's course (CourseStrokes).
  int CourseHcp = 0;
  int PlayingHcp = 0;                      // the member's; in the one-ball formats the team's
  std::array<HoleScore, kHoles> Scores{};  // gross, net or points per the event's type
  std::array<bool, kHoles> Counted{};      // whether the score counts for the team
};

struct TeamCard {
  Team Members;
  int Format = kIndividual;
  std::vector<MemberCard> Cards;  // one per member, in member order
  // The one-ball formats' playing handicap; fourball and team, the members' added.
  int PlayingHcp = 0;
  std::array<HoleScore, kHoles> Holes{};  // the team's hole scores
  std::optional<int> Total;               // nullopt: strokes with a hole without a score

  bool HasCard() const;
  // The Total as a result (empty when there is none) and the playing handicaps as the CSV
  // shows them (the members' joined by "+" in fourball and team).
  std::string ResultText() const;
  std::string PlayingHcpText() const;
  std::vector<std::string> RoundIDs() const;
};

// The team's name, else its members' names (their IDs where there is no player) joined by " / ".
std::string TeamDisplayName(const Team& team, const PlayerList& players);

// The card of each team of the event of a computed type (0 to 2), in the order of its Team
// keys. Fails, naming the team's key, when a member is not in the player list; `cards` is then
// empty.
Status BuildTeamCards(const Event& event, const RoundList& rounds, const PlayerList& players,
                      const CourseList& courses, std::vector<TeamCard>& cards);

// CalcResults, and for a team event of a computed type the line "place;total;ID+ID..;round
// ID+round ID..;note" of each team with a card, ranked by score, then (not in gross events) the
// lower playing handicap ("Hcp"), then the count-back over the team's hole scores. A failure
// of BuildTeamCards leaves the results as they were.
Status CalcEventResults(Event& event, const RoundList& rounds, const PlayerList& players,
                        const CourseList& courses);

// The team card whose members are the "+"-joined IDs of a result line's player field; nullptr
// when none is.
const TeamCard* CardOfLine(const std::vector<TeamCard>& cards, const std::string& line);

}  // namespace cardwise
