#pragma once
// The bracket of a knockout: made from the entrants in seed order, advanced by the results as
// they come in, and the shots of each match. Every function checks what it is given and
// returns a Status naming what is wrong; the knockout is changed only when it succeeds.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"
#include "records/course.h"
#include "records/player.h"
#include "results/knockout.h"

namespace cardwise {

// An entrant as the seeding sees it.
struct Entrant {
  std::string ID;
  float Hcp = 0;
};

// The entrants' IDs in seed order: `Listed` as given; `Handicap` the lowest Hcp first, equal
// ones by ID; `Random` shuffled by a generator started from `seed` (the same seed gives the
// same order everywhere).
std::vector<std::string> SeedOrder(std::vector<Entrant> entrants, Seeding seeding,
                                   std::int32_t seed);

// What `knockout create` asks for.
struct KnockoutRequest {
  std::string ID, Name, CourseID;
  std::vector<std::string> PlayerIDs;  // as listed
  Seeding Order = Seeding::Handicap;
  std::optional<std::int32_t> Seed;  // of a random seeding; chosen when not given
  int Allowance = 100;
};

// A new knockout with its bracket: the players (2 to 128, each in the player list once) in
// seed order and round 1 filled, each bye won by its player, who goes on into round 2. Fails,
// naming what is wrong, on an unknown player or course, a player named twice, a player count
// outside 2..128 or an allowance outside 0..100.
Status MakeKnockout(const KnockoutRequest& request, const PlayerList& players,
                    const CourseList& courses, Knockout& knockout);

// The rounds of the knockout's bracket.
int KnockoutRounds(const Knockout& knockout);

// What a result did beyond its own match: the later matches it emptied (--force).
struct ResultChange {
  Status Outcome = Status::Ok();
  bool NeedsForce = false;  // refused only because a later match depends on the former winner
  std::vector<MatchRef> Cleared;
};

// Records the winner (and the result text, which may be empty) of a match and puts the winner
// into the next round's match (the upper match of a pair gives player A, the lower player B).
// Refused: a match not in the bracket, a bye, a match whose players are not both known, a
// winner who does not play in it, a result text that is no match result. A new winner of a
// match whose former winner has played in the next round is refused unless `force`, which
// empties the later matches that depended on it (listed in Cleared).
ResultChange RecordResult(Knockout& knockout, const MatchRef& ref, const std::string& winnerID,
                          const std::string& result, bool force);

// The shots of a match: nullopt without a course (none set, or not in the list), for a bye or a
// match whose players are not both known players. Each player's course handicap comes from the
// player's Hcp on the course (CourseStrokes).
std::optional<MatchShots> ShotsOf(const Knockout& knockout, const KnockoutMatch& match,
                                  const PlayerList& players, const CourseList& courses);
// The holes (1..18, each once per shot there) on which `shots` are received: the holes of
// lowest stroke index first, from stroke index 1 again above 18.
std::vector<int> ShotHoles(const Course& course, int shots);

// The text of a match's shots for lists: "" without shots (nullopt), "no shots" between equal
// course handicaps, else "3 to AB".
std::string ShotsText(const std::optional<MatchShots>& shots, const KnockoutMatch& match);

}  // namespace cardwise
