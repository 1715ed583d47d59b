#include "cli/recalc_command.h"

#include <ostream>
#include <set>

#include "platform/codepage.h"
#include "results/database.h"
#include "results/recalc.h"

namespace cardwise {

namespace {

struct RecalcJob {
  const char* Name;
  DataKind Writes;
  BatchReport (*Run)(Database database, const AppSettings& settings);
};

const RecalcJob kJobs[] = {
    {"events", kEventsFile,
     [](Database database, const AppSettings& settings) {
       return RecalcAllEvents(database, DataFilePath(settings, kEventsFile));
     }},
    {"tours", kToursFile,
     [](Database database, const AppSettings& settings) {
       return RecalcAllTours(database, DataFilePath(settings, kToursFile));
     }},
    {"hcp", kPlayersFile,
     [](Database database, const AppSettings& settings) {
       return UpdatePlayersHcp(database, DataFilePath(settings, kPlayersFile));
     }},
};

const RecalcJob* FindJob(const std::vector<std::string>& args) {
  if (args.size() != 1) return nullptr;
  for (const RecalcJob& job : kJobs)
    if (args[0] == job.Name) return &job;
  return nullptr;
}

// The lines of the rewritten file that the report lists already.
std::set<int> KeptLines(const BatchReport& report) {
  std::set<int> lines;
  for (const LeftAlone& record : report.Kept)
    for (const LoadProblem& problem : record.Problems)
      lines.insert(problem.Line);
  return lines;
}

// Every line of the loaded files that could not be read and that the report does not list.
void ReportWarnings(const LoadReports& reports, DataKind writes, const BatchReport& report,
                    std::ostream& err) {
  const std::set<int> kept = KeptLines(report);
  for (int kind = 0; kind < kDataKinds; ++kind) {
    LoadReport shown = reports[kind];
    if (kind == writes)
      std::erase_if(shown.Problems, [&](const LoadProblem& p) { return kept.contains(p.Line); });
    for (const std::string& message : shown.Messages())
      err << "warning: " << Windows1252ToUtf8(message) << "\n";
  }
}

}  // namespace

int RunRecalc(CliContext& context) {
  const RecalcJob* job = FindJob(context.Args);
  if (!job) {
    context.Err << "usage: cardwise-cli recalc events|tours|hcp\n";
    return kExitUsage;
  }
  const Database database = ProcessDatabase();
  const LoadReports reports = LoadDatabase(database, context.Settings);
  const BatchReport report = job->Run(database, context.Settings);
  ReportWarnings(reports, job->Writes, report, context.Err);
  if (!report.Outcome) {
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(report.Outcome.message()) << "\n";
    return kExitFailure;
  }
  for (const std::string& message : report.Messages())
    context.Err << Windows1252ToUtf8(message) << "\n";
  if (!report.Kept.empty()) {
    context.Err << "cardwise-cli: " << report.Kept.size()
                << " record(s) left as they were; fix the lines above and run it again\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace cardwise
