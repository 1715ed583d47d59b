#include "results/dx_import_step.h"

#include "platform/files.h"

namespace cardwise {

namespace {

constexpr const char* kStepNames[] = {"courses", "players", "events", "rounds"};

// The name searches of a step work on the lists as the data files hold them now.
void ReloadLookups(Database database, const AppSettings& settings) {
  database.Courses.Clear();
  database.Courses.LoadFromFile(DataFilePath(settings, kCoursesFile));
  database.Players.Clear();
  database.Players.LoadFromFile(DataFilePath(settings, kPlayersFile));
  database.Events.Clear();
  database.Events.LoadFromFile(DataFilePath(settings, kEventsFile));
}

// Players and events were loaded from this same file just before the step, so emptying the list
// first loses nothing but the placeholder a missing file left in it.
template <class List>
void ReloadFresh(List& list) {
  const std::string path = list.FileName;
  list.Clear();
  list.LoadFromFile(path);
}

// The rounds list may hold rounds of other files too ("Load more Rounds"): the imported rounds
// are merged in.
void ReloadRounds(RoundList& rounds, const AppSettings& settings) {
  rounds.LoadFromFile(rounds.FileName.empty() ? DataFilePath(settings, kRoundsFile)
                                              : rounds.FileName);
}

DXImportReport ImportCourses(const std::string& source, const std::string& target, Database,
                             const AppSettings&) {
  return ImportDX<Course>(source, target, DXCourseReader{});
}

DXImportReport ImportPlayers(const std::string& source, const std::string& target,
                             Database database, const AppSettings&) {
  DXImportReport report = ImportDX<Player>(source, target, DXPlayerReader{});
  ReloadFresh(database.Players);
  return report;
}

DXImportReport ImportEvents(const std::string& source, const std::string& target, Database database,
                            const AppSettings&) {
  DXImportReport report = ImportDX<Event>(source, target, DXEventReader{database.Courses});
  ReloadFresh(database.Events);
  return report;
}

DXImportReport ImportRounds(const std::string& source, const std::string& target, Database database,
                            const AppSettings& settings) {
  const EventList& events = database.Events;
  const DXRoundReader reader{database.Players, database.Courses, [&events](std::string_view name) {
                               int index = 0;
                               return events.FindByName(name, index) ? events.RecordAt(index).ID
                                                                     : std::string();
                             }};
  DXImportReport report = ImportDX<Round>(source, target, reader);
  ReloadRounds(database.Rounds, settings);
  return report;
}

// By DXStep.
using StepRun = DXImportReport (*)(const std::string& source, const std::string& target,
                                   Database database, const AppSettings& settings);
constexpr StepRun kStepRuns[] = {ImportCourses, ImportPlayers, ImportEvents, ImportRounds};

}  // namespace

const char* DXStepName(DXStep step) {
  return kStepNames[static_cast<int>(step)];
}

std::optional<DXStep> DXStepNamed(std::string_view name) {
  for (int i = 0; i < static_cast<int>(std::size(kStepNames)); ++i)
    if (name == kStepNames[i]) return static_cast<DXStep>(i);
  return std::nullopt;
}

DataKind DXStepKind(DXStep step) {
  static constexpr DataKind kinds[] = {kCoursesFile, kPlayersFile, kEventsFile, kRoundsFile};
  return kinds[static_cast<int>(step)];
}

std::string DXFileNotFoundText(const std::string& path, std::string_view lineBreak) {
  return "File not found:" + std::string(lineBreak) + path + std::string(lineBreak) +
         "Is the filename correct ?";
}

FieldResult DXEventReader::Apply(Event& event, std::string_view key, std::string_view value) const {
  int index = 0;
  if (key == "Tavling") {
    event.Name = value;
    event.ID = value;
  } else if (key == "Datum") {
    return ReadDXDate(value, event.Date);
  } else if (key == "Bana" && Courses.FindByName(value, index)) {
    event.CourseID = Courses.RecordAt(index).ID;
  }
  return FieldResult::Ok();
}

DXImportReport ImportDXStep(DXStep step, const std::string& source, Database database,
                            const AppSettings& settings) {
  const std::string target = DataFilePath(settings, DXStepKind(step));
  if (!FileExists(source)) {
    DXImportReport report;
    report.Source = source;
    report.Target = target;
    report.SourceMissing = true;
    report.Outcome = Status::Error(DXFileNotFoundText(source));
    return report;
  }
  ReloadLookups(database, settings);
  return kStepRuns[static_cast<int>(step)](source, target, database, settings);
}

}  // namespace cardwise
