#include "cli/import_command.h"

#include <ostream>

#include "platform/codepage.h"
#include "results/database.h"
#include "results/dx_import_step.h"

namespace cardwise {

int RunImportDX(CliContext& context) {
  const std::vector<std::string>& args = context.Args;
  const std::optional<DXStep> step = args.size() == 2 ? DXStepNamed(args[0]) : std::nullopt;
  if (!step) {
    context.Err << "usage: cardwise-cli import-dx courses|players|events|rounds FILE\n";
    return kExitUsage;
  }
  const DXImportReport report = ImportDXStep(*step, args[1], ProcessDatabase(), context.Settings);
  if (report.SourceMissing) {
    context.Err << "cardwise-cli: " << DXFileNotFoundText(args[1], " ") << "\n";
    return kExitFailure;
  }
  for (const std::string& message : report.Messages())
    context.Err << Windows1252ToUtf8(message) << "\n";
  if (!report.Outcome) return kExitFailure;
  // Records, not distinct IDs: a player of many rounds is imported many times into one section.
  context.Out << DXStepName(*step) << ": " << report.Imported << " records imported into "
              << Windows1252ToUtf8(report.Target) << "\n";
  return report.Problems.empty() ? kExitOk : kExitFailure;
}

}  // namespace cardwise
