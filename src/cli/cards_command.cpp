#include "cli/cards_command.h"

#include <ostream>

#include "app/print/card_printing.h"
#include "cli/check_command.h"
#include "platform/codepage.h"

namespace cardwise {

namespace {

constexpr const char* kUsage = "usage: cardwise-cli cards EVENT_ID [--output FILE]\n";

struct CardsArgs {
  std::string EventID;
  std::string Output;
};

bool ParseArgs(const std::vector<std::string>& args, CardsArgs& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--output" && i + 1 < args.size() && parsed.Output.empty())
      parsed.Output = args[++i];
    else if (args[i].starts_with("--") || !parsed.EventID.empty())
      return false;
    else
      parsed.EventID = args[i];
  }
  if (parsed.Output.empty()) parsed.Output = parsed.EventID + "-cards.pdf";
  return !parsed.EventID.empty();
}

}  // namespace

int RunCards(CliContext& context) {
  CardsArgs args;
  if (!ParseArgs(context.Args, args)) {
    context.Err << kUsage;
    return kExitUsage;
  }
  const Database database = ProcessDatabase();
  PrintLoadWarnings(LoadDatabase(database, context.Settings), context.Err);
  const Event* event = database.Events.FindRecord(Utf8ToWindows1252(args.EventID));
  std::string missing;
  std::optional<std::vector<Card>> cards;
  if (event == nullptr)
    missing = "no event \"" + args.EventID + "\" in " +
              Windows1252ToUtf8(DataFilePath(context.Settings, kEventsFile));
  else
    cards = EventCards(*event, database, missing);
  if (!cards) {
    context.Err << "cardwise-cli: " << missing << "\n";
    return kExitUsage;
  }
  const Status written = WriteCardsPdfWithoutDisplay(*cards, context.Settings.Paper, args.Output);
  if (!written) {
    context.Err << "cardwise-cli: " << written.message() << "\n";
    return kExitFailure;
  }
  context.Out << cards->size() << " cards written to " << args.Output << "\n";
  return kExitOk;
}

}  // namespace cardwise
