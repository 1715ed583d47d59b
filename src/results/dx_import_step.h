#pragma once
// The four steps of the legacy import, as the import window runs them: courses from BANA.DX,
// then players, events and rounds from ROND.DX. The readers of courses, players and rounds are
// in records/dx_import.h; the events reader is here, beside the events.
//
// Every step stands alone: it empties the course, player and event lists and loads them again
// from the data folder (the name searches work on them), imports the DX file into the data file
// of its kind, and then loads the players, events or rounds list again so that it holds what was
// imported (courses are not reloaded).

#include <optional>
#include <string>
#include <string_view>

#include "records/dx_import.h"
#include "results/database.h"
#include "results/event.h"
#include "settings/settings.h"

namespace cardwise {

enum class DXStep { Courses, Players, Events, Rounds };

// "courses", "players", "events", "rounds"; and back (nullopt for any other text).
const char* DXStepName(DXStep step);
std::optional<DXStep> DXStepNamed(std::string_view name);

// The data file a step writes: the data folder and the file name of its kind.
DataKind DXStepKind(DXStep step);

// What the import window says when the DX file is missing: "File not found:" + lineBreak + path
// + lineBreak + "Is the filename correct ?". The window breaks the lines with "\r".
std::string DXFileNotFoundText(const std::string& path, std::string_view lineBreak = "\r");

// One event per ROND.DX record that names a competition: "Tavling" gives the name and the ID,
// "Datum" the date (BadValue when it is no date), "Bana" the course ID of the course found by
// that name. A record without "Tavling" adds no event.
struct DXEventReader {
  static constexpr std::string_view kTerminator = kRoundTerminator;
  const CourseList& Courses;

  FieldResult Apply(Event& event, std::string_view key, std::string_view value) const;
  bool Finish(Event& event) const { return !event.Name.empty(); }
};

// Runs one step. A missing DX file changes nothing: the report has SourceMissing set and its
// Outcome carries DXFileNotFoundText.
DXImportReport ImportDXStep(DXStep step, const std::string& source, Database database,
                            const AppSettings& settings);

}  // namespace cardwise
