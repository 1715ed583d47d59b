#include "results/record_uses.h"

#include <utility>
#include <vector>

#include "platform/codepage.h"
#include "records/text.h"
#include "results/event_results.h"
#include "results/result_line.h"

namespace cardwise {

namespace {

// The records of a list for which `uses` holds.
template <class List, class Uses>
int CountOf(const List& list, Uses&& uses) {
  int count = 0;
  for (int i = 0; i < list.Count(); ++i)
    if (uses(list.RecordAt(i))) ++count;
  return count;
}

template <class Uses>
int CountOf(const std::vector<Team>& teams, Uses&& uses) {
  int count = 0;
  for (const Team& team : teams)
    if (uses(team)) ++count;
  return count;
}

// The lines of the lists whose player ID, as `Fields` reads it, is the ID (letter case aside).
template <class Fields, class Lines>
int LinesNaming(const Lines& lines, std::string_view id) {
  int count = 0;
  for (const auto& line : lines)
    if (SameText(Fields::Parse(LineText(line)).PlayerID, id)) ++count;
  return count;
}

int TeamLinesNaming(const Event& event, std::string_view id) {
  int count = 0;
  for (const std::string& line : event.Results)
    for (const std::string& member : SplitIDs(ResultFields::Parse(line).PlayerID))
      if (SameText(member, id)) ++count;
  return count;
}

std::string Counted(int count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

RecordUses PlayerUses(const Database& database, std::string_view playerID) {
  RecordUses uses;
  uses.Rounds = CountOf(database.Rounds,
                        [&](const Round& round) { return SameText(round.PlayerID, playerID); });
  for (int i = 0; i < database.Events.Count(); ++i) {
    const Event& event = database.Events.RecordAt(i);
    uses.EventResults += event.IsTeamEvent() ? TeamLinesNaming(event, playerID)
                                             : LinesNaming<ResultFields>(event.Results, playerID);
    uses.Teams += CountOf(event.Teams, [&](const Team& team) { return team.HasMember(playerID); });
  }
  for (int i = 0; i < database.Tours.Count(); ++i)
    uses.TourLines += LinesNaming<StandingFields>(database.Tours.RecordAt(i).Standings, playerID);
  return uses;
}

RecordUses CourseUses(const Database& database, std::string_view courseID) {
  RecordUses uses;
  uses.Rounds = CountOf(database.Rounds,
                        [&](const Round& round) { return SameText(round.CourseID, courseID); });
  uses.Events = CountOf(database.Events,
                        [&](const Event& event) { return SameText(event.CourseID, courseID); });
  return uses;
}

RecordUses EventUses(const Database& database, std::string_view eventID) {
  RecordUses uses;
  uses.Rounds =
      CountOf(database.Rounds, [&](const Round& round) { return IsRoundOfEvent(round, eventID); });
  uses.Tours = CountOf(database.Tours, [&](const Tour& tour) { return tour.HasEvent(eventID); });
  return uses;
}

std::string UsesText(const RecordUses& uses) {
  const std::pair<int, const char*> counts[] = {
      {uses.Rounds, "round"},        {uses.EventResults, "event result"},
      {uses.TourLines, "tour line"}, {uses.Events, "event"},
      {uses.Tours, "tour"},          {uses.Teams, "team"}};
  std::vector<std::string> parts;
  for (const auto& [count, noun] : counts)
    if (count > 0) parts.push_back(Counted(count, noun));
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i)
    text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
  return text;
}

}  // namespace cardwise
