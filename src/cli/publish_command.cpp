#include "cli/publish_command.h"

#include <ostream>

#include "platform/codepage.h"
#include "web/publish.h"

namespace cardwise {

int RunPublish(CliContext& context) {
  const std::vector<std::string>& args = context.Args;
  const bool dryRun = args.size() == 1 && args[0] == "--dry-run";
  if (!args.empty() && !dryRun) {
    context.Err << "usage: cardwise-cli publish [--dry-run]\n";
    return kExitUsage;
  }
  return PublishAndReport(context.Settings, dryRun, context);
}

int PublishAndReport(const AppSettings& settings, bool dryRun, CliContext& context) {
  PublishReport report;
  if (Status status = PublishSite(settings, dryRun, report); !status) {
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(status.message()) << "\n";
    return kExitFailure;
  }
  const char* verb = dryRun ? "to send" : "sent";
  context.Out << "files " << verb << ": " << report.FilesSent << "\n"
              << "bytes " << verb << ": " << report.BytesSent << "\n"
              << "files " << (dryRun ? "to delete" : "deleted") << ": " << report.FilesDeleted
              << "\n";
  if (dryRun) context.Out << "dry run: nothing was changed\n";
  return kExitOk;
}

}  // namespace cardwise
