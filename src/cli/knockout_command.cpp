#include "cli/knockout_command.h"

#include <map>
#include <optional>
#include <ostream>
#include <set>

#include "cli/check_command.h"
#include "platform/codepage.h"
#include "records/numbers.h"
#include "results/database.h"
#include "results/knockout_bracket.h"

namespace cardwise {

namespace {

constexpr const char* kUsage =
    "usage: cardwise-cli knockout create ID --name NAME --players ID,ID,... "
    "[--seeding listed|handicap|random] [--seed N] [--course COURSE_ID] [--allowance PERCENT]\n"
    "       cardwise-cli knockout result ID MATCH WINNER_ID [RESULT] [--force]\n"
    "       cardwise-cli knockout show ID\n";

// The words and the "--flag value" pairs of a command line; "--force" stands alone.
struct KnockoutArgs {
  std::vector<std::string> Words;
  std::map<std::string, std::string> Values;
  bool Force = false;
};

const std::set<std::string> kValueFlags = {"--name", "--players", "--seeding",
                                           "--seed", "--course",  "--allowance"};

std::optional<KnockoutArgs> ParseArgs(const std::vector<std::string>& args) {
  KnockoutArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--force") {
      parsed.Force = true;
    } else if (kValueFlags.count(arg)) {
      if (i + 1 == args.size() || parsed.Values.count(arg)) return std::nullopt;
      parsed.Values[arg] = Utf8ToWindows1252(args[++i]);
    } else if (arg.starts_with("--")) {
      return std::nullopt;
    } else {
      parsed.Words.push_back(Utf8ToWindows1252(arg));
    }
  }
  return parsed;
}

// The state every subcommand works on: the players and courses, the knockouts' list.
struct KnockoutData {
  Database Data = ProcessDatabase();
  KnockoutList Knockouts;
  std::string Path;
};

void Load(CliContext& context, KnockoutData& data) {
  PrintLoadWarnings(LoadDatabase(data.Data, context.Settings), context.Err);
  data.Path = KnockoutFilePath(context.Settings);
  const LoadReport report = data.Knockouts.LoadFromFile(data.Path);
  for (const std::string& message : report.Messages())
    context.Err << "warning: " << Windows1252ToUtf8(message) << "\n";
}

int Refuse(CliContext& context, const std::string& message) {
  context.Err << "cardwise-cli: " << Windows1252ToUtf8(message) << "\n";
  return kExitUsage;
}

std::vector<std::string> SplitComma(const std::string& text) {
  std::vector<std::string> ids;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(',', start)) != std::string::npos; start = end + 1)
    ids.push_back(text.substr(start, end - start));
  ids.push_back(text.substr(start));
  return ids;
}

// The request of `create`, or the message why the command line cannot make one.
std::optional<KnockoutRequest> ReadRequest(const KnockoutArgs& args, std::string& error) {
  KnockoutRequest request;
  request.ID = args.Words[1];
  const auto value = [&](const char* flag) {
    const auto found = args.Values.find(flag);
    return found == args.Values.end() ? std::optional<std::string>() : found->second;
  };
  request.Name = value("--name").value_or("");
  request.CourseID = value("--course").value_or("");
  if (const auto players = value("--players")) request.PlayerIDs = SplitComma(*players);
  const std::optional<Seeding> seeding = ParseSeeding(value("--seeding").value_or("handicap"));
  const std::optional<int> seed = value("--seed") ? ParseWholeNumber(*value("--seed")) : 0;
  const std::optional<int> allowance = ParseWholeNumber(value("--allowance").value_or("100"));
  if (!seeding) error = "--seeding takes listed, handicap or random";
  if (!seed || *seed < 0) error = "--seed takes a whole number from 0";
  if (!allowance) error = "--allowance takes a whole number of percent";
  if (request.Name.empty() || !value("--players")) error = "create needs --name and --players";
  if (!error.empty()) return std::nullopt;
  request.Order = *seeding;
  if (value("--seed")) request.Seed = *seed;
  request.Allowance = *allowance;
  return request;
}

std::string PlayerText(const KnockoutData& data, const std::string& id) {
  if (id.empty()) return "-";
  const Player* player = data.Data.Players.FindRecord(id);
  return player && id != kByePlayer && !player->Name.empty() ? id + " " + player->Name : id;
}

void PrintMatch(std::ostream& out, const KnockoutData& data, const Knockout& knockout,
                const MatchRef& ref, const KnockoutMatch& match) {
  std::string line = "  " + MatchName(ref) + "  " + PlayerText(data, match.PlayerA) + " v " +
                     PlayerText(data, match.PlayerB);
  const std::optional<MatchShots> shots =
      ShotsOf(knockout, match, data.Data.Players, data.Data.Courses);
  if (shots) line += "  (" + ShotsText(shots, match) + ")";
  if (!match.Winner.empty())
    line += "  won by " + match.Winner + (match.Result.empty() ? "" : " " + match.Result);
  out << Windows1252ToUtf8(line) << "\n";
}

void PrintKnockout(std::ostream& out, const KnockoutData& data, const Knockout& knockout) {
  std::string head = knockout.ID + "  " + knockout.Name + "  (" +
                     std::to_string(knockout.Players.size()) + " players, seeding " +
                     SeedingName(knockout.Order);
  if (knockout.Seed) head += " " + std::to_string(*knockout.Seed);
  if (!knockout.CourseID.empty())
    head +=
        ", course " + knockout.CourseID + ", allowance " + std::to_string(knockout.Allowance) + "%";
  out << Windows1252ToUtf8(head) << ")\n";
  const int rounds = KnockoutRounds(knockout);
  int round = 0;
  for (const auto& [ref, match] : knockout.Matches) {
    if (ref.Round != round) out << RoundName(round = ref.Round, rounds) << "\n";
    PrintMatch(out, data, knockout, ref, match);
  }
}

int Create(CliContext& context, const KnockoutArgs& args) {
  std::string error;
  const std::optional<KnockoutRequest> request = ReadRequest(args, error);
  if (!request) return Refuse(context, error);
  KnockoutData data;
  Load(context, data);
  if (data.Knockouts.FindRecord(request->ID))
    return Refuse(context, "knockout \"" + request->ID + "\" is in " + data.Path + " already");
  Knockout knockout;
  if (Status made = MakeKnockout(*request, data.Data.Players, data.Data.Courses, knockout); !made)
    return Refuse(context, made.message());
  if (Status saved = SaveRecord(knockout, data.Path); !saved) {
    context.Err << "cardwise-cli: " << Windows1252ToUtf8(saved.message()) << "\n";
    return kExitFailure;
  }
  PrintKnockout(context.Out, data, knockout);
  return kExitOk;
}

// Records the result in the knockout at `index` and saves it, holding the file's lock.
int SaveResult(CliContext& context, KnockoutData& data, int index, const KnockoutArgs& args) {
  const std::optional<MatchRef> ref = ParseMatchRef(args.Words[2]);
  if (!ref) return Refuse(context, "not a match: \"" + args.Words[2] + "\" (R<round>M<match>)");
  // "1 up" may come as one word or as two.
  std::string result;
  for (std::size_t k = 4; k < args.Words.size(); ++k)
    result += (k > 4 ? " " : "") + args.Words[k];
  ResultChange change;
  const BatchReport report = data.Knockouts.UpdateRecords({index}, data.Path, [&](int at) {
    change = RecordResult(data.Knockouts.RecordAt(at), *ref, args.Words[3], result, args.Force);
    return change.Outcome.ok();
  });
  if (!change.Outcome) return Refuse(context, change.Outcome.message());
  if (!report) {
    for (const std::string& message : report.Messages())
      context.Err << "cardwise-cli: " << Windows1252ToUtf8(message) << "\n";
    return kExitFailure;
  }
  for (const MatchRef& cleared : change.Cleared)
    context.Out << "emptied " << MatchName(cleared) << "\n";
  PrintKnockout(context.Out, data, data.Knockouts.RecordAt(index));
  return kExitOk;
}

int FindAndRun(CliContext& context, const KnockoutArgs& args) {
  KnockoutData data;
  Load(context, data);
  int index = -1;
  if (!data.Knockouts.Find(args.Words[1], index) || args.Words[1] == kPlaceholderID)
    return Refuse(context, "no knockout \"" + args.Words[1] + "\" in " + data.Path);
  if (args.Words[0] == "result") return SaveResult(context, data, index, args);
  PrintKnockout(context.Out, data, data.Knockouts.RecordAt(index));
  return kExitOk;
}

bool IsKnockoutCommand(const KnockoutArgs& args) {
  if (args.Words.size() < 2) return false;
  const std::string& verb = args.Words[0];
  const bool onlyWords = args.Values.empty() && (!args.Force || verb == "result");
  if (verb == "create") return args.Words.size() == 2 && !args.Force;
  if (verb == "result") return onlyWords && args.Words.size() >= 4;
  return verb == "show" && onlyWords && args.Words.size() == 2;
}

}  // namespace

int RunKnockout(CliContext& context) {
  const std::optional<KnockoutArgs> args = ParseArgs(context.Args);
  if (!args || !IsKnockoutCommand(*args)) {
    context.Err << kUsage;
    return kExitUsage;
  }
  if (args->Words[0] == "create") return Create(context, *args);
  return FindAndRun(context, *args);
}

}  // namespace cardwise
