#pragma once
// The records that hold the ID of a player, course or event. They stay when it is deleted and
// show the bare ID from then on; the delete question counts them.

#include <string>
#include <string_view>

#include "results/database.h"

namespace cardwise {

struct RecordUses {
  int Rounds = 0;        // rounds of the player, on the course, or of the event
  int EventResults = 0;  // event result lines of the player
  int TourLines = 0;     // tour standing lines of the player
  int Events = 0;        // events on the course
  int Tours = 0;         // tours holding the event
  int Teams = 0;         // teams of events the player is a member of
};

// Player, course and round IDs are compared without regard to letter case, as the lists find
// records (a team's result line names each of its members); an event's rounds are those its
// results take (IsRoundOfEvent) and its tours those that hold it (HasEvent).
RecordUses PlayerUses(const Database& database, std::string_view playerID);
RecordUses CourseUses(const Database& database, std::string_view courseID);
RecordUses EventUses(const Database& database, std::string_view eventID);

// The counts that are not 0, in the order of RecordUses, with their nouns in the singular or
// plural, the last joined by "and": "1 round, 2 event results and 1 tour line". Empty when
// nothing uses the record.
std::string UsesText(const RecordUses& uses);

}  // namespace cardwise
