#include "records/course.h"

#include "platform/codepage.h"
#include "records/numbers.h"
#include "settings/settings.h"

namespace cardwise {

namespace {

constexpr std::size_t kMaxColorText = 9;

void AddIfSet(std::vector<KeyValue>& keys, const char* key, const std::string& value) {
  if (!value.empty()) keys.emplace_back(key, value);
}

void AddRow(std::vector<KeyValue>& keys, const char* key, const Result& row) {
  if (!row.IsEmpty()) keys.emplace_back(key, row.AsText());
}

}  // namespace

FieldResult ReadDecimalField(std::string_view value, float& number) {
  const std::optional<float> parsed = ParseSingle(value);
  number = parsed.value_or(0);
  return parsed || value.empty() ? FieldResult::Ok() : FieldResult::Bad("not a number");
}

FieldResult ReadDateField(std::string_view value, DateTime& date) {
  const std::optional<DateTime> parsed = ParseDate(value);
  if (!parsed) return FieldResult::Bad("not a date");
  date = *parsed;
  return FieldResult::Ok();
}

FieldResult ReadHoleRow(std::string_view value, Result& row) {
  // The row is replaced as a whole; only a total read from its own key survives.
  const std::int16_t stored = row.StoredTotal;
  row.Clear();
  row.StoredTotal = stored;
  row.FromText(value, 1, ',');
  // Digits, "+", ",", "-" and spaces. The test runs over every character without stopping
  // early, which the compiler turns into a few wide steps per line.
  bool bad = false;
  for (const char c : value) {
    const auto u = static_cast<unsigned char>(c);
    bad |= !(static_cast<unsigned char>(u - '0') <= 9 || static_cast<unsigned char>(u - '+') <= 2 ||
             u == ' ');
  }
  return bad ? FieldResult::Bad("not a hole list") : FieldResult::Ok();
}

FieldResult Course::ReadField(std::string_view key, std::string_view value) {
  if (key == "ID")
    ID = value;
  else if (key == "Course")
    Name = value;
  else if (key == "Alias")
    Alias = value;
  else if (key == "Phone")
    Phone = value;
  else if (key == "Tee")
    Tee = value;
  else if (key == "LenRGB")
    LenRGB = value.substr(0, kMaxColorText);
  else if (key == "URL")
    URL = value;
  else if (key == "CR")
    return ReadDecimalField(value, CR);
  else if (key == "Slope")
    return ReadDecimalField(value, Slope);
  else if (key == "Changed")
    return ReadDateField(value, Changed);
  else if (key == "Par")
    return ReadHoleRow(value, Par);
  else if (key == "Hcp")
    return ReadHoleRow(value, Hcp);
  else if (key == "Len")
    return ReadHoleRow(value, Len);
  else
    return FieldResult::Unknown();
  return FieldResult::Ok();
}

void Course::Complete() {
  LenColor = ColorFromText(LenRGB);
}

void Course::MakeID() {
  if (!ID.empty()) return;
  const std::vector<std::string_view> words = SplitWords(Name);
  if (words.empty()) return;
  ID = words[0].substr(0, 4);
  for (std::size_t i = 1; i < words.size() && i < 4; ++i)
    ID += words[i].front();
}

void Course::PrepareSave() {
  if (LenColor != 0) LenRGB = ColorText(LenColor);
  ID = UpperCase(ID);
}

std::vector<KeyValue> Course::FileKeys() const {
  std::vector<KeyValue> keys{{"ID", UpperCase(ID)}};
  AddIfSet(keys, "Course", Name);
  AddIfSet(keys, "Alias", Alias);
  AddIfSet(keys, "Phone", Phone);
  AddIfSet(keys, "Tee", Tee);
  AddIfSet(keys, "LenRGB", LenRGB);
  AddIfSet(keys, "URL", URL);
  if (CR != 0) keys.emplace_back("CR", FormatOneDecimal(CR));
  if (Slope != 0) keys.emplace_back("Slope", FormatOneDecimal(Slope));
  if (Changed != 0) keys.emplace_back("Changed", ShortDateText(Changed));
  AddRow(keys, "Par", Par);
  AddRow(keys, "Hcp", Hcp);
  AddRow(keys, "Len", Len);
  return keys;
}

std::vector<KeyValue> Course::ClipboardKeys() const {
  return FileKeys();
}

void Course::ReloadFrom(const IniFile& file, const std::string& section) {
  const auto read = [&](const char* key, std::string_view fallback) {
    ReadField(key, file.ReadString(section, key, fallback));
  };
  for (const char* key : {"ID", "Course", "Alias", "Tee", "LenRGB", "Par", "Hcp", "Len"})
    read(key, "");
  read("Phone", Phone);
  read("URL", URL);
  read("CR", "0");
  read("Slope", "0");
  read("Changed", "");  // an empty date reads as today
  Complete();
}

void Course::PasteFrom(const ClipboardText& clip) {
  for (const char* key :
       {"Course", "Alias", "CR", "Slope", "Phone", "URL", "Tee", "LenRGB", "Par", "Hcp", "Len"})
    ReadField(key, clip.Value(key));
  if (const std::string changed = clip.Value("Changed"); !changed.empty())
    ReadField("Changed", changed);
  // The pasted colour replaces the old one; otherwise the next save would write the old colour
  // back over the pasted text.
  Complete();
}

bool Course::MatchesName(std::string_view name) const {
  if (name.empty()) return false;
  return SameText(Name, name) || UpperCase(Alias).find(UpperCase(name)) != std::string::npos;
}

ColorValue Course::LenColorOf(const AppSettings& settings) {
  if (LenColor == 0) LenColor = ColorFromText(LenRGB);
  if (LenColor == 0) LenColor = settings.Value(ColorKey::Len);
  return LenColor;
}

std::string Course::RatingText() const {
  std::string text;
  if (CR > 0) text = "CR=" + FormatOneDecimal(CR);
  if (Slope > 0) text += " Slope=" + std::to_string(RoundHalfEven(Slope));
  return text;
}

void Course::Clear() {
  *this = Course();
}

std::string ColorText(ColorValue color) {
  return ColorToHtml(color);
}

ColorValue ColorFromText(std::string_view text) {
  return HtmlToColor(text);
}

CourseList& Courses() {
  static CourseList list;
  return list;
}

}  // namespace cardwise
