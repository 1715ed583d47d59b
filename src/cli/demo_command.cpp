#include "cli/demo_command.h"

#include <iomanip>
#include <ostream>

#include "cli/check_command.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "results/demo_data.h"

namespace cardwise {

namespace {

// What the app writes after a switch, reduced to the keys the switch changed.
Status StoreSwitch(const AppSettings& settings, const std::string& settingsFile) {
  return IniUpdate(settingsFile, [&](IniFile& ini) {
    ini.WriteString("Dirs", "HtmlRootDir", settings.HtmlRootDir);
    ini.WriteString("Files", "PlayerFName", settings.PlayerFName);
    ini.WriteString("Files", "CourseFName", settings.CourseFName);
    ini.WriteString("Files", "EventFName", settings.EventFName);
    ini.WriteString("Files", "TourFName", settings.TourFName);
    ini.WriteString("Files", "RoundFName", settings.RoundFName);
    ini.WriteString("Files", "KnockoutFName", settings.KnockoutFName);
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
  PrintLoadWarnings(result.Reports, context.Err);
  return kExitOk;
}

}  // namespace cardwise
