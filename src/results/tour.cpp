#include "results/tour.h"

#include <algorithm>
#include <optional>

#include "platform/codepage.h"
#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {

namespace {

void AddIfSet(std::vector<KeyValue>& keys, const char* key, const std::string& value) {
  if (!value.empty()) keys.emplace_back(key, value);
}

bool IsLineKey(std::string_view key) {
  const std::optional<int> number = ParseWholeNumber(key);
  return number && *number > 0;
}

// A whole-number field: `fallback` when the value is not one (reported unless it is empty).
FieldResult ReadNumber(std::string_view value, int fallback, int& field) {
  const std::optional<int> number = ParseWholeNumber(value);
  field = number.value_or(fallback);
  return number || value.empty() ? FieldResult::Ok() : FieldResult::Bad("not a whole number");
}

}  // namespace

FieldResult Tour::ReadField(std::string_view key, std::string_view value) {
  if (key == "ID")
    ID = value;
  else if (key == "Tour")
    Name = value;
  else if (key == "Events")
    Events = value;
  else if (key == "MandatoryEvents")
    MandatoryEvents = value;
  else if (key == "Weights")
    Weights = value;
  else if (key == "Header")
    Header = value;
  else if (key == "Dir")
    Dir = value;
  else if (key == "Type")
    return ReadNumber(value, -1, Type);
  else if (key == "Ntot")
    return ReadNumber(value, 0, Ntot);
  else if (key == "Worst")
    return ReadNumber(value, 0, Worst);
  else if (IsLineKey(key))
    Standings.push_back(StandingLine{std::string(value), nullptr});
  else
    return FieldResult::Unknown();
  return FieldResult::Ok();
}

void Tour::MakeID() {
  if (ID.empty()) ID = Initials(Name, 2);
}

void Tour::PrepareSave() {
  Ntot = static_cast<int>(Standings.size());
}

std::vector<KeyValue> Tour::FileKeys() const {
  std::vector<KeyValue> keys{{"ID", ID}};
  AddIfSet(keys, "Tour", Name);
  AddIfSet(keys, "Events", Events);
  AddIfSet(keys, "MandatoryEvents", MandatoryEvents);
  AddIfSet(keys, "Weights", Weights);
  AddIfSet(keys, "Header", Header);
  AddIfSet(keys, "Dir", Dir);
  if (Type > -1) keys.emplace_back("Type", std::to_string(Type));
  if (Ntot > 0) keys.emplace_back("Ntot", std::to_string(Ntot));
  if (Worst > 0) keys.emplace_back("Worst", std::to_string(Worst));
  for (std::size_t k = 0; k < Standings.size(); ++k)
    keys.emplace_back(std::to_string(k + 1), Standings[k].Text);
  return keys;
}

std::vector<KeyValue> Tour::ClipboardKeys() const {
  return {{"ID", ID},
          {"Tour", Name},
          {"Events", Events},
          {"MandatoryEvents", MandatoryEvents},
          {"Weights", Weights},
          {"Header", Header},
          {"Type", std::to_string(Type)}};
}

void Tour::ReloadFrom(const IniFile& file, const std::string& section) {
  ID = file.ReadString(section, "ID", "");
  Name = file.ReadString(section, "Tour", "");
  Events = file.ReadString(section, "Events", "");
  MandatoryEvents = file.ReadString(section, "MandatoryEvents", "");
  Header = file.ReadString(section, "Header", "");
  Dir = file.ReadString(section, "Dir", "");
  Weights = file.ReadString(section, "Weights", "");
  Type = WholeNumberOr(file.ReadString(section, "Type", ""), -1);
  Ntot = WholeNumberOr(file.ReadString(section, "Ntot", ""), 0);
  Worst = WholeNumberOr(file.ReadString(section, "Worst", ""), 0);
  Standings.clear();
  for (int key = 1;; ++key) {
    std::string line = file.ReadString(section, std::to_string(key), "");
    if (line.empty()) break;
    Standings.push_back(StandingLine{std::move(line), nullptr});
  }
}

void Tour::PasteFrom(const ClipboardText& clip) {
  Name = clip.Value("Tour");
  Events = clip.Value("Events");
  MandatoryEvents = clip.Value("MandatoryEvents");
  Weights = clip.Value("Weights");
  Header = clip.Value("Header");
  Type = WholeNumberOr(clip.Value("Type"), -1);
}

bool Tour::MatchesName(std::string_view name) const {
  return !name.empty() && SameText(Name, name);
}

int Tour::EventCount() const {
  return CountChar(Events, ';');
}

std::string Tour::EventAt(int k) const {
  // Split here rather than with ExtractField, which reads only the first 255 characters: a long
  // tour would otherwise count events it cannot name.
  if (k < 1) return {};
  std::size_t start = 0;
  for (int field = 1; field < k; ++field) {
    start = Events.find(';', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  return Events.substr(start, Events.find(';', start) - start);
}

bool Tour::HasEvent(std::string_view eventID) const {
  // An empty ID names no event, even where the list holds an empty slot.
  if (eventID.empty()) return false;
  // Every occurrence of the ID that stands between separators (or at the start) is a member;
  // searched in place, as the statistics ask this of every round.
  const std::string_view events = Events;
  for (std::size_t at = events.find(eventID); at != std::string_view::npos;
       at = events.find(eventID, at + 1)) {
    const std::size_t end = at + eventID.size();
    if ((at == 0 || events[at - 1] == ';') && end < events.size() && events[end] == ';')
      return true;
  }
  return false;
}

const Course* Tour::CommonCourse(const EventList& events, const CourseList& courses) const {
  std::string candidate;
  for (int k = 1; k <= EventCount(); ++k) {
    const std::string id = EventAt(k);
    const Event* event = id.empty() ? nullptr : events.FindRecord(id);
    if (event == nullptr) continue;
    if (candidate.empty())
      candidate = event->CourseID;
    else if (!event->CourseID.empty() && !SameText(event->CourseID, candidate))
      return nullptr;
  }
  return candidate.empty() ? nullptr : courses.FindRecord(candidate);
}

void Tour::Clear() {
  *this = Tour();
}

bool TourList::FindTourOfEvent(std::string_view eventID, int& index) const {
  for (index = 0; index < Count(); ++index)
    if (RecordAt(index).HasEvent(eventID)) return true;
  index = -1;
  return false;
}

namespace {

const EventCheck* CheckOf(const std::vector<EventCheck>& checks, std::string_view id) {
  const auto found = std::find_if(checks.begin(), checks.end(),
                                  [id](const EventCheck& check) { return check.ID == id; });
  return found == checks.end() ? nullptr : &*found;
}

// The fields of a ";"-separated text, all of them (ExtractField stops at 255 characters).
std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields;
  if (text.empty()) return fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(';', start);
    fields.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

// An event with its weight field; nullopt where the weights text ended before the event.
struct WeightedEvent {
  std::string ID;
  std::optional<std::string> Weight;
};

// The weights up to the last one present, so that events that had none still have none.
std::string JoinWeights(const std::vector<WeightedEvent>& events) {
  std::size_t count = events.size();
  while (count > 0 && !events[count - 1].Weight)
    --count;
  std::string weights;
  for (std::size_t i = 0; i < count; ++i)
    weights += (i > 0 ? ";" : "") + events[i].Weight.value_or("");
  return weights;
}

// The tour's events in its order with their weights, the unchecked ones left out.
std::vector<WeightedEvent> KeptEvents(const Tour& tour, const std::vector<EventCheck>& checks) {
  const std::vector<std::string> weights = SplitFields(tour.Weights);
  std::vector<WeightedEvent> kept;
  for (int k = 1; k <= tour.EventCount(); ++k) {
    std::string id = tour.EventAt(k);
    const EventCheck* check = CheckOf(checks, id);
    if (check && !check->Checked) continue;
    const auto at = static_cast<std::size_t>(k - 1);
    kept.push_back(
        {std::move(id), at < weights.size() ? std::optional(weights[at]) : std::nullopt});
  }
  return kept;
}

void AddNewlyChecked(const Tour& tour, const std::vector<EventCheck>& checks,
                     std::vector<WeightedEvent>& events) {
  const std::optional<std::string> weight =
      tour.Weights.empty() ? std::nullopt : std::optional<std::string>("1");
  for (const EventCheck& check : checks) {
    const bool known = std::any_of(events.begin(), events.end(), [&](const WeightedEvent& event) {
      return event.ID == check.ID;
    });
    if (check.Checked && !known) events.push_back({check.ID, weight});
  }
}

}  // namespace

void SetCheckedEvents(Tour& tour, const std::vector<EventCheck>& checks) {
  std::vector<WeightedEvent> kept = KeptEvents(tour, checks);
  AddNewlyChecked(tour, checks, kept);
  std::string events;
  for (const WeightedEvent& event : kept)
    events += event.ID + ";";
  // Unchanged events keep their weights text as it is, even one with more fields than events.
  if (events == tour.Events) return;
  tour.Events = std::move(events);
  tour.Weights = JoinWeights(kept);
}

TourList& Tours() {
  static TourList list;
  return list;
}

}  // namespace cardwise
