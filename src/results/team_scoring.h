#pragma once
// How pairs and teams score (see event_teams.h): the playing handicaps of the handicap
// allowances, and a team's score on a hole from its members' scores.

#include <optional>
#include <vector>

#include "results/event_teams.h"

namespace cardwise {

// x / 100 rounded half up (towards the greater number), for a whole number x.
int HundredthsRoundedHalfUp(int hundredths);

// The allowances of the format, in percent, one per member from the lowest course handicap:
// `allowance` when it is not empty (its last value repeated for further members), else the
// defaults: fourball 85; team 75 with one counting score, 85 with two, 100 with more;
// foursomes 50, 50; greensomes 60, 40; scramble 35, 15 / 30, 20, 10 / 25, 20, 15, 10.
std::vector<int> Allowances(int format, int best, int members, const std::vector<int>& allowance);

// The playing handicaps made from the members' course handicaps (in member order): fourball
// and team, one per member (its course handicap times its allowance, rounded half up); the
// one-ball formats, a single one for the team (the allowances applied to the course handicaps
// from the lowest, added, and rounded half up once).
std::vector<int> PlayingHandicaps(int format, int best, const std::vector<int>& courseHcps,
                                  const std::vector<int>& allowance);

// A hole's score; nullopt when there is none (a net score may be 0 or below).
using HoleScore = std::optional<int>;

// The team's score on a hole from its members' scores there: the `best` lowest (`higherWins`
// false) or highest added. With fewer scores than `best`, strokes give no score (nullopt) and
// points add those there are (0 when none). `counted` gets, per member, whether its score is
// one of those added.
HoleScore TeamHoleScore(const std::vector<HoleScore>& scores, int best, bool higherWins,
                        std::vector<bool>* counted = nullptr);

}  // namespace cardwise
