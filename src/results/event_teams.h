#pragma once
// The stored form of an event played by pairs or teams: its format, its teams and the handicap
// allowances, as the event's keys hold them.
//
//   Format=fourball                  fourball, team, foursomes, greensomes or scramble
//   Team1=JS,MB;The Early Birds      the members' player IDs, then an optional name
//   Best=2                           team: the scores that count on each hole (default 2)
//   Allowance=90,80                  percentages replacing the default allowances, in member
//                                    order from the lowest course handicap
//
// Without a Format the event is an individual one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cardwise {

enum TeamFormat : int {
  kIndividual = 0,
  kFourball,    // pairs, each with a card; the better score on each hole
  kTeamBest,    // three or four, each with a card; the Best best scores on each hole
  kFoursomes,   // pairs, one ball and one card (the first member's)
  kGreensomes,  // pairs, one ball and one card
  kScramble,    // two to four, one ball and one card
};

// "fourball", ...; empty for kIndividual.
const char* TeamFormatName(int format);
// The format of a Format value; nullopt when it names none. An empty value is kIndividual.
std::optional<int> TeamFormatFrom(std::string_view name);
// Whether every member plays their own ball with their own card (fourball, team).
bool MembersHaveCards(int format);
// The sizes a team of the format may have.
int FewestMembers(int format);
int MostMembers(int format);

// The best scores counted on a hole: Best for the team format (1..4, default 2), else 1.
inline constexpr int kDefaultBest = 2;

struct Team {
  std::vector<std::string> Members;  // player IDs, in the order given
  std::string Name;                  // empty: shown as the members' names joined by " / "

  // "ID,ID[,ID[,ID]][;Name]"; nullopt when an ID is empty or there are more than four.
  static std::optional<Team> Parse(std::string_view text);
  std::string Text() const;
  bool HasMember(std::string_view playerID) const;  // without regard to letter case
};

// "90" or "35,15": whole percentages 0..200 separated by ","; nullopt when not so. An empty text
// gives an empty list (the defaults).
std::optional<std::vector<int>> ParseAllowance(std::string_view text);

// What is wrong with a team of the event's format or with the teams read before it: a size the
// format does not allow, a member already in an earlier team. Empty when nothing is.
std::string TeamProblem(int format, const Team& team, const std::vector<Team>& earlier);

// The member IDs joined by "+", the form of a team's result line.
std::string JoinedIDs(const std::vector<std::string>& ids);
// The IDs of a "+"-joined field.
std::vector<std::string> SplitIDs(std::string_view field);
// Whether one of the IDs of a "+"-joined field is `id` (letter case counts).
bool HasJoinedID(std::string_view field, std::string_view id);

}  // namespace cardwise
