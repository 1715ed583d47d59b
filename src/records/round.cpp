#include "records/round.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/codepage.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "records/golf_rules.h"
#include "records/numbers.h"
#include "settings/settings.h"

namespace cardwise {

namespace {

// The keys of ROUNDS.DAT in the order they are written.
enum class Key : std::int8_t {
  ID,
  PlayerID,
  Player,
  CourseID,
  Course,
  EventID,
  EventIDs,
  Event,
  Hcp,
  Strokes,
  Date,
  Start,
  Score,
  Greens,
  Fairways,
  Putts,
  CPar,
  CHcp,
  CLen,
  Stats,
  TotalGreens,
  TotalFairways,
  TotalPutts,
  Unknown
};

constexpr std::string_view kKeyNames[] = {
    "ID",   "PlayerID", "Player", "CourseID", "Course",      "EventID",       "EventIDs",  "Event",
    "Hcp",  "Strokes",  "Date",   "Start",    "Score",       "Greens",        "Fairways",  "Putts",
    "CPar", "CHcp",     "CLen",   "Stats",    "TotalGreens", "TotalFairways", "TotalPutts"};
constexpr int kKeyCount = static_cast<int>(std::size(kKeyNames));
static_assert(kKeyCount == static_cast<int>(Key::Unknown));

// A large file sends about twenty key lines per round through ReadField, so the key is found by
// its length first: at most five names share one, and a short compare settles it.
constexpr std::size_t kLongestKey = 13;
constexpr std::size_t kMostOfOneLength = 5;
using SizeTable = std::array<std::array<std::int8_t, kMostOfOneLength + 1>, kLongestKey + 1>;

constexpr SizeTable kKeysBySize = [] {
  SizeTable table{};
  for (auto& row : table)
    row.fill(-1);
  for (int key = 0; key < kKeyCount; ++key) {
    auto& row = table[kKeyNames[key].size()];
    std::size_t free = 0;
    while (row[free] >= 0)
      ++free;
    row[free] = static_cast<std::int8_t>(key);
  }
  return table;
}();

// Compared inline: for names this short a call to the library's compare costs more than the
// compare itself.
bool SameBytes(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

Key Lookup(std::string_view name) {
  if (name.size() > kLongestKey) return Key::Unknown;
  for (const std::int8_t key : kKeysBySize[name.size()]) {
    if (key < 0) break;
    if (SameBytes(kKeyNames[key], name)) return static_cast<Key>(key);
  }
  return Key::Unknown;
}

std::string_view NameOf(Key key) {
  return kKeyNames[static_cast<int>(key)];
}

FieldResult ReadWhole(std::string_view value, std::int16_t& number) {
  const std::optional<int> parsed = ParseWholeNumber(value);
  const bool fits = parsed && *parsed >= std::numeric_limits<std::int16_t>::min() &&
                    *parsed <= std::numeric_limits<std::int16_t>::max();
  number = fits ? static_cast<std::int16_t>(*parsed) : 0;
  return fits || value.empty() ? FieldResult::Ok() : FieldResult::Bad("not a number");
}

FieldResult ReadTotal(std::string_view value, Result& row) {
  std::int16_t total = 0;
  const FieldResult result = ReadWhole(value, total);
  row.SetTotal(total);
  return result;
}

// An empty time is no time (0); one that is not a time leaves the field as it was.
FieldResult ReadTime(std::string_view value, DateTime& time) {
  if (value.empty()) {
    time = 0;
    return FieldResult::Ok();
  }
  const std::optional<DateTime> parsed = ParseTime(value);
  if (!parsed) return FieldResult::Bad("not a time");
  time = *parsed;
  return FieldResult::Ok();
}

// The fields behind the three runs of like keys: the texts ID..Event, the hole lists
// Score..CLen and the totals of Greens, Fairways and Putts.
constexpr std::string Round::*kTexts[] = {&Round::ID,       &Round::PlayerID,   &Round::PlayerName,
                                          &Round::CourseID, &Round::CourseName, &Round::EventID,
                                          &Round::EventIDs, &Round::EventName};
constexpr Result Round::*kRows[] = {&Round::Score, &Round::Greens, &Round::Fairways, &Round::Putts,
                                    &Round::CPar,  &Round::CHcp,   &Round::CLen};
constexpr Result Round::*kTotals[] = {&Round::Greens, &Round::Fairways, &Round::Putts};

constexpr std::size_t RunLength(Key first, Key last) {
  return static_cast<std::size_t>(static_cast<int>(last) - static_cast<int>(first) + 1);
}
static_assert(std::size(kTexts) == RunLength(Key::ID, Key::Event));
static_assert(std::size(kRows) == RunLength(Key::Score, Key::CLen));
static_assert(std::size(kTotals) == RunLength(Key::TotalGreens, Key::TotalPutts));

// The index of the key within the run [first, last], or -1 when it is outside.
int InRun(Key key, Key first, Key last) {
  return key >= first && key <= last ? static_cast<int>(key) - static_cast<int>(first) : -1;
}

Key KeyAt(Key first, int offset) {
  return static_cast<Key>(static_cast<int>(first) + offset);
}

// The key lines of a round in file order. The clipboard form leaves out EventIDs, which the
// editor does not show, and always has Score, so that an empty card can be copied too.
// Totals are taken from copies: the const clipboard form must not change the rows.
std::vector<KeyValue> KeysOf(const Round& r, bool clipboard) {
  std::vector<KeyValue> keys{{"ID", r.ID}};
  for (int i = 1; i < static_cast<int>(std::size(kTexts)); ++i) {
    const std::string& text = r.*kTexts[i];
    if (!text.empty() && !(clipboard && KeyAt(Key::ID, i) == Key::EventIDs))
      keys.emplace_back(NameOf(KeyAt(Key::ID, i)), text);
  }
  if (r.Hcp != 0) keys.emplace_back("Hcp", FormatOneDecimal(r.Hcp));
  if (r.Strokes != 0) keys.emplace_back("Strokes", std::to_string(r.Strokes));
  if (r.Date != 0) keys.emplace_back("Date", ShortDateText(r.Date));
  if (r.Start != 0) keys.emplace_back("Start", LongTimeText(r.Start));
  keys.emplace_back("Score", r.Score.AsText());
  for (int i = 1; i < static_cast<int>(std::size(kRows)); ++i)
    if (!(r.*kRows[i]).IsEmpty())
      keys.emplace_back(NameOf(KeyAt(Key::Score, i)), (r.*kRows[i]).AsText());
  if (!r.Stats.IsEmpty()) keys.emplace_back("Stats", r.Stats.AsText());
  for (int i = 0; i < static_cast<int>(std::size(kTotals)); ++i)
    if (const int total = Result(r.*kTotals[i]).Total(); total != 0)
      keys.emplace_back(NameOf(KeyAt(Key::TotalGreens, i)), std::to_string(total));
  return keys;
}

// The value of the first line of `section` whose key matches, else the fallback.
std::string ValueIn(const std::vector<KeyValue>& section, std::string_view key,
                    std::string_view fallback) {
  for (const auto& [name, value] : section)
    if (SameText(name, key)) return value;
  return std::string(fallback);
}

}  // namespace

FieldResult Round::ReadField(std::string_view key, std::string_view value) {
  const Key k = Lookup(key);
  if (const int i = InRun(k, Key::ID, Key::Event); i >= 0) {
    this->*kTexts[i] = value;
    return FieldResult::Ok();
  }
  if (const int i = InRun(k, Key::Score, Key::CLen); i >= 0)
    return ReadHoleRow(value, this->*kRows[i]);
  if (const int i = InRun(k, Key::TotalGreens, Key::TotalPutts); i >= 0)
    return ReadTotal(value, this->*kTotals[i]);
  switch (k) {
    case Key::Hcp:
      return ReadDecimalField(value, Hcp);
    case Key::Strokes:
      return ReadWhole(value, Strokes);
    case Key::Date:
      return ReadDateField(value, Date);
    case Key::Start:
      return ReadTime(value, Start);
    case Key::Stats:
      Stats.FromText(value);
      return FieldResult::Ok();
    default:
      return FieldResult::Unknown();
  }
}

void Round::Complete() {
  if (Strokes != 0) return;
  const int rounded = RoundHalfEven(Hcp);
  Strokes = static_cast<std::int16_t>(std::clamp<int>(
      rounded, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

void Round::MakeID() {
  if (PlayerID.empty()) PlayerID = Initials(PlayerName, 2);
  ID = FormatDateTime("yymmdd", Date) + "-" + FormatDateTime("hhnn", Start) + "-" + PlayerID;
}

std::vector<KeyValue> Round::FileKeys() {
  // Rows with per-hole values keep their sum as their stored total, as Total() does.
  Greens.Total();
  Fairways.Total();
  Putts.Total();
  return KeysOf(*this, false);
}

std::vector<KeyValue> Round::ClipboardKeys() const {
  return KeysOf(*this, true);
}

std::vector<KeyValue> Round::ClipboardKeys() {
  return std::as_const(*this).ClipboardKeys();
}

void Round::ReloadFrom(const IniFile& file, const std::string& section) {
  // One pass over the file for the whole section rather than one per key: rounds files are big.
  const std::vector<KeyValue> lines = file.ReadSection(section);
  const std::string now = LongTimeText(Now());
  for (int k = 0; k < kKeyCount; ++k) {
    const Key key = static_cast<Key>(k);
    std::string_view fallback;
    if (key == Key::Hcp || key == Key::Strokes || key >= Key::TotalGreens) fallback = "0";
    if (key == Key::Start) fallback = now;  // an empty Date reads as today
    ReadField(NameOf(key), ValueIn(lines, NameOf(key), fallback));
  }
  CachedCourseColor = 0;
}

void Round::PasteFrom(const ClipboardText& clip) {
  // Hcp, Strokes, EventIDs and the totals are the target's own and stay.
  for (const Key key : {Key::Player, Key::PlayerID, Key::Course, Key::CourseID, Key::Event,
                        Key::EventID, Key::Date, Key::Start, Key::Score, Key::Greens, Key::Fairways,
                        Key::Putts, Key::CPar, Key::CHcp, Key::CLen, Key::Stats})
    ReadField(NameOf(key), clip.Value(NameOf(key)));
  CachedCourseColor = 0;
}

int Round::Points(int hole) const {
  return StablefordPoints(CPar.Hole(hole), CHcp.Hole(hole), Strokes, Score.Hole(hole));
}

namespace {
template <class F>
int SumOver(int from, int to, F value) {
  int sum = 0;
  for (int hole = from; hole <= to; ++hole)
    sum += value(hole);
  return sum;
}
}  // namespace

int Round::PointsOut() const {
  return SumOver(1, 9, [this](int h) { return Points(h); });
}

int Round::PointsIn() const {
  return SumOver(10, 18, [this](int h) { return Points(h); });
}

int Round::PointsTotal() const {
  return SumOver(1, 18, [this](int h) { return Points(h); });
}

int Round::LastHolesScore(int n) const {
  return SumOver(kHoles + 1 - std::clamp(n, 0, kHoles), kHoles,
                 [this](int h) { return Score.Hole(h); });
}

int Round::LastHolesPoints(int n) const {
  return SumOver(kHoles + 1 - std::clamp(n, 0, kHoles), kHoles,
                 [this](int h) { return Points(h); });
}

bool Round::InYear(DateTime date) const {
  return date == 0 || DecodeDate(Date).year == DecodeDate(date).year;
}

std::string Round::DateText() const {
  return ShortDateText(Date) + ", " + ShortTimeText(Start);
}

std::string Round::Summary() const {
  return ID + "," + PlayerName + "," + CourseName + "," + EventName;
}

const Player* Round::PlayerOf(const PlayerList& players) const {
  return players.FindRecord(PlayerID);
}

ColorValue Round::CourseColor(const CourseList& courses, const AppSettings& settings) {
  if (CachedCourseColor != 0) return CachedCourseColor;
  // A course without a colour of its own shows the default, as LenColorOf gives it.
  const Course* course = courses.FindRecord(CourseID);
  ColorValue color = course ? course->LenColor : 0;
  if (color == 0 && course) color = ColorFromText(course->LenRGB);
  if (color == 0) color = settings.Value(ColorKey::Len);
  CachedCourseColor = color;
  return color;
}

void Round::Clear() {
  *this = Round();
  Date = 1.0;
}

Status RoundList::SaveToFile(const std::string& path) {
  // The whole text is made first: the old file is not touched until there is something to
  // replace it with, and it survives as the backup.
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    Round& round = RecordAt(i);
    if (!round.ShouldSave()) continue;
    if (round.ID.empty()) round.MakeID();
    round.PrepareSave();
    text += SectionText(round.ID, round.FileKeys());
  }
  return WithFileLock(path, [&] {
    if (FileExists(path)) {
      if (Status status = CopyFile(path, BackupPath(path)); !status) return status;
    }
    return WriteFileAtomically(path, text);
  });
}

std::string BackupPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot > nameStart;
  return path.substr(0, hasExtension ? dot : path.size()) + ".bak";
}

RoundList& Rounds() {
  static RoundList list;
  return list;
}

}  // namespace cardwise
