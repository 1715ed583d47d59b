#include "cli/draw_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <optional>
#include <ostream>
#include <random>

#include "cli/check_command.h"
#include "platform/codepage.h"
#include "results/draw_sheet.h"

namespace cardwise {

namespace {

constexpr const char* kUsage =
    "usage: cardwise-cli draw EVENT_ID --players ID,ID,... [--group 2|3|4] [--start HH:MM]\n"
    "       [--interval MINUTES] [--order listed|handicap|random|balanced] [--seed N]\n"
    "       [--two-tees | --shotgun]\n";
constexpr int kMaxInterval = 24 * 60;

struct DrawArgs {
  std::string EventID;
  std::vector<std::string> PlayerIDs;
  DrawOptions Options;
  bool SeedGiven = false;
};

template <class Number>
std::optional<Number> ParseNumber(const std::string& text) {
  Number number{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return number;
}

std::vector<std::string> SplitIDs(const std::string& text) {
  std::vector<std::string> ids;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(',', start);
    std::string id = text.substr(start, end - start);
    if (!id.empty()) ids.push_back(Utf8ToWindows1252(id));
    if (end == std::string::npos) return ids;
    start = end + 1;
  }
}

std::optional<DrawOrder> ParseOrder(const std::string& text) {
  const std::pair<const char*, DrawOrder> kOrders[] = {{"listed", DrawOrder::Listed},
                                                       {"handicap", DrawOrder::Handicap},
                                                       {"random", DrawOrder::Random},
                                                       {"balanced", DrawOrder::Balanced}};
  for (const auto& [name, order] : kOrders)
    if (text == name) return order;
  return std::nullopt;
}

// Reads one option with its value into `args`; the error names what is wrong.
std::string ReadOption(const std::string& name, const std::string& value, DrawArgs& args) {
  DrawOptions& options = args.Options;
  if (name == "--players") {
    args.PlayerIDs = SplitIDs(value);
    return args.PlayerIDs.empty() ? "--players names no player" : "";
  }
  if (name == "--group") {
    const std::optional<int> size = ParseNumber<int>(value);
    if (!size || *size < kMinGroupSize || *size > kMaxGroupSize)
      return "--group " + value + ": the group size is 2, 3 or 4";
    options.GroupSize = *size;
  } else if (name == "--start") {
    const std::optional<int> start = ParseClockTime(value);
    if (!start) return "--start " + value + ": not a time HH:MM";
    options.Start = *start;
  } else if (name == "--interval") {
    const std::optional<int> minutes = ParseNumber<int>(value);
    if (!minutes || *minutes < 0 || *minutes > kMaxInterval)
      return "--interval " + value + ": not a number of minutes";
    options.Interval = *minutes;
  } else if (name == "--order") {
    const std::optional<DrawOrder> order = ParseOrder(value);
    if (!order) return "--order " + value + ": listed, handicap, random or balanced";
    options.Order = *order;
  } else if (name == "--seed") {
    const std::optional<std::uint32_t> seed = ParseNumber<std::uint32_t>(value);
    if (!seed) return "--seed " + value + ": not a whole number 0 to 4294967295";
    options.Seed = *seed;
    args.SeedGiven = true;
  } else {
    return "unknown option " + name;
  }
  return {};
}

std::string ReadStarts(const std::string& flag, DrawOptions& options) {
  if (options.Starts != DrawStarts::OneTee) return "--two-tees and --shotgun exclude each other";
  options.Starts = flag == "--shotgun" ? DrawStarts::Shotgun : DrawStarts::TwoTees;
  return {};
}

std::string ParseArgs(const std::vector<std::string>& words, DrawArgs& args) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    std::string error;
    if (word == "--two-tees" || word == "--shotgun")
      error = ReadStarts(word, args.Options);
    else if (word.starts_with("--"))
      error = i + 1 < words.size() ? ReadOption(word, words[++i], args) : word + " needs a value";
    else if (args.EventID.empty())
      args.EventID = Utf8ToWindows1252(word);
    else
      error = "more than one event ID: " + word;
    if (!error.empty()) return error;
  }
  if (args.EventID.empty()) return "no event ID";
  return args.PlayerIDs.empty() ? "no players (--players ID,ID,...)" : "";
}

// The draw entries of the named players, each once; the error names an unknown player.
std::string EntriesOf(const DrawArgs& args, const PlayerList& players,
                      std::vector<DrawEntry>& entries, std::ostream& err) {
  for (const std::string& id : args.PlayerIDs) {
    const Player* player = players.FindRecord(id);
    if (player == nullptr) return "no player \"" + Windows1252ToUtf8(id) + "\"";
    const bool twice = std::any_of(entries.begin(), entries.end(),
                                   [&](const DrawEntry& e) { return e.ID == player->ID; });
    if (twice) {
      err << "cardwise-cli: note: " << Windows1252ToUtf8(player->ID)
          << " is named twice and drawn once\n";
      continue;
    }
    entries.push_back({player->ID, static_cast<int>(std::lround(player->Hcp * 10))});
  }
  return {};
}

// Stores the draw in the event's section, leaving a section with unreadable lines as it was.
int StoreDraw(Event& event, const std::vector<DrawGroup>& draw, std::optional<std::uint32_t> seed,
              Database database, CliContext& context) {
  int index = -1;
  database.Events.Find(event.ID, index);
  const BatchReport report = database.Events.UpdateRecords(
      {index}, DataFilePath(context.Settings, kEventsFile), [&](int i) {
        Event& stored = database.Events.RecordAt(i);
        stored.Draw = draw;
        stored.DrawSeed = seed;
        return true;
      });
  if (report.ok()) return kExitOk;
  for (const std::string& message : report.Messages())
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(message) << "\n";
  return kExitFailure;
}

std::string Padded(std::string text, std::size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

void PrintDraw(const Event& event, Database database, std::ostream& out) {
  const std::vector<DrawRow> rows = DrawRows(event, database);
  std::size_t idWidth = 2, nameWidth = 6;
  for (const DrawRow& row : rows) {
    idWidth = std::max(idWidth, row.PlayerID.size());
    if (row.Player) nameWidth = std::max(nameWidth, row.Player->Name.size());
  }
  out << "Time   Tee  Group  " << Padded("ID", idWidth) << "  " << Padded("Player", nameWidth)
      << "   Hcp  Strokes\n";
  for (const DrawRow& row : rows) {
    out << row.Time << "  " << std::setw(3) << row.Tee << "  " << std::setw(5) << row.Group << "  "
        << Windows1252ToUtf8(Padded(row.PlayerID, idWidth)) << "  "
        << Windows1252ToUtf8(Padded(row.Player ? row.Player->Name : "", nameWidth)) << "  "
        << std::setw(5) << row.Hcp << "  " << std::setw(7) << row.Strokes << "\n";
  }
}

// The draw of the named players for the event; nullopt with `error` set when there is none.
std::optional<std::vector<DrawGroup>> DrawFor(const Event* event, DrawArgs& args, Database database,
                                              CliContext& context, std::string& error) {
  if (event == nullptr) {
    error = "no event \"" + Windows1252ToUtf8(args.EventID) + "\" in " +
            DataFilePath(context.Settings, kEventsFile);
    return std::nullopt;
  }
  std::vector<DrawEntry> entries;
  error = EntriesOf(args, database.Players, entries, context.Err);
  if (!error.empty()) return std::nullopt;
  if (args.Options.Order == DrawOrder::Random && !args.SeedGiven)
    args.Options.Seed = std::random_device()();
  return MakeDraw(entries, args.Options, error);
}

}  // namespace

int RunDraw(CliContext& context) {
  DrawArgs args;
  if (const std::string error = ParseArgs(context.Args, args); !error.empty()) {
    context.Err << "cardwise-cli: " << error << "\n" << kUsage;
    return kExitUsage;
  }
  const Database database = ProcessDatabase();
  PrintLoadWarnings(LoadDatabase(database, context.Settings), context.Err);
  Event* event = database.Events.FindRecord(args.EventID);
  std::string error;
  const std::optional<std::vector<DrawGroup>> draw = DrawFor(event, args, database, context, error);
  if (!draw) {
    context.Err << "cardwise-cli: " << error << "\n";
    return kExitUsage;
  }
  const std::optional<std::uint32_t> seed =
      args.Options.Order == DrawOrder::Random ? std::optional(args.Options.Seed) : std::nullopt;
  if (const int status = StoreDraw(*event, *draw, seed, database, context); status != kExitOk)
    return status;
  if (seed) context.Out << "Seed " << *seed << " (--seed " << *seed << " draws it again)\n";
  PrintDraw(*database.Events.FindRecord(args.EventID), database, context.Out);
  return kExitOk;
}

}  // namespace cardwise
