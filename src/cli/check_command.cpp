#include "cli/check_command.h"

#include <iomanip>
#include <ostream>

#include "platform/codepage.h"
#include "platform/files.h"
#include "results/database.h"

namespace cardwise {

namespace {

void PrintCount(std::ostream& out, DataKind kind, const LoadReport& report) {
  out << std::left << std::setw(9) << DataKindName(kind) << std::right << std::setw(7)
      << report.RecordsRead << "  " << Windows1252ToUtf8(report.File)
      << (FileExists(report.File) ? "" : " (no such file)") << "\n";
}

}  // namespace

void PrintLoadWarnings(const LoadReports& reports, std::ostream& err) {
  for (const LoadReport& report : reports)
    for (const std::string& message : report.Messages())
      err << "warning: " << Windows1252ToUtf8(message) << "\n";
}

int RunCheck(CliContext& context) {
  const LoadReports reports = LoadDatabase(ProcessDatabase(), context.Settings);
  for (int kind = 0; kind < kDataKinds; ++kind)
    PrintCount(context.Out, static_cast<DataKind>(kind), reports[kind]);
  bool clean = true;
  for (const LoadReport& report : reports) {
    for (const std::string& message : report.Messages())
      context.Out << Windows1252ToUtf8(message) << "\n";
    clean = clean && report.Clean();
  }
  return clean ? kExitOk : kExitFailure;
}

}  // namespace cardwise
