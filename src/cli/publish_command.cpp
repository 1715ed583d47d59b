#include "cli/publish_command.h"

#include <ostream>

#include "platform/codepage.h"
#include "web/publish.h"

namespace cardwise {

int RunPublish(CliContext& context) {
  PublishOptions options;
  for (const std::string& arg : context.Args) {
    bool& flag = arg == "--dry-run" ? options.DryRun : options.Verify;
    if ((arg != "--dry-run" && arg != "--verify") || flag) {
      context.Err << "usage: cardwise-cli publish [--dry-run] [--verify]\n";
      return kExitUsage;
    }
    flag = true;
  }
  return PublishAndReport(context.Settings, options, context);
}

int PublishAndReport(const AppSettings& settings, const PublishOptions& options,
                     CliContext& context) {
  PublishReport report;
  const bool dryRun = options.DryRun;
  if (Status status = PublishSite(settings, options, report); !status) {
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
