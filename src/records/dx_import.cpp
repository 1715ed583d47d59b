#include "records/dx_import.h"

#include <algorithm>
#include <limits>

#include "records/dates.h"
#include "records/numbers.h"
#include "records/text.h"

namespace cardwise {

namespace {

// Hole halves: the "...UT" line fills holes 1-9, the "...IN" line holes 10-18.
constexpr int kOutFirst = 1;
constexpr int kInFirst = 10;

// 50 / 100 of a day: the tee time of a round whose score gives no sum.
constexpr double kTeeTimeNumerator = 50.0;
constexpr double kTeeTimeFallbackSum = 100.0;

// A whole number of the file; a text that is not one counts as 0.
std::int16_t Whole(std::string_view value) {
  const int number = WholeNumberOr(value, 0);
  return static_cast<std::int16_t>(std::clamp<int>(number, std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
}

float Decimal(std::string_view value) {
  return ParseSingle(value).value_or(0);
}

// Reads a "...UT" or "...IN" half into the row; false when the key is neither half of `stem`.
bool ReadHalf(std::string_view key, std::string_view stem, std::string_view value, Result& row) {
  if (key.size() != stem.size() + 2 || !key.starts_with(stem)) return false;
  const std::string_view half = key.substr(stem.size());
  if (half == "UT") {
    row.FromText(value, kOutFirst, ' ');
    return true;
  }
  if (half == "IN") {
    row.FromText(value, kInFirst, ' ');
    return true;
  }
  return false;
}

// "Start": "." and "," stand for the time separator; an empty value is midnight (0), and so is a
// value that is no time. A bare hour ("9") is that hour.
DateTime ReadDXTime(std::string_view value) {
  std::string text(value);
  std::replace(text.begin(), text.end(), '.', ':');
  std::replace(text.begin(), text.end(), ',', ':');
  if (const std::optional<DateTime> time = ParseTime(text)) return *time;
  const std::optional<int> hour = ParseWholeNumber(text);
  if (hour && *hour >= 0 && *hour < 24) return EncodeTime(*hour, 0, 0).value_or(0);
  return 0;
}

bool HasContent(std::string_view text) {
  return text.find_first_not_of(" \t\x1A") != std::string_view::npos;
}

}  // namespace

std::vector<DXLine> SplitDXLines(std::string_view bytes) {
  std::vector<DXLine> lines;
  int number = 0;
  while (!bytes.empty()) {
    const std::size_t newline = std::min(bytes.find('\n'), bytes.size());
    std::string_view raw = bytes.substr(0, newline);
    bytes.remove_prefix(std::min(newline + 1, bytes.size()));
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    DXLine line{++number, OemToAnsiText(raw), {}, {}};
    line.Key = Trim(ExtractField(line.Text, 1, '='));
    line.Value = Trim(ExtractField(line.Text, 2, '='));
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> DXImportReport::Messages() const {
  std::vector<std::string> messages;
  if (!Outcome.ok()) messages.push_back(Outcome.message());
  for (const LoadProblem& problem : Problems)
    messages.push_back(FormatLocation(Source, problem.Line, problem.Message) + ": " + problem.Text);
  return messages;
}

FieldResult ReadDXDate(std::string_view value, DateTime& date) {
  const std::optional<DateTime> parsed = ParseDate(NormalizeDXDate(value));
  if (!parsed) return FieldResult::Bad("not a date");
  date = *parsed;
  return FieldResult::Ok();
}

DateTime DXTeeTime(Result& score) {
  const int sum = score.Total() + score.In();
  return kTeeTimeNumerator / (sum != 0 ? sum : kTeeTimeFallbackSum);
}

FieldResult DXCourseReader::Apply(Course& course, std::string_view key,
                                  std::string_view value) const {
  if (key == "Klubb") {
    course.Name = value;
    course.Alias = value;
  } else if (key == "Telefon") {
    course.Phone = value;
  } else if (key == "Slope") {
    course.CR = Decimal(Trim(ExtractField(value, 1, '/')));
    course.Slope = Decimal(Trim(ExtractField(value, 2, '/')));
  } else if (!ReadHalf(key, "Par", value, course.Par) && !ReadHalf(key, "Hcp", value, course.Hcp)) {
    ReadHalf(key, "Gul", value, course.Len);
  }
  return FieldResult::Ok();
}

FieldResult DXPlayerReader::Apply(Player& player, std::string_view key,
                                  std::string_view value) const {
  if (key == "Spelare")
    player.Name = value;
  else if (key == "Hcp")
    player.Hcp = Decimal(value);
  return FieldResult::Ok();
}

FieldResult DXRoundReader::Apply(Round& round, std::string_view key, std::string_view value) const {
  int index = 0;
  if (key == "Spelare") {
    round.PlayerName = value;
    if (Players.FindByName(value, index)) round.PlayerID = Players.RecordAt(index).ID;
  } else if (key == "Hcp") {
    round.Hcp = Decimal(value);
  } else if (key == "Tavling") {
    round.EventName = value;
    if (EventIDByName) round.EventID = EventIDByName(value);
  } else if (key == "Datum") {
    return ReadDXDate(value, round.Date);
  } else if (key == "Bana") {
    round.CourseName = value;
    if (Courses.FindByName(value, index)) {
      const Course& course = Courses.RecordAt(index);
      round.CourseID = course.ID;
      round.CourseName = course.Name;
      round.CHcp.Assign(course.Hcp);
      round.CPar.Assign(course.Par);
      round.CLen.Assign(course.Len);
    }
  } else if (key == "Start") {
    round.Start = ReadDXTime(value);
  } else if (key == "ErhSlag") {
    round.Strokes = Whole(value);
  } else if (key == "Green") {
    round.Greens.SetTotal(Whole(value));
  } else if (key == "Fairway") {
    round.Fairways.SetTotal(Whole(value));
  } else if (key == "Puttar") {
    round.Putts.SetTotal(Whole(value));
  } else {
    ReadHalf(key, "Score", value, round.Score);
  }
  return FieldResult::Ok();
}

bool DXRoundReader::Finish(Round& round) const {
  if (round.Start == 0) round.Start = DXTeeTime(round.Score);
  return true;
}

namespace detail {

Status WriteSections(const std::string& path, const std::vector<SectionWrite>& sections) {
  if (sections.empty()) return Status::Ok();
  const Status status = IniUpdate(path, [&](IniFile& file) { file.ReplaceSections(sections); });
  ShowStatus(sections.back().Name + (status ? " saved." : " not saved."));
  return status;
}

void ReportUnterminated(const std::vector<DXLine>& lines, std::string_view terminator,
                        DXImportReport& report) {
  std::size_t from = lines.size();
  while (from > 0 && lines[from - 1].Text != terminator)
    --from;
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (!HasContent(lines[i].Text)) continue;
    report.Problems.push_back(
        LoadProblem{lines[i].Number, lines[i].Text,
                    "record not ended by \"" + std::string(terminator) + "\", not imported"});
    return;
  }
}

}  // namespace detail

}  // namespace cardwise
