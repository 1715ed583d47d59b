#include "settings/settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/user_store.h"

namespace cardwise {
namespace {

constexpr std::array<const char*, kColorCount> kColorKeyNames = {
    "Score-2", "Score-1", "Score0", "Score1", "Score2", "Score3", "Tot-1",
    "Tot0",    "Tot1",    "Len",    "Back",   "Green",  "Total"};
constexpr std::array<const char*, kColorCount> kColorDefaults = {
    "#ff5555", "#ffaaaa", "#dddddd", "#bbbbff", "#8888ff", "#4444ff", "#880000",
    "#000000", "#000088", "#eeee00", "#eeeeee", "#55ee55", "#eeeeaa"};
constexpr std::array<const char*, kWindowCount> kWindowPrefixes = {
    "Main", "Player", "Course", "Event", "Tour", "Round", "Setup", "Html"};

// Colour texts are fixed-size fields in the file format; a longer value is cut, not rejected.
constexpr std::size_t kColorTextMax = 9;

constexpr char kColors[] = "Colors";
constexpr char kSetUp[] = "SetUp";
constexpr char kHeadings[] = "Html-Headings";
constexpr char kWeb[] = "Web";
constexpr char kPrint[] = "Print";
constexpr char kStoreKey[] = "cardwise";
constexpr char kCustomColorsKey[] = "CustomColors";

struct TextField {
  const char* Section;
  const char* Key;
  std::string AppSettings::*Field;
};
// The plain texts of sections "Dirs", "Files" and "HTML", in the order they are written.
constexpr TextField kTextFields[] = {
    {"Dirs", "DataDir", &AppSettings::DataDir},
    {"Dirs", "TemplateDir", &AppSettings::TemplateDir},
    {"Dirs", "HtmlRootDir", &AppSettings::HtmlRootDir},
    {"Dirs", "PlayerDir", &AppSettings::PlayerDir},
    {"Dirs", "CourseDir", &AppSettings::CourseDir},
    {"Files", "PlayerFName", &AppSettings::PlayerFName},
    {"Files", "CourseFName", &AppSettings::CourseFName},
    {"Files", "EventFName", &AppSettings::EventFName},
    {"Files", "TourFName", &AppSettings::TourFName},
    {"Files", "RoundFName", &AppSettings::RoundFName},
    {"Files", "KnockoutFName", &AppSettings::KnockoutFName},
    {"Files", "StdHeader", &AppSettings::StdHeader},
    {"Files", "StdFooter", &AppSettings::StdFooter},
    {"HTML", "RobotRounds", &AppSettings::RobotRounds},
    {"HTML", "RobotIndex", &AppSettings::RobotIndex},
    {"HTML", "EmailOwner", &AppSettings::EmailOwner},
    {"HTML", "Author", &AppSettings::Author},
};

struct IntField {
  const char* Key;
  int AppSettings::*Field;
};
constexpr IntField kIntFields[] = {
    {"RoundsForParHead", &AppSettings::RoundsForParHead},
    {"RoundsForRankHead", &AppSettings::RoundsForRankHead},
    {"MaxTourMerits", &AppSettings::MaxTourMerits},
    {"MaxEventMerits", &AppSettings::MaxEventMerits},
    {"nStatList", &AppSettings::nStatList},
};

struct FlagField {
  const char* Name;
  bool AppSettings::*Field;
};
// The flags of the per-user store, in the order they are written.
constexpr FlagField kFlags[] = {
    {"UseLongFileNames", &AppSettings::UseLongFileNames},
    {"CopyInFooter", &AppSettings::CopyInFooter},
    {"AllPlayers", &AppSettings::AllPlayers},
    {"AllCourses", &AppSettings::AllCourses},
    {"AllRounds", &AppSettings::AllRounds},
    {"AllEvents", &AppSettings::AllEvents},
    {"AllTours", &AppSettings::AllTours},
    {"PublishAfterMake", &AppSettings::PublishAfterMake},
};

// A whole decimal number with an optional sign and nothing else; false leaves `value` alone.
bool ParseInteger(std::string_view text, int& value) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  int parsed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, parsed);
  if (error != std::errc() || stop != end || text.empty()) return false;
  value = parsed;
  return true;
}

// A number of days as the settings file holds it; "," is accepted as the decimal separator
// because files written under a comma locale carry one.
bool ParseDays(std::string text, float& value) {
  std::replace(text.begin(), text.end(), ',', '.');
  std::string_view digits(text);
  if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
  float parsed = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, parsed);
  if (error != std::errc() || stop != end || digits.empty() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}

// Fixed point with five decimals and "." whatever the locale (e.g. "0.00139"); such a text is
// never shorter than the six characters the format asks for.
std::string FormatDays(float days) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, days, std::chars_format::fixed, 5);
  if (error != std::errc()) return "0.00000";
  return std::string(buffer, end);
}

// ----- reading the settings file -----

void ReadColors(const IniFile& ini, AppSettings& settings) {
  for (std::size_t i = 0; i < kColorCount; ++i) {
    std::string text = ini.ReadString(kColors, kColorKeyNames[i], settings.ColorText[i]);
    if (text.size() > kColorTextMax) text.resize(kColorTextMax);
    settings.ColorText[i] = std::move(text);
  }
}

void ReadTexts(const IniFile& ini, AppSettings& settings) {
  for (const TextField& field : kTextFields) {
    std::string& target = settings.*field.Field;
    target = ini.ReadString(field.Section, field.Key, target);
  }
}

void ReadSetUp(const IniFile& ini, AppSettings& settings) {
  int icons = 0;
  if (ParseInteger(ini.ReadString(kSetUp, "TrueColorIcons", ""), icons)) {
    settings.TrueColorIcons = icons != 0;
  }
  settings.TourEventPrefix = ini.ReadString(kSetUp, "TourEventPrefix", settings.TourEventPrefix);
  for (const IntField& field : kIntFields) {
    ParseInteger(ini.ReadString(kSetUp, field.Key, ""), settings.*field.Field);
  }
  const std::string days = ini.ReadString(kSetUp, "UpdateIfOlder", "");
  if (!days.empty()) ParseDays(days, settings.UpdateIfOlder);
}

void ReadCaptions(const IniFile& ini, AppSettings& settings) {
  for (Caption id : CaptionFileOrder()) {
    const CaptionEntry& entry = CaptionTable()[static_cast<std::size_t>(id)];
    settings.Captions.SetText(id, ini.ReadString(kHeadings, entry.Key, settings.CaptionText(id)));
  }
}

// A switch of section "Web": a whole number, 0 for off (any other number is on); a text that is
// not a number leaves the default.
void ReadSwitch(const IniFile& ini, const char* key, bool& value) {
  int number = 0;
  if (ParseInteger(ini.ReadString(kWeb, key, ""), number)) value = number != 0;
}

// Section "Web": publishing the site, the handicap page, the players' contact details and the
// charts.
void ReadWeb(const IniFile& ini, AppSettings& settings) {
  settings.PublishTo = ini.ReadString(kWeb, "PublishTo", settings.PublishTo);
  ReadSwitch(ini, "PublishDelete", settings.PublishDelete);
  ReadSwitch(ini, "HandicapPage", settings.HandicapPage);
  ReadSwitch(ini, "PublishContacts", settings.PublishContacts);
  ReadSwitch(ini, "Charts", settings.Charts);
  if (std::string language = ini.ReadString(kWeb, "Language", ""); IsLanguageTag(language))
    settings.Language = std::move(language);
}

// Section "Print": the paper of the scorecards; a paper the program does not know is A4.
void ReadPrint(const IniFile& ini, AppSettings& settings) {
  const std::string paper = ini.ReadString(kPrint, "Paper", settings.Paper);
  settings.Paper = SameText(paper, "Letter") ? "Letter" : "A4";
}

// ----- reading the per-user store -----

void ReadWindowPlaces(const UserStore& store, AppSettings& settings) {
  const auto readOne = [&](const std::string& name, std::optional<int>& target) {
    if (!store.ValueExists(kStoreKey, name)) return;
    int value = 0;
    if (ParseInteger(store.ReadString(kStoreKey, name, ""), value)) target = value;
  };
  for (std::size_t i = 0; i < kWindowCount; ++i) {
    readOne(std::string(kWindowPrefixes[i]) + "Left", settings.Windows[i].Left);
    readOne(std::string(kWindowPrefixes[i]) + "Top", settings.Windows[i].Top);
  }
}

void ReadFlags(const UserStore& store, AppSettings& settings) {
  for (const FlagField& flag : kFlags) {
    bool& target = settings.*flag.Field;
    target = store.ReadBool(kStoreKey, flag.Name, target);
  }
}

void ReadCustomColors(const UserStore& store, AppSettings& settings) {
  settings.CustomColors.clear();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string name = std::string("Color") + letter;
    if (!store.ValueExists(kCustomColorsKey, name)) break;
    settings.CustomColors.push_back(name + "=" + store.ReadString(kCustomColorsKey, name, ""));
  }
}

Status ReadStore(const std::string& path, AppSettings& settings) {
  UserStore store(path);
  if (Status status = store.Open(); !status) return status;
  ReadWindowPlaces(store, settings);
  ReadFlags(store, settings);
  ReadCustomColors(store, settings);
  return Status::Ok();
}

// ----- writing the settings file -----

void WriteSetUp(IniFile& ini, const AppSettings& settings) {
  ini.WriteString(kSetUp, "1", "Check helpfile for the settings");
  ini.WriteString(kSetUp, "TrueColorIcons", settings.TrueColorIcons ? "1" : "0");
  ini.WriteString(kSetUp, "TourEventPrefix", settings.TourEventPrefix);
  for (const IntField& field : kIntFields) {
    ini.WriteString(kSetUp, field.Key, std::to_string(settings.*field.Field));
  }
  ini.WriteString(kSetUp, "UpdateIfOlder", FormatDays(settings.UpdateIfOlder));
}

void WriteCaptions(IniFile& ini, const AppSettings& settings) {
  ini.WriteString(kHeadings, "1", "Translate these captions to your language of choice");
  ini.WriteString(kHeadings, "2", "This is all the tags on the web-pages");
  for (Caption id : CaptionFileOrder()) {
    ini.WriteString(kHeadings, CaptionTable()[static_cast<std::size_t>(id)].Key,
                    settings.CaptionText(id));
  }
}

void WriteWeb(IniFile& ini, const AppSettings& settings) {
  ini.WriteString(kWeb, "PublishTo", settings.PublishTo);
  ini.WriteString(kWeb, "PublishDelete", settings.PublishDelete ? "1" : "0");
  ini.WriteString(kWeb, "HandicapPage", settings.HandicapPage ? "1" : "0");
  ini.WriteString(kWeb, "PublishContacts", settings.PublishContacts ? "1" : "0");
  ini.WriteString(kWeb, "Charts", settings.Charts ? "1" : "0");
  ini.WriteString(kWeb, "Language", settings.Language);
}

// A failed Status whose message names `path`.
Status NamingFile(Status status, const std::string& path) {
  if (status || status.message().find(path) != std::string::npos) return status;
  return Status::ErrorAt(path, 0, status.message());
}

// Every key the settings file holds, written into the document.
void WriteSettingsKeys(IniFile& ini, const AppSettings& settings) {
  for (const TextField& field : kTextFields)
    ini.WriteString(field.Section, field.Key, settings.*field.Field);
  for (std::size_t i = 0; i < kColorCount; ++i)
    ini.WriteString(kColors, kColorKeyNames[i], settings.ColorText[i]);
  WriteSetUp(ini, settings);
  WriteCaptions(ini, settings);
  WriteWeb(ini, settings);
  ini.WriteString(kPrint, "Paper", settings.Paper);
}

Status WriteSettingsFile(const std::string& path, const AppSettings& settings) {
  // On a first start the folder of the settings file does not exist yet.
  const std::string folder = DirectoryOf(path);
  if (Status status = CreateDirectories(folder); !folder.empty() && !status) {
    return NamingFile(status, path);
  }
  // The file is read first so that every line this record does not own survives; an unreadable
  // file is left alone rather than replaced by a file holding only our keys.
  return NamingFile(IniUpdate(path, [&](IniFile& ini) { WriteSettingsKeys(ini, settings); }), path);
}

// ----- writing the per-user store -----

void WriteWindowPlaces(UserStore& store, const AppSettings& settings) {
  for (std::size_t i = 0; i < kWindowCount; ++i) {
    const WindowPlace& place = settings.Windows[i];
    const std::string prefix = kWindowPrefixes[i];
    if (place.Left) store.WriteInteger(kStoreKey, prefix + "Left", *place.Left);
    if (place.Top) store.WriteInteger(kStoreKey, prefix + "Top", *place.Top);
  }
}

void WriteCustomColors(UserStore& store, const AppSettings& settings) {
  for (const std::string& line : settings.CustomColors) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0) continue;  // not a "name=value" line
    store.WriteString(kCustomColorsKey, line.substr(0, equals), line.substr(equals + 1));
  }
}

Status WriteStore(const std::string& path, const AppSettings& settings) {
  UserStore store(path);
  if (Status status = store.Open(); !status) return NamingFile(status, path);
  WriteWindowPlaces(store, settings);
  for (const FlagField& flag : kFlags)
    store.WriteBool(kStoreKey, flag.Name, settings.*flag.Field);
  WriteCustomColors(store, settings);
  return NamingFile(store.Close(), path);
}

}  // namespace

const char* ColorKeyName(ColorKey key) {
  return kColorKeyNames[static_cast<std::size_t>(key)];
}

const char* WindowKeyPrefix(WindowId id) {
  return kWindowPrefixes[static_cast<std::size_t>(id)];
}

AppSettings::AppSettings() {
  ResetColors(*this);
  ColorsFromText(*this);
  SetDefaultFolders(*this);
}

bool IsLanguageTag(std::string_view text) {
  const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  bool first = true;
  while (true) {
    const std::string_view part = text.substr(0, text.find('-'));
    const bool fits = std::all_of(part.begin(), part.end(),
                                  [&](char c) { return isLetter(c) || (!first && isDigit(c)); });
    if (!fits || part.size() < (first ? 2u : 1u) || part.size() > 8) return false;
    if (part.size() == text.size()) return true;
    text.remove_prefix(part.size() + 1);
    first = false;
  }
}

ColorKey ScoreColorKey(int differenceToPar) {
  return static_cast<ColorKey>(static_cast<int>(ColorKey::Score0) +
                               std::clamp(differenceToPar, -2, 3));
}

ColorKey TotColorKey(int difference) {
  return static_cast<ColorKey>(static_cast<int>(ColorKey::Tot0) + std::clamp(difference, -1, 1));
}

const std::string& AppSettings::ScoreColor(int differenceToPar) const {
  return Color(ScoreColorKey(differenceToPar));
}

const std::string& AppSettings::TotColor(int difference) const {
  return Color(TotColorKey(difference));
}

AppSettings& Settings() {
  static AppSettings settings;
  return settings;
}

void SetDefaultFolders(AppSettings& settings) {
  const std::string home = DefaultDataHome();
  settings.DataDir = home + "Data/";
  settings.TemplateDir = home + "Template/";
  settings.HtmlRootDir = home + "Web-Docs/";
}

void ResetColors(AppSettings& settings) {
  std::copy(kColorDefaults.begin(), kColorDefaults.end(), settings.ColorText.begin());
}

void ColorsFromText(AppSettings& settings) {
  for (std::size_t i = 0; i < kColorCount; ++i) {
    settings.ColorValues[i] = HtmlToColor(settings.ColorText[i]);
  }
}

void ColorsToText(AppSettings& settings) {
  for (std::size_t i = 0; i < kColorCount; ++i) {
    settings.ColorText[i] = ColorToHtml(settings.ColorValues[i]);
  }
}

Status LoadSettings(AppSettings& settings, const SettingsPaths& paths) {
  // The file and the store are independent: a fault in one does not keep the other from
  // being applied; the first fault is reported.
  IniFile ini;
  Status fileStatus = NamingFile(ini.Load(paths.SettingsFile), paths.SettingsFile);
  if (fileStatus) {
    ReadColors(ini, settings);
    ReadTexts(ini, settings);
    ReadSetUp(ini, settings);
    ReadCaptions(ini, settings);
    ReadWeb(ini, settings);
    ReadPrint(ini, settings);
  }
  ColorsFromText(settings);
  Status storeStatus = NamingFile(ReadStore(paths.UserStore, settings), paths.UserStore);
  return fileStatus ? storeStatus : fileStatus;
}

std::string SettingsFileText(const AppSettings& settings) {
  IniFile ini;
  WriteSettingsKeys(ini, settings);
  return ini.Text();
}

Status SaveSettings(AppSettings& settings, const SettingsPaths& paths) {
  ColorsToText(settings);
  Status fileStatus = WriteSettingsFile(paths.SettingsFile, settings);
  Status storeStatus = WriteStore(paths.UserStore, settings);
  return fileStatus ? storeStatus : fileStatus;
}

}  // namespace cardwise
