#include "settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

class SettingsFileTest : public ::testing::Test {
 protected:
  static constexpr const char* kIni = "config/cardwise/cardwise.ini";
  static constexpr const char* kStore = "config/Hollowfen/cardwise.ini";

  TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", dir.File("config").c_str()};
  ScopedEnv data{"XDG_DATA_HOME", dir.File("data").c_str()};
  ScopedEnv ini{"CARDWISE_INI", nullptr};
  SettingsPaths paths = ResolveSettingsPaths("");

  TSettings Loaded() const {
    TSettings settings;
    const Status status = LoadSettings(settings, paths);
    EXPECT_TRUE(status) << status.message();
    return settings;
  }
  void Save(TSettings& settings) const {
    const Status status = SaveSettings(settings, paths);
    EXPECT_TRUE(status) << status.message();
  }
  // The section's lines as "key=value;key=value;...".
  std::string Joined(const char* file, const char* section) const {
    std::string joined;
    for (const auto& [key, value] : IniFile(dir.Read(file)).ReadSection(section)) {
      joined += key + "=" + value + ";";
    }
    return joined;
  }
  std::string Saved(const char* section, const char* key) const {
    return IniFile(dir.Read(kIni)).ReadString(section, key, "<absent>");
  }
};

TEST_F(SettingsFileTest, FirstStartRunsOnDefaultsAndSavesACompleteFile) {
  ASSERT_EQ(paths.SettingsFile, dir.File(kIni));
  ASSERT_EQ(paths.UserStore, dir.File(kStore));
  TSettings settings = Loaded();
  EXPECT_EQ(settings.Color(ColorKey::Score_2), "#ff5555");
  EXPECT_EQ(settings.Value(ColorKey::Score_2), 0x5555ffu);
  EXPECT_EQ(settings.HtmlRootDir, dir.File("data/cardwise/Web-Docs/"));
  EXPECT_EQ(DefaultDemoWebRoot(), dir.File("data/cardwise/Web-Demo/"));
  EXPECT_FLOAT_EQ(settings.UpdateIfOlder, 1.0f / 720.0f);
  for (const WindowPlace& place : settings.Windows)
    EXPECT_FALSE(place.Left || place.Top);
  Save(settings);

  const std::string text = dir.Read(kIni);
  std::vector<std::size_t> sectionStarts;
  for (const char* name :
       {"[Dirs]", "[Files]", "[HTML]", "[Colors]", "[SetUp]", "[Html-Headings]"}) {
    sectionStarts.push_back(text.find(name));
  }
  EXPECT_TRUE(std::is_sorted(sectionStarts.begin(), sectionStarts.end()));
  EXPECT_NE(sectionStarts.back(), std::string::npos);

  const std::string home = dir.File("data/cardwise/");
  const std::pair<const char*, std::string> sections[] = {
      {"Dirs", "DataDir=" + home + "Data/;TemplateDir=" + home + "Template/;HtmlRootDir=" + home +
                   "Web-Docs/;PlayerDir=players;CourseDir=courses;"},
      {"Files",
       "PlayerFName=PLAYERS.DAT;CourseFName=COURSES.DAT;EventFName=EVENTS.DAT;"
       "TourFName=TOURS.DAT;RoundFName=ROUNDS.DAT;StdHeader=;StdFooter=;"},
      {"HTML", "RobotRounds=ALL;RobotIndex=ALL;EmailOwner=;Author=;"},
      {"Colors",
       "Score-2=ff5555;Score-1=ffaaaa;Score0=dddddd;Score1=bbbbff;Score2=8888ff;Score3=4444ff;"
       "Tot-1=880000;Tot0=000000;Tot1=000088;Len=eeee00;Back=eeeeee;Green=55ee55;Total=eeeeaa;"},
      {"SetUp",
       "1=Check helpfile for the settings;TrueColorIcons=0;TourEventPrefix=Z;"
       "RoundsForParHead=8;RoundsForRankHead=4;MaxTourMerits=6;MaxEventMerits=3;nStatList=2;"
       "UpdateIfOlder=0.00139;"},
  };
  for (const auto& [name, keys] : sections)
    EXPECT_EQ(Joined(kIni, name), keys) << name;

  std::string headings =
      "1=Translate these captions to your language of choice;"
      "2=This is all the tags on the web-pages;";
  for (Caption id : CaptionFileOrder()) {
    const CaptionEntry& entry = CaptionTable()[static_cast<std::size_t>(id)];
    headings += std::string(entry.Key) + "=" + entry.Default + ";";
  }
  EXPECT_EQ(Joined(kIni, "Html-Headings"), headings);
  EXPECT_EQ(Joined(kStore, "cardwise"),
            "UseLongFileNames=0;CopyInFooter=0;AllPlayers=0;AllCourses=0;AllRounds=0;AllEvents=0;"
            "AllTours=0;");
}

TEST_F(SettingsFileTest, EveryKindOfFieldSurvivesARoundTrip) {
  TSettings settings;
  settings.ColorValues[static_cast<int>(ColorKey::Green)] = 0x123456;
  settings.DataDir = "/srv/golf";  // no trailing slash: used unchanged
  settings.CourseDir = "banor";
  settings.StdFooter = "foot.htm";
  settings.Author = "A. Golfer";
  settings.TrueColorIcons = true;
  settings.TourEventPrefix = "T";
  settings.nStatList = -4;
  settings.MaxTourMerits = 12;
  settings.UpdateIfOlder = 0.25f;
  settings.Captions.SetText(Caption::PlayerIndex, "Spelare <I>index</I>");
  settings.Windows[static_cast<int>(WindowId::Html)] = {-20, 300};
  settings.Windows[static_cast<int>(WindowId::Player)].Top = 5;
  settings.AllCourses = settings.CopyInFooter = true;
  settings.CustomColors = {"ColorA=ffffff", "ColorB=00ff00"};
  Save(settings);

  // A record loaded from those files and saved elsewhere writes the very same files.
  TSettings loaded = Loaded();
  const SettingsPaths copy{dir.File("copy/cardwise.ini"), dir.File("copy/store.ini")};
  ASSERT_TRUE(SaveSettings(loaded, copy));
  EXPECT_EQ(dir.Read("copy/cardwise.ini"), dir.Read(kIni));
  EXPECT_EQ(dir.Read("copy/store.ini"), dir.Read(kStore));

  EXPECT_EQ(loaded.Color(ColorKey::Green), "563412");
  EXPECT_EQ(loaded.DataDir, "/srv/golf");
  EXPECT_FLOAT_EQ(loaded.UpdateIfOlder, 0.25f);
  EXPECT_EQ(loaded.CaptionText(Caption::PlayerIndex), "Spelare <I>index</I>");
  EXPECT_EQ(loaded.Windows[static_cast<int>(WindowId::Html)].Left, -20);
  EXPECT_EQ(loaded.Windows[static_cast<int>(WindowId::Player)].Left, std::nullopt);
  EXPECT_TRUE(loaded.AllCourses && loaded.CopyInFooter && !loaded.AllTours);
  EXPECT_EQ(loaded.CustomColors, settings.CustomColors);
}

TEST_F(SettingsFileTest, SaveKeepsForeignLinesAndReplacesKeysInPlace) {
  dir.Write(kIni,
            "; my notes\r\n[Dirs]\r\nDataDir=/old/\r\nMine=1\r\n\r\n"
            "[DemoUnload]\r\nRound=MY.DAT\r\nHtmlRootDir=/web/\r\n\r\n[Plugin]\r\nx=y\r\n");
  TSettings settings = Loaded();
  EXPECT_EQ(settings.DataDir, "/old/");
  settings.DataDir = "/new/";
  Save(settings);

  const std::string text = dir.Read(kIni);
  EXPECT_EQ(text.rfind("; my notes\r\n[Dirs]\r\nDataDir=/new/\r\nMine=1\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("[DemoUnload]\r\nRound=MY.DAT\r\nHtmlRootDir=/web/\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Plugin]\r\nx=y\r\n"), std::string::npos);
  EXPECT_EQ(text.find("DataDir", text.find("DataDir") + 1), std::string::npos);
}

TEST_F(SettingsFileTest, ColourTextsAreCutToNineAndWrittenWithoutHash) {
  struct Case {
    const char* inFile;
    const char* loadedText;
    ColorValue value;
    const char* written;
  };
  const Case cases[] = {
      {"#1A2b3C", "#1A2b3C", 0x3c2b1a, "1a2b3c"},
      {"1a2b3c", "1a2b3c", 0x3c2b1a, "1a2b3c"},
      {"#123456789abc", "#12345678", 0x563412, "123456"},
      {"", "", 0, "000000"},
  };
  for (const Case& c : cases) {
    dir.Write(kIni, std::string("[Colors]\r\nLen=") + c.inFile + "\r\n");
    TSettings settings = Loaded();
    EXPECT_EQ(settings.Color(ColorKey::Len), c.loadedText);
    EXPECT_EQ(settings.Value(ColorKey::Len), c.value);
    EXPECT_EQ(settings.Color(ColorKey::Back), "#eeeeee");  // absent keys keep the default
    Save(settings);
    EXPECT_EQ(Saved("Colors", "Len"), c.written);
  }
}

TEST_F(SettingsFileTest, SetUpValuesThatDoNotParseKeepTheDefault) {
  struct Case {
    const char* line;
    int parHead;
    bool icons;
    float days;
    const char* writtenDays;
  };
  const float twoMinutes = 1.0f / 720.0f;
  const Case cases[] = {
      {"RoundsForParHead=12", 12, false, twoMinutes, "0.00139"},
      {"RoundsForParHead= +7 ", 7, false, twoMinutes, "0.00139"},
      {"RoundsForParHead=abc", 8, false, twoMinutes, "0.00139"},
      {"RoundsForParHead=3.5", 8, false, twoMinutes, "0.00139"},
      {"RoundsForParHead=99999999999", 8, false, twoMinutes, "0.00139"},
      {"RoundsForParHead=", 8, false, twoMinutes, "0.00139"},
      {"TrueColorIcons=1", 8, true, twoMinutes, "0.00139"},
      {"TrueColorIcons=2", 8, true, twoMinutes, "0.00139"},
      {"TrueColorIcons=yes", 8, false, twoMinutes, "0.00139"},
      {"UpdateIfOlder=0,5", 8, false, 0.5f, "0.50000"},
      {"UpdateIfOlder=1e-3", 8, false, 0.001f, "0.00100"},
      {"UpdateIfOlder=", 8, false, twoMinutes, "0.00139"},
      {"UpdateIfOlder=soon", 8, false, twoMinutes, "0.00139"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    dir.Write(kIni, std::string("[SetUp]\r\n") + c.line + "\r\n");
    TSettings settings = Loaded();
    EXPECT_EQ(settings.RoundsForParHead, c.parHead);
    EXPECT_EQ(settings.TrueColorIcons, c.icons);
    EXPECT_FLOAT_EQ(settings.UpdateIfOlder, c.days);
    Save(settings);
    EXPECT_EQ(Saved("SetUp", "UpdateIfOlder"), c.writtenDays);
  }
}

TEST_F(SettingsFileTest, CaptionsAreReadFromTheirKeys) {
  dir.Write(kIni, "[Html-Headings]\r\nPlayer=Spelare\r\nStats=ignored\r\nscorecard=Kort\r\n");
  const TSettings settings = Loaded();
  EXPECT_EQ(settings.CaptionText(Caption::Player), "Spelare");
  EXPECT_EQ(settings.CaptionText(Caption::ScoreCard), "Kort");
  EXPECT_EQ(settings.CaptionText(Caption::Stats), "Stats");  // fixed: has no key
  EXPECT_EQ(settings.CaptionText(Caption::PlayerInfo), "Player Info:");
}

TEST_F(SettingsFileTest, StoreValuesSetOnlyWhatExists) {
  dir.Write(kStore,
            "[cardwise]\r\nMainLeft=10\r\nPlayerTop=-5\r\nCourseLeft=abc\r\nAllRounds=-1\r\n"
            "[CustomColors]\r\nColorA=a\r\nColorB=b\r\nColorC=c\r\nColorD=d\r\nColorE=e\r\n"
            "ColorF=f\r\nColorH=h\r\n");
  TSettings settings;
  settings.Windows[static_cast<int>(WindowId::Html)].Left = 7;
  settings.AllTours = true;
  settings.CustomColors = {"ColorZ=stale"};
  ASSERT_TRUE(LoadSettings(settings, paths));

  const auto& w = settings.Windows;
  EXPECT_EQ(w[static_cast<int>(WindowId::Main)].Left, 10);
  EXPECT_EQ(w[static_cast<int>(WindowId::Player)].Top, -5);
  EXPECT_EQ(w[static_cast<int>(WindowId::Course)].Left, std::nullopt);
  EXPECT_EQ(w[static_cast<int>(WindowId::Html)].Left, 7);
  EXPECT_TRUE(settings.AllRounds);
  EXPECT_TRUE(settings.AllTours);  // absent: unchanged
  EXPECT_EQ(settings.CustomColors, (std::vector<std::string>{"ColorA=a", "ColorB=b", "ColorC=c",
                                                             "ColorD=d", "ColorE=e", "ColorF=f"}));
}

TEST_F(SettingsFileTest, EachFlagHasItsOwnStoreName) {
  const std::pair<const char*, bool TSettings::*> flags[] = {
      {"UseLongFileNames", &TSettings::UseLongFileNames},
      {"CopyInFooter", &TSettings::CopyInFooter},
      {"AllPlayers", &TSettings::AllPlayers},
      {"AllCourses", &TSettings::AllCourses},
      {"AllRounds", &TSettings::AllRounds},
      {"AllEvents", &TSettings::AllEvents},
      {"AllTours", &TSettings::AllTours}};
  for (const auto& [name, field] : flags) {
    dir.Write(kStore, std::string("[cardwise]\r\n") + name + "=1\r\n");
    const TSettings settings = Loaded();
    for (const auto& [otherName, otherField] : flags) {
      EXPECT_EQ(settings.*otherField, otherField == field) << name << " set " << otherName;
    }
  }
}

TEST_F(SettingsFileTest, SaveReportsTheFileItCannotWrite) {
  const std::string blocker = dir.Write("plain-file", "x");
  struct Case {
    SettingsPaths paths;
    std::string failing;
  };
  const Case cases[] = {
      {{blocker + "/cardwise.ini", paths.UserStore}, blocker + "/cardwise.ini"},
      {{paths.SettingsFile, blocker + "/store.ini"}, blocker + "/store.ini"},
  };
  for (const Case& c : cases) {
    TSettings settings;
    const Status status = SaveSettings(settings, c.paths);
    EXPECT_FALSE(status);
    EXPECT_NE(status.message().find(c.failing), std::string::npos) << status.message();
  }
  EXPECT_NE(dir.Read(kIni), "");  // a broken store does not keep the settings file from being saved
}

TEST_F(SettingsFileTest, AnUnreadableSettingsFileIsReportedAndLeftAlone) {
  std::filesystem::create_directories(dir.File(kIni));  // exists, but is no file
  dir.Write(kStore, "[cardwise]\r\nAllEvents=1\r\n");
  TSettings settings;
  const Status loaded = LoadSettings(settings, paths);
  EXPECT_FALSE(loaded);
  EXPECT_NE(loaded.message().find(paths.SettingsFile), std::string::npos) << loaded.message();
  EXPECT_TRUE(settings.AllEvents);  // the store is still applied
  EXPECT_FALSE(SaveSettings(settings, paths));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File(kIni)));
}

TEST(SettingsPathsTest, OptionThenVariableThenXdgConfigHome) {
  struct Case {
    const char* option;
    const char* cardwiseIni;
    const char* xdgConfig;
    const char* expected;
  };
  const Case cases[] = {
      {"/opt/my.ini", "/env.ini", "/xdg", "/opt/my.ini"},
      {"", "/env.ini", "/xdg", "/env.ini"},
      {"", "", "/xdg/", "/xdg/cardwise/cardwise.ini"},
      {"", nullptr, "", "/home/golfer/.config/cardwise/cardwise.ini"},
      {"", nullptr, "relative", "/home/golfer/.config/cardwise/cardwise.ini"},
  };
  ScopedEnv home("HOME", "/home/golfer");
  for (const Case& c : cases) {
    ScopedEnv ini("CARDWISE_INI", c.cardwiseIni);
    ScopedEnv config("XDG_CONFIG_HOME", c.xdgConfig);
    EXPECT_EQ(ResolveSettingsPaths(c.option).SettingsFile, c.expected);
  }
}

TEST_F(SettingsFileTest, ScoreAndTotalColoursClampTheDifference) {
  const TSettings settings;
  const std::pair<int, const char*> scores[] = {
      {-9, "#ff5555"}, {-1, "#ffaaaa"}, {0, "#dddddd"}, {12, "#4444ff"}};
  for (const auto& [difference, color] : scores) {
    EXPECT_EQ(settings.ScoreColor(difference), color) << difference;
  }
  const std::pair<int, const char*> totals[] = {{-5, "#880000"}, {0, "#000000"}, {40, "#000088"}};
  for (const auto& [difference, color] : totals) {
    EXPECT_EQ(settings.TotColor(difference), color) << difference;
  }
}

}  // namespace
}  // namespace cardwise
