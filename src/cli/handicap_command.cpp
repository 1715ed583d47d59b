#include "cli/handicap_command.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>

#include "platform/codepage.h"
#include "results/database.h"
#include "results/handicap_index.h"

namespace cardwise {

namespace {

constexpr const char* kUsage = "usage: cardwise-cli handicap [--as-of DATE] [PLAYER_ID...]\n";

struct HandicapArgs {
  DateTime AsOf = 0;
  std::vector<std::string> PlayerIDs;
};

// nullopt for a wrong command line: an option other than --as-of, or a date it cannot read.
std::optional<HandicapArgs> ParseArgs(const std::vector<std::string>& args) {
  HandicapArgs parsed;
  parsed.AsOf = Today();
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      parsed.PlayerIDs.push_back(Utf8ToWindows1252(args[i]));
      continue;
    }
    if (args[i] != "--as-of" || i + 1 == args.size() || args[i + 1].empty()) return std::nullopt;
    const std::optional<DateTime> date = ParseDate(args[++i]);
    if (!date) return std::nullopt;
    parsed.AsOf = *date;
  }
  return parsed;
}

// Tenths as a signed decimal: "12.2", "-3.2".
std::string TenthsText(Tenths value) {
  const Tenths magnitude = std::abs(value);
  return (value < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
         std::to_string(magnitude % 10);
}

std::string Padded(const std::string& text, int width) {
  std::ostringstream out;
  out << std::left << std::setw(width) << text;
  return Windows1252ToUtf8(out.str());
}

void PrintRow(std::ostream& out, const HandicapRow& row) {
  out << Padded(row.PlayerID, 10) << " " << Padded(row.PlayerName, 28) << std::right << std::setw(6)
      << IndexText(row.Index) << std::setw(5) << row.RoundsCounted << "\n";
}

void PrintScore(std::ostream& out, const HandicapScore& score) {
  out << (score.Counting ? "* " : "  ") << Padded(score.RoundID, 18) << " "
      << ShortDateText(score.Date) << "  ";
  if (!score.Counted()) {
    out << "not counted: " << Windows1252ToUtf8(score.NotCounted) << "\n";
    return;
  }
  out << std::setw(4) << score.AdjustedGross << std::setw(7) << TenthsText(score.Differential);
  if (score.Reduction != 0)
    out << "  " << TenthsText(score.Adjusted()) << " after exceptional score reductions";
  out << "\n";
}

// The most recent 20 differentials and the rounds between them that do not count.
void PrintScores(std::ostream& out, const HandicapRow& row) {
  const auto first = std::find_if(row.Scores.begin(), row.Scores.end(),
                                  [](const HandicapScore& score) { return score.Recent; });
  out << "  round              date        score  diff\n";
  for (auto it = first == row.Scores.end() ? row.Scores.begin() : first; it != row.Scores.end();
       ++it)
    PrintScore(out, *it);
  if (!row.NoIndex.empty()) out << "no index: " << Windows1252ToUtf8(row.NoIndex) << "\n";
}

void ReportUnreadLines(const LoadReports& reports, std::ostream& err) {
  for (const LoadReport& report : reports)
    for (const std::string& message : report.Messages())
      err << "warning: " << Windows1252ToUtf8(message) << "\n";
}

}  // namespace

int RunHandicap(CliContext& context) {
  const std::optional<HandicapArgs> args = ParseArgs(context.Args);
  if (!args) return context.Err << kUsage, kExitUsage;
  Database database = ProcessDatabase();
  ReportUnreadLines(LoadDatabase(database, context.Settings), context.Err);
  const std::vector<HandicapRow> rows = HandicapRows(database, args->AsOf);
  int code = kExitOk;
  for (const std::string& id : args->PlayerIDs) {
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const HandicapRow& row) {
      return SameText(row.PlayerID, id);
    });
    if (found == rows.end()) {
      context.Err << "cardwise-cli: no player \"" << Windows1252ToUtf8(id) << "\" in "
                  << Windows1252ToUtf8(DataFilePath(context.Settings, kPlayersFile)) << "\n";
      code = kExitFailure;
      continue;
    }
    PrintRow(context.Out, *found);
    if (args->PlayerIDs.size() == 1) PrintScores(context.Out, *found);
  }
  if (args->PlayerIDs.empty())
    for (const HandicapRow& row : rows)
      PrintRow(context.Out, row);
  return code;
}

}  // namespace cardwise
