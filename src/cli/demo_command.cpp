#include "cli/demo_command.h"

#include <iomanip>
#include <ostream>

#include "cli/check_command.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "results/demo_data.h"
#include "results/startup.h"

namespace cardwise {

namespace {

// What the app writes at shutdown, reduced to the keys the switch changed.
Status StoreSwitch(const TSettings& settings, const std::string& settingsFile) {
  return IniUpdate(settingsFile, [&](IniFile& ini) {
    ini.WriteString("Dirs", "HtmlRootDir", settings.HtmlRootDir);
    ini.WriteString("Files", "PlayerFName", settings.PlayerFName);
    ini.WriteString("Files", "CourseFName", settings.CourseFName);
    ini.WriteString("Files", "EventFName", settings.EventFName);
    ini.WriteString("Files", "TourFName", settings.TourFName);
    ini.WriteString("Files", "RoundFName", settings.RoundFName);
  });
}

void PrintLoaded(std::ostream& out, const LoadReports& reports) {
  for (int kind = 0; kind < kDataKinds; ++kind) {
    out << std::left << std::setw(9) << DataKindName(static_cast<DataKind>(kind)) << std::right
        << std::setw(7) << reports[kind].RecordsRead << "  "
        << Windows1252ToUtf8(reports[kind].File)
        << (FileExists(reports[kind].File) ? "" : " (no such file)") << "\n";
  }
}

// A data folder made before the demo data were shipped has none of them.
void HintWhenNoDemoFiles(std::ostream& err, const LoadReports& reports) {
  for (const LoadReport& report : reports)
    if (FileExists(report.File)) return;
  err << "cardwise-cli: warning: the data folder holds no demo files; they are shipped in "
      << Windows1252ToUtf8(ShippedFilesDir()) << "demo/\n";
}

}  // namespace

int RunDemo(CliContext& context) {
  const std::vector<std::string>& args = context.Args;
  const bool load = args.size() == 1 && args[0] == "load";
  if (!load && !(args.size() == 1 && args[0] == "unload")) {
    context.Err << "usage: cardwise-cli demo load|unload\n";
    return kExitUsage;
  }
  const std::string& file = context.Paths.SettingsFile;
  DemoSwitch result = load ? LoadDemo(ProcessDatabase(), context.Settings, file)
                           : UnloadDemo(ProcessDatabase(), context.Settings, file);
  if (result.Outcome) result.Outcome = StoreSwitch(context.Settings, file);
  if (!result.Outcome) {
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(result.Outcome.message()) << "\n";
    return kExitFailure;
  }
  PrintLoaded(context.Out, result.Reports);
  context.Out << "web site: " << Windows1252ToUtf8(context.Settings.HtmlRootDir) << "\n";
  if (load) HintWhenNoDemoFiles(context.Err, result.Reports);
  PrintLoadWarnings(result.Reports, context.Err);
  return kExitOk;
}

}  // namespace cardwise
