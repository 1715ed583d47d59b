#include "results/event.h"

#include "platform/codepage.h"
#include "records/numbers.h"
#include "records/text.h"
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
  else if (IsLineKey(key))
    Results.emplace_back(value);
  else
    return FieldResult::Unknown();
  return FieldResult::Ok();
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
  int number = 0;
  for (const std::string& line : Results) {
    if (!IsBlankResult(line)) keys.emplace_back(std::to_string(++number), line);
  }
  return keys;
}

std::vector<KeyValue> Event::ClipboardKeys() const {
  // An event without a date pastes back as one without a date.
  const std::string date = Date != 0 ? ShortDateText(Date) : std::string();
  return {{"ID", ID},     {"Event", Name},        {"Header", Header},
          {"Date", date}, {"CourseID", CourseID}, {"Type", std::to_string(Type)}};
}

void Event::ReloadFrom(const IniFile& file, const std::string& section) {
  ID = file.ReadString(section, "ID", "");
  Name = file.ReadString(section, "Event", "");
  Header = file.ReadString(section, "Header", "");
  CourseID = file.ReadString(section, "CourseID", "");
  Date = ParseDate(file.ReadString(section, "Date", "")).value_or(Today());
  Type = TypeFrom(file.ReadString(section, "Type", ""));
  Make = MakeFrom(file.ReadString(section, "Make", "1"));
  Results.clear();
  for (int key = 1;; ++key) {
    std::string line = file.ReadString(section, std::to_string(key), "");
    if (line.empty()) break;
    Results.push_back(std::move(line));
  }
}

void Event::PasteFrom(const ClipboardText& clip) {
  Name = clip.Value("Event");
  Header = clip.Value("Header");
  CourseID = clip.Value("CourseID");
  const std::string date = clip.Value("Date");
  Date = date.empty() ? 0 : ParseDate(date).value_or(0);
  Type = TypeFrom(clip.Value("Type"));
}

bool Event::MatchesName(std::string_view name) const {
  return !name.empty() && SameText(Name, name);
}

bool Event::FindResult(std::string_view playerID, int& index) const {
  for (index = 0; index < static_cast<int>(Results.size()); ++index) {
    if (SameText(ResultFields::Parse(Results[static_cast<std::size_t>(index)]).PlayerID, playerID))
      return true;
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
