#include "cli/check_command.h"

#include <iomanip>
#include <ostream>
#include <vector>

#include "platform/codepage.h"
#include "platform/files.h"
#include "results/database.h"
#include "results/knockout.h"

namespace cardwise {

namespace {

void PrintCount(std::ostream& out, const char* kind, const LoadReport& report) {
  out << std::left << std::setw(9) << kind << std::right << std::setw(7) << report.RecordsRead
      << "  " << Windows1252ToUtf8(report.File)
      << (FileExists(report.File) ? "" : " (no such file)") << "\n";
}

// The knockouts' file is checked only when it exists, so that the check of a database without
// knockouts says what it always said.
std::vector<LoadReport> LoadAll(const AppSettings& settings) {
  const LoadReports five = LoadDatabase(ProcessDatabase(), settings);
  std::vector<LoadReport> reports(five.begin(), five.end());
  if (FileExists(KnockoutFilePath(settings))) {
    KnockoutList knockouts;
    reports.push_back(knockouts.LoadFromFile(KnockoutFilePath(settings)));
  }
  return reports;
}

}  // namespace

void PrintLoadWarnings(const LoadReports& reports, std::ostream& err) {
  for (const LoadReport& report : reports)
    for (const std::string& message : report.Messages())
      err << "warning: " << Windows1252ToUtf8(message) << "\n";
}

int RunCheck(CliContext& context) {
  const std::vector<LoadReport> reports = LoadAll(context.Settings);
  for (int kind = 0; kind < kDataKinds; ++kind)
    PrintCount(context.Out, DataKindName(static_cast<DataKind>(kind)), reports[kind]);
  if (reports.size() > kDataKinds) PrintCount(context.Out, "knockouts", reports.back());
  bool clean = true;
  for (const LoadReport& report : reports) {
    for (const std::string& message : report.Messages())
      context.Out << Windows1252ToUtf8(message) << "\n";
    clean = clean && report.Clean();
  }
  return clean ? kExitOk : kExitFailure;
}

}  // namespace cardwise
