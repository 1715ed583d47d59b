#include "cli/recalc_command.h"

#include <ostream>

#include "platform/codepage.h"
#include "results/database.h"
#include "results/recalc.h"

namespace cardwise {

namespace {

struct RecalcJob {
  const char* Name;
  DataKind Writes;
  Status (*Run)(TDatabase database, const TSettings& settings);
};

const RecalcJob kJobs[] = {
    {"events", kEventsFile,
     [](TDatabase database, const TSettings& settings) {
       return RecalcAllEvents(database.Events, database.Rounds,
                              DataFilePath(settings, kEventsFile));
     }},
    {"tours", kToursFile,
     [](TDatabase database, const TSettings& settings) {
       return RecalcAllTours(database, DataFilePath(settings, kToursFile));
     }},
    {"hcp", kPlayersFile,
     [](TDatabase database, const TSettings& settings) {
       return UpdatePlayersHcp(database, DataFilePath(settings, kPlayersFile));
     }},
};

const RecalcJob* FindJob(const std::vector<std::string>& args) {
  if (args.size() != 1) return nullptr;
  for (const RecalcJob& job : kJobs)
    if (args[0] == job.Name) return &job;
  return nullptr;
}

// Lists every problem of the loaded files; false when the file the job rewrites has any.
bool ReportProblems(const LoadReports& reports, DataKind writes, std::ostream& err) {
  for (int kind = 0; kind < kDataKinds; ++kind)
    for (const std::string& message : reports[kind].Messages())
      err << (kind == writes ? "" : "warning: ") << Windows1252ToUtf8(message) << "\n";
  return reports[writes].Clean();
}

}  // namespace

int RunRecalc(CliContext& context) {
  const RecalcJob* job = FindJob(context.Args);
  if (!job) {
    context.Err << "usage: cardwise-cli recalc events|tours|hcp\n";
    return kExitUsage;
  }
  const TDatabase database = ProcessDatabase();
  const LoadReports reports = LoadDatabase(database, context.Settings);
  if (!ReportProblems(reports, job->Writes, context.Err)) {
    context.Err << "cardwise-cli: nothing recalculated: the lines above of "
                << Windows1252ToUtf8(reports[job->Writes].File)
                << " could not be read and would be lost when the file is rewritten\n";
    return kExitFailure;
  }
  if (Status status = job->Run(database, context.Settings); !status) {
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(status.message()) << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace cardwise
