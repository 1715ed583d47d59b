#include "cli/make_pages_command.h"

#include <ostream>

#include <algorithm>

#include "cli/check_command.h"
#include "cli/publish_command.h"
#include "platform/codepage.h"
#include "records/dates.h"
#include "results/database.h"
#include "web/make_pages.h"

namespace cardwise {

namespace {

constexpr std::size_t kSkippedShown = 10;
constexpr const char* kUsage =
    "usage: cardwise-cli make-pages [--long-names | --short-names] [--all-rounds] "
    "[--all-players] [--all-events] [--all-tours] [--publish]\n";

struct Flag {
  const char* Name;
  bool AppSettings::*Setting;
  bool Value;
};

const Flag kFlags[] = {
    {"--long-names", &AppSettings::UseLongFileNames, true},
    {"--short-names", &AppSettings::UseLongFileNames, false},
    {"--all-rounds", &AppSettings::AllRounds, true},
    {"--all-players", &AppSettings::AllPlayers, true},
    {"--all-events", &AppSettings::AllEvents, true},
    {"--all-tours", &AppSettings::AllTours, true},
};

const Flag* FindFlag(const std::string& name) {
  for (const Flag& flag : kFlags)
    if (name == flag.Name) return &flag;
  return nullptr;
}

// Sets the settings the flags name; false for an unknown flag or both name forms at once.
bool ApplyFlags(const std::vector<std::string>& args, AppSettings& settings) {
  int nameForms = 0;
  for (const std::string& arg : args) {
    const Flag* flag = FindFlag(arg);
    if (flag == nullptr) return false;
    if (flag->Setting == &AppSettings::UseLongFileNames) ++nameForms;
    settings.*flag->Setting = flag->Value;
  }
  return nameForms <= 1;
}

void PrintSummary(const MakePagesReport& report, std::ostream& out) {
  out << "pages written: " << report.Written << "\n"
      << "pages kept: " << report.Kept << "\n"
      << "templates copied: " << report.TemplatesCopied << "\n"
      << "pages not written: " << report.Skipped.size() << "\n";
  for (std::size_t i = 0; i < report.Skipped.size() && i < kSkippedShown; ++i)
    out << "  " << Windows1252ToUtf8(report.Skipped[i]) << "\n";
  if (report.Skipped.size() > kSkippedShown)
    out << "  ... and " << report.Skipped.size() - kSkippedShown << " more\n";
}

}  // namespace

int RunMakePages(CliContext& context) {
  // A copy: the flags hold for this run and never reach the settings file.
  AppSettings settings = context.Settings;
  std::vector<std::string> args = context.Args;
  const bool publish = std::erase(args, "--publish") > 0;
  if (!ApplyFlags(args, settings)) {
    context.Err << kUsage;
    return kExitUsage;
  }
  Database database = ProcessDatabase();
  PrintLoadWarnings(LoadDatabase(database, settings), context.Err);
  const MakePagesReport report = MakeAllPages(WebContext{settings, database, Today()});
  PrintSummary(report, context.Out);
  if (!report.Skipped.empty()) {
    // A site with holes is not published: with PublishDelete the server would lose those pages.
    if (publish) context.Err << "cardwise-cli: not published, as some pages were not written\n";
    return kExitFailure;
  }
  return publish ? PublishAndReport(settings, PublishOptions(), context) : kExitOk;
}

}  // namespace cardwise
