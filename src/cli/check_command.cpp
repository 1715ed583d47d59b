#include "cli/check_command.h"

#include <iomanip>
#include <ostream>

#include "platform/codepage.h"
#include "platform/files.h"
#include "records/player.h"
#include "records/record_io.h"

namespace cardwise {

namespace {

// Counts the records of a file whose kind is not read in full yet: its "[" lines.
LoadReport CountSections(const std::string& path) {
  LoadReport report;
  report.File = path;
  std::string text;
  if (!FileExists(path)) return report;
  if (report.ReadStatus = ReadWholeFile(path, text); !report.ReadStatus) return report;
  DataLineLexer lexer(text);
  for (DataLine line; lexer.Next(line);)
    if (line.Kind == LineKind::Section) ++report.RecordsRead;
  return report;
}

void PrintCount(std::ostream& out, const char* label, const LoadReport& report) {
  out << std::left << std::setw(9) << label << std::right << std::setw(7) << report.RecordsRead
      << "  " << Windows1252ToUtf8(report.File)
      << (FileExists(report.File) ? "" : " (no such file)") << "\n";
}

}  // namespace

int RunCheck(CliContext& context) {
  const TSettings& settings = context.Settings;
  const std::string& dir = settings.DataDir;
  const LoadReport reports[] = {
      Players().LoadFromFile(dir + settings.PlayerFName),
      CountSections(dir + settings.CourseFName),
      CountSections(dir + settings.RoundFName),
      CountSections(dir + settings.EventFName),
      CountSections(dir + settings.TourFName),
  };
  const char* labels[] = {"players", "courses", "rounds", "events", "tours"};

  bool clean = true;
  for (std::size_t i = 0; i < std::size(reports); ++i)
    PrintCount(context.Out, labels[i], reports[i]);
  for (const LoadReport& report : reports) {
    for (const std::string& message : report.Messages())
      context.Out << Windows1252ToUtf8(message) << "\n";
    clean = clean && report.Clean();
  }
  return clean ? kExitOk : kExitFailure;
}

}  // namespace cardwise
