#pragma once
// Tours: series of events with a common standing, in "TOURS.DAT".
//
// A standing line has five ";"-separated fields: place; total; count; player ID; tie note
// (empty or "="). Standing lines are stored under the keys "1", "2", ... of the tour's section
// and carry, while a computation holds them, the player's values (TourResults).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "records/course.h"
#include "records/record_io.h"
#include "records/record_list.h"
#include "results/event.h"
#include "results/line_sort.h"

namespace cardwise {

class TourResults;  // the per-player values of a standing computation
using StandingLine = AttachedLine<TourResults>;

struct Tour {
  static constexpr const char* kSavingPrefix = "Saving: ";
  static constexpr const char* kNameKey = "Tour";

  std::string ID;
  std::string Name;             // the tour's name
  std::string Events;           // event IDs in tour order, each followed by ";" ("E1;E2;")
  std::string MandatoryEvents;  // free text naming the mandatory event IDs
  std::string Weights;          // one weight per event of Events, in its order, ";"-separated
  std::string Dir;              // folder of the tour's pages below the web root
  std::string Header;           // header template of the tour's pages
  int Type = -1;                // scoring system 0..6
  int Ntot = 0;                 // players in the tour (N of the Pts(p) system)
  int Worst = 0;                // worst results per player not counted
  std::vector<StandingLine> Standings;
  bool Used = false;  // not stored

  FieldResult ReadField(std::string_view key, std::string_view value);
  void Complete() {}
  // ID := the initials of the first two words of Tour.
  void MakeID();
  bool ShouldSave() const { return true; }
  // Ntot := the number of standing lines.
  void PrepareSave();
  std::vector<KeyValue> FileKeys() const;
  std::vector<KeyValue> ClipboardKeys() const;
  void ReloadFrom(const IniFile& file, const std::string& section);
  void PasteFrom(const ClipboardText& clip);
  bool MatchesName(std::string_view name) const;  // Tour, without regard to letter case

  int EventCount() const;            // the ";" in Events
  std::string EventAt(int k) const;  // event k (from 1) of Events; empty past the end
  // Events starts with the ID and ";" or holds ";" + ID + ";" (letter case counts).
  bool HasEvent(std::string_view eventID) const;
  // The one course all the tour's existing events share (events without a course do not
  // count); nullptr when they differ, none has one, or it is not in the course list.
  const Course* CommonCourse(const EventList& events, const CourseList& courses) const;
  void Clear();
};

// One item of a check list of events: an event of the event list and whether it is checked.
struct EventCheck {
  std::string ID;
  bool Checked = false;
};

// Makes the tour's Events those checked in `checks` (the event list, in its order), each weight
// staying with its event ID. The events the tour has and that stay checked keep the tour's order
// and their weights; newly checked ones follow in the order of `checks`, with weight "1" when
// the tour has Weights; unchecked ones leave with their weight. An event of the tour that
// `checks` does not list (one no longer in the event list) stays where it is. A tour without
// Weights keeps none, and a tour whose events do not change stays exactly as it was.
void SetCheckedEvents(Tour& tour, const std::vector<EventCheck>& checks);

class TourList : public RecordList<Tour> {
 public:
  // The first tour in list order whose HasEvent holds; -1 when none.
  bool FindTourOfEvent(std::string_view eventID, int& index) const;
};

// The process-wide tour list.
TourList& Tours();

}  // namespace cardwise
