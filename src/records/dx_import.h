#pragma once
// The import of the predecessor's "Data eXchange" files: BANA.DX (courses) and ROND.DX (rounds;
// the players and events are taken from the rounds too).
//
// A DX file is text in the DOS code page; every line is converted to Windows letters before
// anything else. A record is a run of "key=value" lines ended by a line that is exactly "*EOB"
// (BANA.DX) or "*EOR" (ROND.DX); lines after the last terminator belong to no record and are not
// imported (the report names the first of them that is not blank). Key and value are the first and
// second "="-separated fields of a line, each trimmed; keys are compared exactly and unknown keys
// are ignored. Hole rows come in two halves of values separated by single spaces: "...UT" for holes
// 1-9 and "...IN" for holes 10-18.
//
// ImportDX fills one working record per DX record through a reader of its kind and writes each
// finished record into the target data file as SaveRecord writes it (the target ends up exactly
// as saving the records one by one leaves it: a repeated ID keeps one section, with the values of
// its last occurrence), but in one rewrite of the file at the end: a DX file of thousands of
// rounds would otherwise rewrite the data file thousands of times.
//
// A reader of record kind T supplies:
//   static constexpr std::string_view kTerminator;
//   FieldResult Apply(T& record, std::string_view key, std::string_view value) const;
//   bool Finish(T& record) const;  // after the terminator; false: the record is not saved
// A value the reader reports as BadValue (a date that cannot be read) leaves its whole record
// out; the import goes on with the next record and lists the line in the report.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/status.h"
#include "platform/status_sink.h"
#include "records/course.h"
#include "records/player.h"
#include "records/record_io.h"
#include "records/round.h"

namespace cardwise {

inline constexpr std::string_view kCourseTerminator = "*EOB";
inline constexpr std::string_view kRoundTerminator = "*EOR";

// One line of a DX file, converted to Windows letters, without its line end.
struct DXLine {
  int Number = 0;  // 1-based
  std::string Text;
  std::string Key;
  std::string Value;
};

// Splits the bytes of a DX file into converted lines.
std::vector<DXLine> SplitDXLines(std::string_view bytes);

// The outcome of importing one DX file.
struct DXImportReport {
  std::string Source;                 // the DX file
  std::string Target;                 // the data file written
  bool SourceMissing = false;         // set by the import steps, which look before they read
  int Imported = 0;                   // records written into the target
  std::vector<LoadProblem> Problems;  // records left out, at the line that stopped each
  Status Outcome = Status::Ok();      // the source could not be read or the target written

  // One text per problem: "source:line: message: text".
  std::vector<std::string> Messages() const;
};

// The readers of the three kinds whose records live in this layer. Events are read in results.
struct DXCourseReader {
  static constexpr std::string_view kTerminator = kCourseTerminator;
  // "Klubb" (Course and Alias), "Telefon", "Slope" (rating/slope), "ParUT"/"ParIN",
  // "HcpUT"/"HcpIN", "GulUT"/"GulIN" (lengths from the yellow tee).
  FieldResult Apply(Course& course, std::string_view key, std::string_view value) const;
  bool Finish(Course&) const { return true; }
};

struct DXPlayerReader {
  static constexpr std::string_view kTerminator = kRoundTerminator;
  // "Spelare" (Player) and "Hcp".
  FieldResult Apply(Player& player, std::string_view key, std::string_view value) const;
  bool Finish(Player&) const { return true; }
};

struct DXRoundReader {
  static constexpr std::string_view kTerminator = kRoundTerminator;
  const PlayerList& Players;
  const CourseList& Courses;
  // The ID of the event of that name, empty when there is none: events live above this layer.
  std::function<std::string(std::string_view name)> EventIDByName;

  // "Spelare", "Hcp", "Tavling", "Datum", "Bana", "Start", "ErhSlag", "ScoreUT"/"ScoreIN",
  // "Green", "Fairway", "Puttar". Players, courses and events are found by name; a course found
  // also gives the round its card (par, stroke index, lengths). "Start" takes "." and "," as the
  // time separator; an empty value, or one that is no time, is no tee time. BadValue for a
  // "Datum" that is no date.
  FieldResult Apply(Round& round, std::string_view key, std::string_view value) const;
  // A round without a tee time gets one made from its score (see DXTeeTime).
  bool Finish(Round& round) const;
};

// The tee time given to an imported round that has none: 50 / (Total + In of the score) days, or
// 12:00 when that sum is 0, so that the rounds of one day get distinct IDs. A card of 90 with 45
// on the last nine gives 50/135 of a day, 08:53.
DateTime DXTeeTime(Result& score);

// The value of a "Datum" line: the short DX forms completed by NormalizeDXDate, then ParseDate.
FieldResult ReadDXDate(std::string_view value, DateTime& date);

namespace detail {

// What SaveRecord writes for the record, appended to `sections`; false when it writes nothing.
template <class T>
bool AddSection(T& record, std::vector<SectionWrite>& sections) {
  if (!record.ShouldSave()) return false;
  if (record.ID.empty()) record.MakeID();
  record.PrepareSave();
  ShowStatus(T::kSavingPrefix + record.ID + " ...");
  sections.push_back(SectionWrite{record.ID, record.FileKeys()});
  return true;
}

// Writes the sections into the file as SaveRecord of each in turn would; the file is not
// touched when there are none.
Status WriteSections(const std::string& path, const std::vector<SectionWrite>& sections);

// Lines after the last terminator: a problem when any of them holds more than blanks.
void ReportUnterminated(const std::vector<DXLine>& lines, std::string_view terminator,
                        DXImportReport& report);

// Fills the working record line by line and collects what each finished record saves.
template <class T, class Reader>
class DXImporter {
 public:
  DXImporter(const Reader& reader, DXImportReport& report) : reader_(reader), report_(report) {}

  void Take(const DXLine& line) {
    if (line.Text == Reader::kTerminator) return EndRecord();
    if (stop_) return;
    const FieldResult result = reader_.Apply(record_, line.Key, line.Value);
    if (result.Outcome == FieldResult::BadValue)
      stop_ = LoadProblem{line.Number, line.Text, result.Message + ", record not imported"};
  }

  const std::vector<SectionWrite>& Sections() const { return sections_; }

 private:
  // A record stopped by a bad value is reported only when it would have been saved.
  void EndRecord() {
    if (reader_.Finish(record_)) {
      if (stop_)
        report_.Problems.push_back(*stop_);
      else if (AddSection(record_, sections_))
        ++report_.Imported;
    }
    record_.Clear();
    stop_.reset();
  }

  const Reader& reader_;
  DXImportReport& report_;
  T record_;  // the working record, cleared after each terminator
  std::optional<LoadProblem> stop_;
  std::vector<SectionWrite> sections_;
};

}  // namespace detail

// Imports every record of the DX file at `source` into the data file at `target`.
template <class T, class Reader>
DXImportReport ImportDX(const std::string& source, const std::string& target,
                        const Reader& reader) {
  DXImportReport report;
  report.Source = source;
  report.Target = target;
  std::string bytes;
  if (report.Outcome = ReadWholeFile(source, bytes); !report.Outcome) return report;
  const std::vector<DXLine> lines = SplitDXLines(bytes);
  detail::DXImporter<T, Reader> importer(reader, report);
  for (const DXLine& line : lines)
    importer.Take(line);
  detail::ReportUnterminated(lines, Reader::kTerminator, report);
  report.Outcome = detail::WriteSections(target, importer.Sections());
  return report;
}

}  // namespace cardwise
