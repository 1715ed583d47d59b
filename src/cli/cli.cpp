#include "cli/cli.h"

#include <unistd.h>

#include <memory>
#include <ostream>

#include "cli/commands.h"
#include "cli/progress.h"
#include "platform/codepage.h"
#include "platform/status_sink.h"
#include "records/process_info.h"
#include "results/startup.h"

namespace cardwise {

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: cardwise-cli [--ini FILE] COMMAND [ARGS]\n\ncommands:\n";
  for (const Command& command : Commands())
    out << "  " << command.Usage << "\n";
  out << "\noptions:\n"
         "  --ini FILE            the settings file (else $CARDWISE_INI, else\n"
         "                        $XDG_CONFIG_HOME/cardwise/cardwise.ini)\n"
         "  --version             the program's name, version and build date\n"
         "  --help                this text\n"
         "\nexit status:\n"
         "  0                     success\n"
         "  1                     the job failed, or check found lines it could not read\n"
         "  2                     the command line was wrong, export named an event, tour,\n"
         "                        year or knockout that is not there, or a knockout command\n"
         "                        was refused (nothing is stored then)\n";
}

// The name and version text of the pages and the about window, on one line.
void PrintVersion(std::ostream& out) {
  InitProcessInfo();
  SetVersion(kProductName, kProductVersion);
  out << Windows1252ToUtf8(VersionLine("cardwise-cli")) << "\n";
}

// Progress texts go to stderr (cli/progress.h); the command's own output is left alone.
int RunCommand(const Command& command, CliContext& context,
               ProgressPrinter::Clock::time_point started) {
  const auto printer =
      std::make_shared<ProgressPrinter>(context.Err, isatty(STDERR_FILENO) != 0, started);
  const StatusSink previous = SetStatusSink(
      [printer](const std::string& text) { printer->Show(text, ProgressPrinter::Clock::now()); });
  const int code = command.Run(context);
  SetStatusSink(previous);
  printer->Finish();
  return code;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto started = ProgressPrinter::Clock::now();
  std::string ini;
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("--"); ++i) {
    if (args[i] == "--help") return PrintUsage(out), kExitOk;
    if (args[i] == "--version") return PrintVersion(out), kExitOk;
    if (args[i] != "--ini" || i + 1 == args.size()) return PrintUsage(err), kExitUsage;
    ini = args[++i];
  }
  if (i == args.size()) return PrintUsage(err), kExitUsage;
  const Command* command = FindCommand(args[i]);
  if (!command) {
    err << "cardwise-cli: unknown command \"" << args[i] << "\"\n";
    return PrintUsage(err), kExitUsage;
  }

  InitProcessInfo();
  // The pages it makes carry the product name and version, as the app's do.
  SetVersion(kProductName, kProductVersion);
  CliContext context{
      Settings(), ResolveSettingsPaths(ini), {args.begin() + i + 1, args.end()}, out, err};
  if (Status status = LoadSettings(context.Settings, context.Paths); !status) {
    err << "cardwise-cli: " << status.message() << "\n";
    return kExitFailure;
  }
  // As at the app's start: the folders are made, and a new data folder gets the demo data.
  if (Status status = PrepareFolders(context.Settings); !status) {
    err << "cardwise-cli: " << status.message() << "\n";
    return kExitFailure;
  }
  return RunCommand(*command, context, started);
}

}  // namespace cardwise
