#include "cli/export_command.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "cli/check_command.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "records/dates.h"
#include "results/csv_export.h"

namespace cardwise {

namespace {

constexpr const char* kUsage =
    "usage: cardwise-cli export results EVENT_ID | standings TOUR_ID | stats YEAR | "
    "rounds [YEAR] | handicaps | knockout KNOCKOUT_ID | draw EVENT_ID\n"
    "    [--output FILE]\n";
constexpr int kLastYear = 9999;

struct ExportArgs {
  std::vector<std::string> Words;  // the kind and its argument
  std::string Output;              // empty: stdout
};

std::optional<ExportArgs> ParseArgs(const std::vector<std::string>& args) {
  ExportArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--output") {
      if (args[i].starts_with("--")) return std::nullopt;
      parsed.Words.push_back(args[i]);
    } else if (i + 1 == args.size() || !parsed.Output.empty()) {
      return std::nullopt;
    } else {
      parsed.Output = args[++i];
    }
  }
  return parsed;
}

// A year of four digits at most, 1 to 9999.
std::optional<int> ParseYear(const std::string& text) {
  int year = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, year);
  if (error != std::errc() || stop != end || year < 1 || year > kLastYear) return std::nullopt;
  return year;
}

// What one export run made: the table, or why there is none (exit 2).
struct Made {
  std::optional<CsvTable> Table;
  std::string Error;
};

Made Unknown(const std::string& what) {
  return {std::nullopt, what};
}

// The knockouts' file is read only here: the other exports never look at it.
Made KnockoutCsv(const std::string& id, const Database& database, const AppSettings& settings,
                 std::ostream& err) {
  KnockoutList knockouts;
  const std::string path = KnockoutFilePath(settings);
  for (const std::string& message : knockouts.LoadFromFile(path).Messages())
    err << "warning: " << Windows1252ToUtf8(message) << "\n";
  const Knockout* knockout = id == kPlaceholderID ? nullptr : knockouts.FindRecord(id);
  if (!knockout) return Unknown("no knockout \"" + id + "\" in " + path);
  return {KnockoutTable(*knockout, database), {}};
}

Made MakeTable(const std::vector<std::string>& words, Database database,
               const AppSettings& settings, std::ostream& err) {
  const std::string& kind = words[0];
  const std::string id = words.size() > 1 ? Utf8ToWindows1252(words[1]) : std::string();
  if (kind == "results") {
    Event* event = database.Events.FindRecord(id);
    if (!event) return Unknown("no event \"" + id + "\" in " + DataFilePath(settings, kEventsFile));
    return {EventResultsTable(*event, database), {}};
  }
  if (kind == "draw") {
    Event* event = database.Events.FindRecord(id);
    if (!event) return Unknown("no event \"" + id + "\" in " + DataFilePath(settings, kEventsFile));
    if (event->Draw.empty()) return Unknown("event " + id + " has no draw");
    return {DrawTable(*event, database), {}};
  }
  if (kind == "standings") {
    Tour* tour = database.Tours.FindRecord(id);
    if (!tour) return Unknown("no tour \"" + id + "\" in " + DataFilePath(settings, kToursFile));
    return {TourStandingsTable(*tour, database), {}};
  }
  if (kind == "handicaps") return {HandicapsTable(database, Today()), {}};
  if (kind == "knockout") return KnockoutCsv(id, database, settings, err);
  const int year = words.size() > 1 ? *ParseYear(words[1]) : 0;
  if (year != 0 && !HasRoundsIn(database.Rounds, year))
    return Unknown("no rounds of " + words[1] + " in " + DataFilePath(settings, kRoundsFile));
  if (kind == "stats") return {YearStatsTable(database, year, settings.nStatList), {}};
  return {RoundsTable(database, year), {}};
}

// Whether the words name an export with the arguments it takes.
bool IsExport(const std::vector<std::string>& words) {
  if (words.empty()) return false;
  const std::string& kind = words[0];
  if (kind == "results" || kind == "standings" || kind == "knockout" ||
      kind == "draw") return words.size() == 2;
  const bool yearGiven = words.size() == 2 && ParseYear(words[1]).has_value();
  if (kind == "stats") return yearGiven;
  if (kind == "handicaps") return words.size() == 1;
  return kind == "rounds" && (words.size() == 1 || yearGiven);
}

}  // namespace

int RunExport(CliContext& context) {
  const std::optional<ExportArgs> args = ParseArgs(context.Args);
  if (!args || !IsExport(args->Words)) {
    context.Err << kUsage;
    return kExitUsage;
  }
  const Database database = ProcessDatabase();
  PrintLoadWarnings(LoadDatabase(database, context.Settings), context.Err);
  const Made made = MakeTable(args->Words, database, context.Settings, context.Err);
  if (!made.Table) {
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(made.Error) << "\n";
    return kExitUsage;
  }
  const std::string text = CsvText(*made.Table);
  if (args->Output.empty()) {
    context.Out << text << std::flush;
    return kExitOk;
  }
  if (Status status = WriteFileAtomically(args->Output, text); !status) {
    context.Err << "cardwise-cli: " << status.message() << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace cardwise
