#pragma once
// Rounds: one scorecard of one player on one course on one day, in "ROUNDS.DAT".
//
//   [020615-1030-JS]
//   ID=020615-1030-JS
//   PlayerID=JS
//   Player=John Smith
//   CourseID=MILLBGC
//   Course=Mill Brook Golf Club
//   EventID=SPRING
//   Event=Spring Cup
//   Hcp=12.4
//   Strokes=12
//   Date=2002-06-15
//   Start=10:30:00
//   Score=5,4,3,6,5,4,4,5,6,4,5,3,6,5,4,3,5,6
//   ...
//   TotalPutts=35
//
// A round's ID is "yymmdd-hhnn-" + PlayerID of its date and tee time, so the list is in order
// of date (by its two-digit year), tee time and player. A round with an empty Score is never
// saved.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "records/course.h"
#include "records/dates.h"
#include "records/hole_row.h"
#include "records/player.h"
#include "records/record_io.h"
#include "records/record_list.h"
#include "settings/colors.h"

namespace cardwise {

struct AppSettings;

struct Round {
  static constexpr const char* kSavingPrefix = "Saving ";
  static constexpr const char* kNameKey = nullptr;  // rounds are not found by name

  Round() { Score.StrictTotal = true; }

  std::string ID;
  std::string PlayerID, PlayerName;  // the player's ID and name as entered
  std::string CourseID, CourseName;
  std::string EventID;       // the event the round was played in; empty outside events
  std::string EventIDs;      // further events: the round counts in every event whose ID occurs here
  std::string EventName;     // the event's name
  DateTime Date = 0;         // the day
  DateTime Start = 0;        // the tee time (the fraction)
  float Hcp = 0;             // exact handicap on the day
  std::int16_t Strokes = 0;  // strokes received on the course
  Result Score, Greens, Putts, Fairways;  // Score has StrictTotal set
  Result CPar, CHcp, CLen;                // the course's card when the round was entered
  StatTexts Stats;
  bool Used = false;                 // not stored
  ColorValue CachedCourseColor = 0;  // CourseColor() once looked up; 0 = not yet; not stored

  FieldResult ReadField(std::string_view key, std::string_view value);
  // Strokes := Hcp rounded half to even when Strokes is 0.
  void Complete();
  // PlayerID from the initials of Player when empty; then ID := "yymmdd-hhnn-" + PlayerID.
  void MakeID();
  bool ShouldSave() const { return !Score.IsEmpty(); }
  void PrepareSave() { Complete(); }
  std::vector<KeyValue> FileKeys();  // non-const: the totals keep their sums (Result::Total)
  // The file keys without "EventIDs", with "Score" even when empty. The totals are taken as
  // Total() gives them; the const form leaves the rows' stored totals as they are.
  std::vector<KeyValue> ClipboardKeys();
  std::vector<KeyValue> ClipboardKeys() const;
  void ReloadFrom(const IniFile& file, const std::string& section);
  void PasteFrom(const ClipboardText& clip);
  bool MatchesName(std::string_view) const { return false; }

  // Stableford points of hole 1..18 (0 without a score or when negative).
  int Points(int hole) const;
  int PointsOut() const;
  int PointsIn() const;
  int PointsTotal() const;
  // Strokes, and points, over the last n holes (18, 17, ..., 19 - n).
  int LastHolesScore(int n) const;
  int LastHolesPoints(int n) const;
  // The year of Date equals the year of `date`, or `date` is 0.
  bool InYear(DateTime date) const;
  std::string DateText() const;  // short date + ", " + short time of Start
  std::string Summary() const;   // ID,Player,Course,Event
  const Player* PlayerOf(const PlayerList& players) const;
  // The LenColor of the round's course, else the settings' default length colour; looked up
  // once and kept.
  ColorValue CourseColor(const CourseList& courses, const AppSettings& settings);
  void Clear();
};

class RoundList : public RecordList<Round> {
 public:
  // Rewrites the whole file from the list (rounds with a score, in list order). The file as it
  // was is kept as the path with its extension replaced by ".bak"; when the new file cannot be
  // written the old one is still in place and the failure is returned.
  Status SaveToFile(const std::string& path);
};

// The path with its extension replaced by ".bak" ("ROUNDS.DAT" gives "ROUNDS.bak").
std::string BackupPath(const std::string& path);

// The process-wide round list.
RoundList& Rounds();

}  // namespace cardwise
