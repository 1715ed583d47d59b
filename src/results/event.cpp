#include "results/event.h"

#include <charconv>

#include "platform/codepage.h"
#include "records/numbers.h"
#include "records/text.h"
#include "results/divisions.h"
#include "results/result_line.h"

namespace cardwise {

namespace {

void AddIfSet(std::vector<KeyValue>& keys, const char* key, const std::string& value) {
  if (!value.empty()) keys.emplace_back(key, value);
}

// A type that is not a whole number means "no type".
int TypeFrom(std::string_view text) {
  return WholeNumberOr(text, kNoEventType);
}

// "Make" holds only when the value is the number 1 ("1", " 01", "+1").
bool MakeFrom(std::string_view text) {
  return ParseWholeNumber(text) == 1;
}

// A result line of the file: a key that is a whole number above 0.
bool IsLineKey(std::string_view key) {
  const std::optional<int> number = ParseWholeNumber(key);
  return number && *number > 0;
}

// An unreadable date keeps the field as it was and is reported; an empty one is today.
FieldResult ReadDate(std::string_view value, DateTime& date) {
  const std::optional<DateTime> parsed = ParseDate(value);
  if (!parsed) return FieldResult::Bad("not a date");
  date = *parsed;
  return FieldResult::Ok();
}

FieldResult ReadType(std::string_view value, int& type) {
  type = TypeFrom(value);
  const bool readable = value.empty() || ParseWholeNumber(value);
  return readable ? FieldResult::Ok() : FieldResult::Bad("not a whole number");
}

// "Team1", "Team2", ...: a key of a team.
bool IsTeamKey(std::string_view key) {
  return key.size() > 4 && key.substr(0, 4) == "Team" && IsLineKey(key.substr(4));
}

std::optional<int> BestFrom(std::string_view text) {
  const std::optional<int> best = ParseWholeNumber(text);
  if (!best || *best < 1 || *best > 4) return std::nullopt;
  return best;
}

void AddTeamKeys(std::vector<KeyValue>& keys, const Event& event) {
  AddIfSet(keys, "Format", TeamFormatName(event.Format));
  if (event.Best > 0) keys.emplace_back("Best", std::to_string(event.Best));
  AddIfSet(keys, "Allowance", event.Allowance);
  for (std::size_t i = 0; i < event.Teams.size(); ++i)
    keys.emplace_back("Team" + std::to_string(i + 1), event.Teams[i].Text());
}

// The draw's group numbers are kept small: a key naming group 100000 is not a draw.
constexpr int kMaxGroups = 999;

FieldResult ReadDivisions(std::string_view value, std::vector<double>& limits) {
  std::optional<std::vector<double>> parsed = ParseDivisions(value);
  if (!parsed) return FieldResult::Bad("not ascending handicap limits");
  limits = std::move(*parsed);
  return FieldResult::Ok();
}

FieldResult ReadSeed(std::string_view value, std::optional<std::uint32_t>& seed) {
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc() || end != value.data() + value.size())
    return FieldResult::Bad("not a seed");
  seed = number;
  return FieldResult::Ok();
}

FieldResult ReadGroup(int number, std::string_view value, std::vector<DrawGroup>& draw) {
  std::optional<DrawGroup> group = ParseGroup(value);
  if (!group || number > kMaxGroups) return FieldResult::Bad("not a group (HH:MM;hole;IDs)");
  if (static_cast<int>(draw.size()) < number) draw.resize(static_cast<std::size_t>(number));
  draw[static_cast<std::size_t>(number - 1)] = std::move(*group);
  return FieldResult::Ok();
}

void AddDrawKeys(std::vector<KeyValue>& keys, const Event& event) {
  if (!event.Divisions.empty()) keys.emplace_back("Divisions", DivisionsText(event.Divisions));
  if (event.DrawSeed) keys.emplace_back("DrawSeed", std::to_string(*event.DrawSeed));
  int number = 0;
  for (const DrawGroup& group : event.Draw)
    if (!group.PlayerIDs.empty())
      keys.emplace_back("Group" + std::to_string(++number), GroupText(group));
}

void DropEmptyGroups(std::vector<DrawGroup>& draw) {
  std::erase_if(draw, [](const DrawGroup& group) { return group.PlayerIDs.empty(); });
}

void ReloadDraw(const IniFile& file, const std::string& section, Event& event) {
  event.Divisions =
      ParseDivisions(file.ReadString(section, "Divisions", "")).value_or(std::vector<double>());
  event.DrawSeed.reset();
  ReadSeed(file.ReadString(section, "DrawSeed", ""), event.DrawSeed);
  event.Draw.clear();
  for (int number = 1; number <= kMaxGroups; ++number) {
    const std::optional<DrawGroup> group =
        ParseGroup(file.ReadString(section, "Group" + std::to_string(number), ""));
    if (!group) break;
    event.Draw.push_back(*group);
  }
}

}  // namespace

bool IsBlankResult(const std::string& line) {
  const ResultFields fields = ResultFields::Parse(line);
  return fields.Result.empty() && fields.PlayerID.empty();
}

FieldResult Event::ReadField(std::string_view key, std::string_view value) {
  if (key == "ID")
    ID = value;
  else if (key == "Event")
    Name = value;
  else if (key == "Header")
    Header = value;
  else if (key == "CourseID")
    CourseID = value;
  else if (key == "Date")
    return ReadDate(value, Date);
  else if (key == "Type")
    return ReadType(value, Type);
  else if (key == "Make")
    Make = MakeFrom(value);
  else if (key == "Divisions")
    return ReadDivisions(value, Divisions);
  else if (key == "DrawSeed")
    return ReadSeed(value, DrawSeed);
  else if (const std::optional<int> group = GroupKeyNumber(key))
    return ReadGroup(*group, value, Draw);
  else if (IsLineKey(key))
    Results.emplace_back(value);
  else
    return ReadTeamField(key, value);
  return FieldResult::Ok();
}

// The team keys are checked against what the section said before them: a team against the
// format and the earlier teams, the format against the teams already read.
FieldResult Event::ReadTeamField(std::string_view key, std::string_view value) {
  if (key == "Format") {
    const std::optional<int> format = TeamFormatFrom(value);
    if (!format) return FieldResult::Bad("not a format");
    for (std::size_t i = 0; i < Teams.size(); ++i) {
      const std::vector<Team> earlier(Teams.begin(), Teams.begin() + static_cast<long>(i));
      if (std::string problem = TeamProblem(*format, Teams[i], earlier); !problem.empty())
        return FieldResult::Bad(problem);
    }
    Format = *format;
  } else if (key == "Best") {
    const std::optional<int> best = BestFrom(value);
    if (!best) return FieldResult::Bad("not a number of scores from 1 to 4");
    Best = *best;
  } else if (key == "Allowance") {
    if (!ParseAllowance(value)) return FieldResult::Bad("not whole percentages");
    Allowance = value;
  } else if (IsTeamKey(key)) {
    const std::optional<Team> team = Team::Parse(value);
    if (!team) return FieldResult::Bad("not a team");
    if (std::string problem = TeamProblem(Format, *team, Teams); !problem.empty())
      return FieldResult::Bad(problem);
    Teams.push_back(*team);
  } else {
    return FieldResult::Unknown();
  }
  return FieldResult::Ok();
}

void Event::Complete() {
  DropEmptyGroups(Draw);
}

void Event::MakeID() {
  if (ID.empty()) ID = Initials(Name, 2);
}

std::vector<KeyValue> Event::FileKeys() const {
  std::vector<KeyValue> keys{{"ID", ID}};
  AddIfSet(keys, "Event", Name);
  AddIfSet(keys, "Header", Header);
  AddIfSet(keys, "CourseID", CourseID);
  if (Date != 0) keys.emplace_back("Date", ShortDateText(Date));
  if (Type > kNoEventType) keys.emplace_back("Type", std::to_string(Type));
  keys.emplace_back("Make", Make ? "1" : "0");
  AddTeamKeys(keys, *this);
  AddDrawKeys(keys, *this);
  int number = 0;
  for (const std::string& line : Results) {
    if (!IsBlankResult(line)) keys.emplace_back(std::to_string(++number), line);
  }
  return keys;
}

std::vector<KeyValue> Event::ClipboardKeys() const {
  // An event without a date pastes back as one without a date.
  const std::string date = Date != 0 ? ShortDateText(Date) : std::string();
  std::vector<KeyValue> keys{
      {"ID", ID},     {"Event", Name},        {"Header", Header},
      {"Date", date}, {"CourseID", CourseID}, {"Type", std::to_string(Type)}};
  AddTeamKeys(keys, *this);
  if (!Divisions.empty()) keys.emplace_back("Divisions", DivisionsText(Divisions));
  return keys;
}

void Event::ReloadFrom(const IniFile& file, const std::string& section) {
  ID = file.ReadString(section, "ID", "");
  Name = file.ReadString(section, "Event", "");
  Header = file.ReadString(section, "Header", "");
  CourseID = file.ReadString(section, "CourseID", "");
  Date = ParseDate(file.ReadString(section, "Date", "")).value_or(Today());
  Type = TypeFrom(file.ReadString(section, "Type", ""));
  Make = MakeFrom(file.ReadString(section, "Make", "1"));
  ReloadTeamsFrom(file, section);
  Results.clear();
  for (int key = 1;; ++key) {
    std::string line = file.ReadString(section, std::to_string(key), "");
    if (line.empty()) break;
    Results.push_back(std::move(line));
  }
  ReloadDraw(file, section, *this);
}

void Event::ReloadTeamsFrom(const IniFile& file, const std::string& section) {
  Format = TeamFormatFrom(file.ReadString(section, "Format", "")).value_or(kIndividual);
  Best = BestFrom(file.ReadString(section, "Best", "")).value_or(0);
  Allowance = file.ReadString(section, "Allowance", "");
  if (!ParseAllowance(Allowance)) Allowance.clear();
  Teams.clear();
  for (int key = 1;; ++key) {
    const std::string text = file.ReadString(section, "Team" + std::to_string(key), "");
    if (text.empty()) break;
    if (std::optional<Team> team = Team::Parse(text)) Teams.push_back(std::move(*team));
  }
}

void Event::PasteTeamsFrom(const ClipboardText& clip) {
  Format = TeamFormatFrom(clip.Value("Format")).value_or(kIndividual);
  Best = BestFrom(clip.Value("Best")).value_or(0);
  Allowance = ParseAllowance(clip.Value("Allowance")) ? clip.Value("Allowance") : std::string();
  Teams.clear();
  for (int key = 1; clip.Has("Team" + std::to_string(key)); ++key)
    if (std::optional<Team> team = Team::Parse(clip.Value("Team" + std::to_string(key))))
      Teams.push_back(std::move(*team));
}

void Event::PasteFrom(const ClipboardText& clip) {
  Name = clip.Value("Event");
  Header = clip.Value("Header");
  CourseID = clip.Value("CourseID");
  const std::string date = clip.Value("Date");
  Date = date.empty() ? 0 : ParseDate(date).value_or(0);
  Type = TypeFrom(clip.Value("Type"));
  PasteTeamsFrom(clip);
  Divisions = ParseDivisions(clip.Value("Divisions")).value_or(std::vector<double>());
}

bool Event::MatchesName(std::string_view name) const {
  return !name.empty() && SameText(Name, name);
}

bool Event::FindResult(std::string_view playerID, int& index) const {
  for (index = 0; index < static_cast<int>(Results.size()); ++index) {
    // A tour's page asks this of every event for every player.
    const std::string_view field =
        ResultFields::PlayerIDOf(Results[static_cast<std::size_t>(index)]);
    if (SameText(field, playerID)) return true;
    if (!IsTeamEvent()) continue;
    for (const std::string& member : SplitIDs(field))
      if (SameText(member, playerID)) return true;
  }
  index = -1;
  return false;
}

void Event::Clear() {
  *this = Event();
}

EventList& Events() {
  static EventList list;
  return list;
}

}  // namespace cardwise
