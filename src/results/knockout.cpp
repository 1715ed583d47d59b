#include "results/knockout.h"

#include "platform/codepage.h"
#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {
namespace {

constexpr const char* kSeedingNames[] = {"listed", "handicap", "random"};
constexpr int kMatchFields = 4;

// The ";"-separated fields of a text, all of them, empty ones included.
std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    fields.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

std::string JoinAt(const std::vector<std::string>& fields, char separator) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i)
    text += (i > 0 ? std::string(1, separator) : std::string()) + fields[i];
  return text;
}

// Why a match line's fields cannot make a match; empty when they can.
std::string MatchProblem(const KnockoutMatch& match) {
  if (!match.Winner.empty() && match.Winner != match.PlayerA &&
      (match.Winner != match.PlayerB || match.IsBye()))
    return "the winner is not a player of the match";
  if (match.Result.empty()) return {};
  if (match.Winner.empty()) return "a result without a winner";
  if (match.Result == kByeResult ? !match.IsBye() : !IsMatchResult(match.Result))
    return "not a match result";
  return {};
}

FieldResult ReadMatch(std::string_view value, KnockoutMatch& match) {
  const std::vector<std::string> fields = SplitAt(value, ';');
  if (fields.size() != kMatchFields) return FieldResult::Bad("not a match: A;B;winner;result");
  KnockoutMatch read{fields[0], fields[1], fields[2], fields[3]};
  if (const std::string problem = MatchProblem(read); !problem.empty())
    return FieldResult::Bad(problem);
  match = std::move(read);
  return FieldResult::Ok();
}

FieldResult ReadRange(std::string_view value, int low, int high, int& field) {
  const std::optional<int> number = ParseWholeNumber(value);
  if (!number || *number < low || *number > high)
    return FieldResult::Bad("not a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high));
  field = *number;
  return FieldResult::Ok();
}

}  // namespace

const char* SeedingName(Seeding seeding) {
  return kSeedingNames[static_cast<int>(seeding)];
}

std::optional<Seeding> ParseSeeding(std::string_view text) {
  for (int k = 0; k < 3; ++k)
    if (text == kSeedingNames[k]) return static_cast<Seeding>(k);
  return std::nullopt;
}

FieldResult Knockout::ReadField(std::string_view key, std::string_view value) {
  if (key == "ID") {
    ID = value;
  } else if (key == "Knockout") {
    Name = value;
  } else if (key == "Course") {
    CourseID = value;
  } else if (key == "Allowance") {
    return ReadRange(value, 0, 100, Allowance);
  } else if (key == "Seeding") {
    const std::optional<Seeding> seeding = ParseSeeding(value);
    if (!seeding) return FieldResult::Bad("not listed, handicap or random");
    Order = *seeding;
  } else if (key == "Seed") {
    int seed = 0;
    FieldResult read = ReadRange(value, 0, INT32_MAX, seed);
    if (read.Outcome == FieldResult::Read) Seed = seed;
    return read;
  } else if (key == "Players") {
    Players = value.empty() ? std::vector<std::string>{} : SplitAt(value, ';');
  } else if (const std::optional<MatchRef> ref = ParseMatchRef(key); ref) {
    return ReadMatch(value, Matches[*ref]);
  } else {
    return FieldResult::Unknown();
  }
  return FieldResult::Ok();
}

void Knockout::MakeID() {
  if (ID.empty()) ID = Initials(Name, 2);
}

std::vector<KeyValue> Knockout::FileKeys() const {
  std::vector<KeyValue> keys{{"ID", ID}};
  if (!Name.empty()) keys.emplace_back("Knockout", Name);
  if (!CourseID.empty()) keys.emplace_back("Course", CourseID);
  keys.emplace_back("Allowance", std::to_string(Allowance));
  keys.emplace_back("Seeding", SeedingName(Order));
  if (Seed) keys.emplace_back("Seed", std::to_string(*Seed));
  keys.emplace_back("Players", JoinAt(Players, ';'));
  for (const auto& [ref, match] : Matches)
    keys.emplace_back(MatchName(ref),
                      JoinAt({match.PlayerA, match.PlayerB, match.Winner, match.Result}, ';'));
  return keys;
}

void Knockout::ReloadFrom(const IniFile& file, const std::string& section) {
  *this = Knockout();
  for (const auto& [key, value] : file.ReadSection(section))
    ReadField(key, value);
}

void Knockout::PasteFrom(const ClipboardText& clip) {
  // The bracket itself is not pasted: its matches belong to the knockout it was copied from.
  for (const char* key : {"Knockout", "Course", "Allowance", "Seeding", "Seed", "Players"})
    if (clip.Has(key)) ReadField(key, clip.Value(key));
}

bool Knockout::MatchesName(std::string_view name) const {
  return !name.empty() && SameText(Name, name);
}

const KnockoutMatch* Knockout::MatchAt(const MatchRef& ref) const {
  const auto found = Matches.find(ref);
  return found == Matches.end() ? nullptr : &found->second;
}

}  // namespace cardwise
