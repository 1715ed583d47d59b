#pragma once
// Computing and ranking an event's results from its rounds.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "records/round.h"
#include "results/event.h"

namespace cardwise {

// Whether the round is one of the event's: its EventID is the event's ID, or its EventIDs text
// contains it (letter case counts). No round is one of an event with an empty ID.
bool IsRoundOfEvent(const Round& round, std::string_view eventID);

// Types 0 to 2: the results become one line ";score;playerID;roundID" per round of the event
// (its EventID is the event's ID, or its EventIDs text contains it), in round-list order. Every
// type: the lines are sorted with ResultBefore and their places numbered.
void CalcResults(Event& event, const RoundList& rounds);
// The same with the positions in `rounds` of the event's rounds given, ascending.
void CalcResults(Event& event, const RoundList& rounds, std::span<const int> eventRounds);

// The rounds of each of the events, found in one pass over the round list, for computing many
// events at once.
class EventRounds {
 public:
  EventRounds(const RoundList& rounds, const EventList& events);
  // The positions of the rounds of IsRoundOfEvent(round, eventID), ascending, for an ID of
  // one of the events.
  std::vector<int> Of(const std::string& eventID) const;

 private:
  using Groups = std::unordered_map<std::string, std::vector<int>>;
  Groups played_;   // by the round's EventID
  Groups further_;  // by the events whose ID its EventIDs text holds (and EventID is not)
};

// Whether result line a ranks before line b in an event of the given type. Ties are broken by
// the received strokes ("Hcp", net and Stableford) and the count-back over the last 9, 6 and 3
// holes and hole 18; the line that wins a tie gets the note of the step that decided, lines no
// step separates both get "=". A line is never before itself.
bool ResultBefore(int type, std::string& a, std::string& b, const RoundList& rounds);

// Types 0 to 2, whose results are computed from rounds.
bool IsComputed(int type);

// The score field of a result line as a number (0 when it is none).
double ScoreOf(const std::string& line);

// Whether score a ranks before score b in an event of the type: gross and net lower first,
// with 0 or below (an incomplete card) after every other; Stableford higher first.
bool ScoresBefore(int type, double a, double b);

// What breaks a tie of equal computed scores: the handicap, then the sums over the last 9, 6
// and 3 holes and hole 18 (strokes, or points in a Stableford event).
struct TieBreak {
  int Hcp = 0;
  std::array<int, 4> LastHoles{};
};

// Lines a and b of equal scores: the lower handicap wins ("Hcp", not in gross events), then the
// count-back; the winner gets the note of the step that decided, lines no step separates both
// get "=".
bool TieBefore(int type, const TieBreak& ta, const TieBreak& tb, std::string& a, std::string& b);

// The round of a result line (its field 4); nullptr when it is not in the list.
const Round* RoundOfLine(const std::string& line, const RoundList& rounds);

}  // namespace cardwise
