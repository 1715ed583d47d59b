#pragma once
// Events: competitions on one course on one day, in "EVENTS.DAT", with their result lines.
//
// A result line has five ";"-separated fields: place; score; player ID; round ID; tie note
// (empty, "Last 9", "Last 6", "Last 3", "Hole 18", "Hcp" or "="). Results are stored under the
// keys "1", "2", ... of the event's section.
//
// An event for pairs or teams (see event_teams.h) has the keys Format, Best, Allowance and
// Team1, Team2, ...; its result lines hold the members' player IDs and round IDs joined by "+".
// A bad value of these keys, a team of a size its format does not allow or a player in two
// teams is an unreadable line.
//
// An event may hold its draw ("Group1=08:00;1;JS;AB", ..., and "DrawSeed=N" for a shuffled
// draw; see results/draw.h) and its divisions ("Divisions=10,20"; see results/divisions.h).
// Both are written only when set.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "records/dates.h"
#include "records/record_io.h"
#include "records/record_list.h"
#include "results/draw.h"
#include "results/event_teams.h"

namespace cardwise {

// How an event ranks its field.
enum EventType : int {
  kNoEventType = -1,
  kStrokesGross = 0,     // rounds of the event, gross score, lower is better
  kStrokesNet = 1,       // gross score minus received strokes, lower is better
  kStableford = 2,       // Stableford points, higher is better
  kManualAscending = 3,  // typed-in results, lower is better
  kManualDescending = 4  // typed-in results, higher is better
};

struct Event {
  static constexpr const char* kSavingPrefix = "Saving: ";
  static constexpr const char* kNameKey = "Event";

  std::string ID;
  std::string Name;  // the event's name
  std::string CourseID;
  std::string Header;  // header template of the event's page
  DateTime Date = 0;
  int Type = kNoEventType;
  bool Make = true;                  // whether the event gets a web page
  std::vector<std::string> Results;  // result lines, in ranked order once computed
  int Format = kIndividual;          // a TeamFormat
  std::vector<Team> Teams;
  int Best = 0;           // team format: the scores counted on each hole; 0 = not stored (2)
  std::string Allowance;  // percentages as read (see ParseAllowance); empty = the defaults
  std::vector<double> Divisions;          // ascending upper handicap limits; empty: none
  std::vector<DrawGroup> Draw;            // in starting order; empty: no draw
  std::optional<std::uint32_t> DrawSeed;  // the seed of a shuffled draw
  bool Used = false;                      // not stored

  FieldResult ReadField(std::string_view key, std::string_view value);
  FieldResult ReadTeamField(std::string_view key, std::string_view value);
  void Complete();  // drops the draw's group numbers that no key filled
  // ID := the initials of the first two words of Event.
  void MakeID();
  bool ShouldSave() const { return true; }
  void PrepareSave() {}
  std::vector<KeyValue> FileKeys() const;
  std::vector<KeyValue> ClipboardKeys() const;
  void ReloadFrom(const IniFile& file, const std::string& section);
  void ReloadTeamsFrom(const IniFile& file, const std::string& section);
  void PasteFrom(const ClipboardText& clip);
  void PasteTeamsFrom(const ClipboardText& clip);
  bool MatchesName(std::string_view name) const;  // Event, without regard to letter case

  bool IsTeamEvent() const { return Format != kIndividual; }
  int CountingScores() const { return Format == kTeamBest ? (Best > 0 ? Best : kDefaultBest) : 1; }

  // The first result line whose player field equals the ID without regard to letter case; in
  // a team event, the first whose "+"-joined player IDs hold it.
  bool FindResult(std::string_view playerID, int& index) const;
  void Clear();
};

// A line with neither a score nor a player: it holds nothing worth a key, and is not saved.
bool IsBlankResult(const std::string& line);

class EventList : public RecordList<Event> {};

// The process-wide event list.
EventList& Events();

}  // namespace cardwise
