// Fuzz target: the readers of the DOS program's exchange files. The first byte chooses the file
// (even: BANA.DX, courses; odd: ROND.DX, read as players, events and rounds, the rounds against
// the courses, players and events read before them), the rest is the file's bytes. Everything an
// import would write must read back as a data file without problems.

#include <string>
#include <vector>

#include "fuzz_support.h"
#include "records/dx_import.h"
#include "results/dx_import_step.h"

namespace cardwise::fuzz {
namespace {

// Runs one reader over the lines and loads what it would write into the list.
template <class T, class Reader>
void Import(const std::vector<DXLine>& lines, const Reader& reader, RecordList<T>& list) {
  DXImportReport report;
  detail::DXImporter<T, Reader> importer(reader, report);
  for (const DXLine& line : lines)
    importer.Take(line);
  detail::ReportUnterminated(lines, Reader::kTerminator, report);
  (void)report.Messages();
  std::string text;
  for (const SectionWrite& section : importer.Sections())
    text += SectionText(section.Name, section.Keys);
  Require(list.LoadFromText("import.dat", text).Problems.empty(),
          "imported records read back badly");
}

}  // namespace
}  // namespace cardwise::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace cardwise;
  using namespace cardwise::fuzz;
  SetUpOnce();
  if (size == 0) return 0;
  const std::vector<DXLine> lines = SplitDXLines(AsText(data + 1, size - 1));
  if (data[0] % 2 == 0) {
    CourseList courses;
    Import(lines, DXCourseReader{}, courses);
    return 0;
  }
  CourseList courses;
  courses.LoadFromText("courses.dat", "[MB]\r\nID=MB\r\nCourse=Mill Brook\r\nPar=4,4,3\r\n");
  PlayerList players;
  Import(lines, DXPlayerReader{}, players);
  EventList events;
  Import(lines, DXEventReader{courses}, events);
  const DXRoundReader reader{players, courses, [&events](std::string_view name) {
                               int index = 0;
                               return events.FindByName(name, index) ? events.KeyAt(index)
                                                                     : std::string();
                             }};
  RoundList rounds;
  Import(lines, reader, rounds);
  return 0;
}
