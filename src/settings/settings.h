#pragma once
// The settings record: folders, data-file names, page options, colours, captions, and the
// values of the per-user store. One process-wide instance (Settings()) is read directly by
// every subsystem; functions here take the record as a parameter so tests can use their own.
//
// LoadSettings reads the settings file and then the per-user store over the built-in defaults;
// SaveSettings writes the whole record back. Keys and sections of the settings file that are
// not named here (among them "DemoUnload") are neither read nor removed.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "settings/captions.h"
#include "settings/colors.h"
#include "settings/settings_paths.h"

namespace cardwise {

// The thirteen colours of section "Colors", in file order.
enum class ColorKey {
  Score_2,
  Score_1,
  Score0,
  Score1,
  Score2,
  Score3,
  Tot_1,
  Tot0,
  Tot1,
  Len,
  Back,
  Green,
  Total,
};
inline constexpr std::size_t kColorCount = 13;
const char* ColorKeyName(ColorKey key);  // "Score-2", ..., "Total"

// The colour of a score's difference to par (clamped to -2..3: eagle .. other), and the total
// font colour of a difference to a reference (clamped to -1..1).
ColorKey ScoreColorKey(int differenceToPar);
ColorKey TotColorKey(int difference);

// The window positions of the per-user store, in its order ("MainLeft", "MainTop", ...).
enum class WindowId { Main, Player, Course, Event, Tour, Round, Setup, Html };
inline constexpr std::size_t kWindowCount = 8;
const char* WindowKeyPrefix(WindowId id);  // "Main", "Player", ...

struct WindowPlace {
  std::optional<int> Left;  // unset until read from the store or set by the window
  std::optional<int> Top;
};

struct AppSettings {
  AppSettings();  // the built-in defaults

  // Section "Colors": texts as written in the file (at most 9 characters) and their values.
  std::array<std::string, kColorCount> ColorText;
  std::array<ColorValue, kColorCount> ColorValues{};

  // Section "Dirs". The three folders end with "/" and are used as plain prefixes.
  std::string DataDir, TemplateDir, HtmlRootDir;
  std::string PlayerDir = "players", CourseDir = "courses";

  // Section "Files".
  std::string PlayerFName = "PLAYERS.DAT", CourseFName = "COURSES.DAT", EventFName = "EVENTS.DAT",
              TourFName = "TOURS.DAT", RoundFName = "ROUNDS.DAT";
  // The knockouts' file, made only when a knockout is made.
  std::string KnockoutFName = "KNOCKOUTS.DAT";
  std::string StdHeader, StdFooter;

  // Section "HTML".
  std::string RobotRounds = "ALL", RobotIndex = "ALL", EmailOwner, Author;

  // Section "SetUp".
  bool TrueColorIcons = false;
  std::string TourEventPrefix = "Z";
  int RoundsForParHead = 8, RoundsForRankHead = 4, MaxTourMerits = 6, MaxEventMerits = 3,
      nStatList = 2;
  float UpdateIfOlder = 1.0f / 720.0f;  // days

  // Section "Html-Headings".
  CaptionTexts Captions;

  // Section "Web": publishing the site (src/web/publish.h). An empty target: publishing is off.
  std::string PublishTo;
  bool PublishDelete = false;  // remove files from the target that the site no longer has
  // Section "Web": HandicapPage makes the site's handicap index page "index/handicaps.htm".
  bool HandicapPage = false;
  // Section "Web": PublishContacts puts the players' phone numbers and e-mail addresses on the
  // pages (the web dialog's "Publish players' contact details"); off, the pages leave them out.
  bool PublishContacts = false;
  // Section "Web": Charts draws the small charts of the player, player-year, course and event
  // pages (src/web/charts.h); off, the pages are as without them.
  bool Charts = true;
  // Section "Web": the language the pages are written in, as a language tag ("en", "sv",
  // "en-GB"); it goes into every page so that a screen reader speaks the page right. A value
  // that is not a language tag is not read (the default stays).
  std::string Language = "en";

  // Section "Print": the paper the scorecards are printed on, "A4" or "Letter" (any other
  // value reads as A4).
  std::string Paper = "A4";

  // The per-user store.
  std::array<WindowPlace, kWindowCount> Windows;
  bool UseLongFileNames = false, CopyInFooter = false, AllPlayers = false, AllCourses = false,
       AllRounds = false, AllEvents = false, AllTours = false;
  bool PublishAfterMake = false;          // the web dialog's "Publish after making pages"
  std::vector<std::string> CustomColors;  // "ColorA=ffffff", ...

  const std::string& Color(ColorKey key) const { return ColorText[static_cast<int>(key)]; }
  ColorValue Value(ColorKey key) const { return ColorValues[static_cast<int>(key)]; }
  // The score colour for a difference to par, clamped to -2..3; the total colour for a
  // difference to the reference, clamped to -1..1.
  const std::string& ScoreColor(int differenceToPar) const;
  const std::string& TotColor(int difference) const;
  const std::string& CaptionText(Caption id) const { return Captions.Text(id); }
};

// The process-wide settings record.
AppSettings& Settings();

// Whether the text is a language tag: a primary language of 2 to 8 letters, then subtags of 1
// to 8 letters or digits, joined by "-" ("en", "sv-SE", "zh-Hant-TW").
bool IsLanguageTag(std::string_view text);

// The built-in folder defaults: DataDir, TemplateDir and HtmlRootDir under DefaultDataHome().
void SetDefaultFolders(AppSettings& settings);

// Puts the thirteen colour texts back to their defaults (texts only).
void ResetColors(AppSettings& settings);
void ColorsFromText(AppSettings& settings);  // texts -> values
void ColorsToText(AppSettings& settings);    // values -> texts

// Reads the settings file (a missing file reads as empty) and then the per-user store.
// Fails only when a file exists but cannot be read, or the store cannot be created.
Status LoadSettings(AppSettings& settings, const SettingsPaths& paths);
// Writes the whole record: the settings file (atomically, keeping its other lines) and the
// per-user store.
Status SaveSettings(AppSettings& settings, const SettingsPaths& paths);
// The keys the settings file holds, as a fresh file of them would read: a fingerprint of every
// setting the file keeps (the colours as their texts stand).
std::string SettingsFileText(const AppSettings& settings);

}  // namespace cardwise
