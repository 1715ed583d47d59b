// The settings file and the per-user store, and the colours of the settings.

#include "settings/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

#include "platform/ini_file.h"
#include "settings/colors.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

// The text with every "|" turned into the CR LF line end the settings files are written with.
std::string Crlf(std::string text) {
  for (std::size_t at = 0; (at = text.find('|', at)) != std::string::npos; at += 2)
    text.replace(at, 1, "\r\n");
  return text;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  static constexpr const char* kIni = "config/cardwise/cardwise.ini";
  static constexpr const char* kStore = "config/Hollowfen/cardwise.ini";

  TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", dir.File("config").c_str()};
  ScopedEnv data{"XDG_DATA_HOME", dir.File("data").c_str()};
  ScopedEnv ini{"CARDWISE_INI", nullptr};
  SettingsPaths paths = ResolveSettingsPaths("");

  AppSettings Loaded() const {
    AppSettings settings;
    const Status status = LoadSettings(settings, paths);
    EXPECT_TRUE(status) << status.message();
    return settings;
  }
  void Save(AppSettings& settings) const {
    const Status status = SaveSettings(settings, paths);
    EXPECT_TRUE(status) << status.message();
  }
  std::string Saved(const char* section, const std::string& key) const {
    return IniFile(dir.Read(kIni)).ReadString(section, key, "<absent>");
  }
};

TEST_F(SettingsFileTest, FirstStartRunsOnDefaultsAndSavesACompleteFile) {
  ASSERT_EQ(paths.SettingsFile, dir.File(kIni));
  ASSERT_EQ(paths.UserStore, dir.File(kStore));
  EXPECT_EQ(DefaultDemoWebRoot(), dir.File("data/cardwise/Web-Demo/"));
  AppSettings settings = Loaded();
  Save(settings);

  // The folders below the data home; then every section in its place, and each caption with its
  // default.
  const std::string home = dir.File("data/cardwise/"), text = dir.Read(kIni);
  EXPECT_EQ(text.substr(0, text.find("[Files]")),
            Crlf("[Dirs]|DataDir=" + home + "Data/|TemplateDir=" + home + "Template/|HtmlRootDir=" +
                 home + "Web-Docs/|PlayerDir=players|CourseDir=courses|"));
  std::size_t at = 0;
  for (const char* section :
       {"[Files]", "[HTML]", "[Colors]", "[SetUp]", "[Html-Headings]", "[Web]", "[Print]"}) {
    at = text.find(section, at);
    EXPECT_NE(at, std::string::npos) << section;
  }
  for (Caption id : CaptionFileOrder()) {
    const CaptionEntry& entry = CaptionTable()[static_cast<std::size_t>(id)];
    EXPECT_NE(text.find(std::string(entry.Key) + "=" + entry.Default + "\r\n"), std::string::npos);
  }
  for (std::size_t key = 0; key < kColorCount; ++key)
    EXPECT_EQ(Loaded().Value(ColorKey(key)), AppSettings().Value(ColorKey(key))) << key;
  // No window has a place yet, so none is written.
  EXPECT_EQ(dir.Read(kStore),
            Crlf("[cardwise]|UseLongFileNames=0|CopyInFooter=0|AllPlayers=0|AllCourses=0|"
                 "AllRounds=0|AllEvents=0|AllTours=0|PublishAfterMake=0|"));
}

TEST_F(SettingsFileTest, EveryKindOfFieldSurvivesARoundTrip) {
  AppSettings settings;
  settings.ColorValues[static_cast<int>(ColorKey::Green)] = 0x123456;
  settings.DataDir = "/srv/golf";  // no trailing slash: used unchanged
  settings.TrueColorIcons = true;
  settings.nStatList = -4;
  settings.UpdateIfOlder = 0.25f;
  settings.Captions.SetText(Caption::PlayerIndex, "Spelare <I>index</I>");
  settings.Windows[static_cast<int>(WindowId::Html)] = {-20, 300};
  settings.Windows[static_cast<int>(WindowId::Player)].Top = 5;
  settings.AllCourses = settings.CopyInFooter = settings.HandicapPage = true;
  settings.PublishContacts = true;
  settings.Language = "sv-SE";
  settings.CustomColors = {"ColorA=ffffff", "ColorB=00ff00"};
  settings.PublishTo = "golf@club.example:www/";
  settings.PublishDelete = settings.PublishAfterMake = true;
  settings.Paper = "Letter";
  Save(settings);
  EXPECT_EQ(Saved("Web", "PublishDelete"), "1");
  EXPECT_EQ(dir.Read(kStore),
            Crlf("[cardwise]|PlayerTop=5|HtmlLeft=-20|HtmlTop=300|UseLongFileNames=0|"
                 "CopyInFooter=1|AllPlayers=0|AllCourses=1|AllRounds=0|AllEvents=0|AllTours=0|"
                 "PublishAfterMake=1|[CustomColors]|ColorA=ffffff|ColorB=00ff00|"));

  // A record loaded from those files and saved elsewhere writes the very same files; with the
  // store pinned above, that leaves the values of the settings file to check.
  AppSettings loaded = Loaded();
  const SettingsPaths copy{dir.File("copy/cardwise.ini"), dir.File("copy/store.ini")};
  ASSERT_TRUE(SaveSettings(loaded, copy));
  EXPECT_EQ(dir.Read("copy/cardwise.ini"), dir.Read(kIni));
  EXPECT_EQ(dir.Read("copy/store.ini"), dir.Read(kStore));
  EXPECT_EQ(loaded.Color(ColorKey::Green), "563412");
  EXPECT_EQ(loaded.nStatList, -4);
  EXPECT_FLOAT_EQ(loaded.UpdateIfOlder, 0.25f);
  EXPECT_EQ(loaded.CaptionText(Caption::PlayerIndex), "Spelare <I>index</I>");
  EXPECT_EQ(loaded.DataDir + "|" + loaded.PublishTo + "|" + loaded.Language + "|" + loaded.Paper,
            "/srv/golf|golf@club.example:www/|sv-SE|Letter");
  EXPECT_TRUE(loaded.TrueColorIcons && loaded.HandicapPage && loaded.PublishContacts &&
              loaded.PublishDelete);
}

TEST_F(SettingsFileTest, LoadMatchesKeysInAnyCaseAndSaveKeepsForeignLines) {
  dir.Write(kIni, Crlf("; my notes|[Dirs]|dataDIR=/old/|Mine=1||[DemoUnload]|Round=MY.DAT|"
                       "HtmlRootDir=/web/||[Html-Headings]|Player=Spelare|Stats=fixed|"
                       "scorecard=Kort|[Colors]|Len=#123456789abc|[Plugin]|x=y|"));
  AppSettings settings = Loaded();
  EXPECT_EQ(settings.DataDir, "/old/");
  EXPECT_EQ(settings.CaptionText(Caption::Player), "Spelare");
  EXPECT_EQ(settings.CaptionText(Caption::ScoreCard), "Kort");
  EXPECT_EQ(settings.CaptionText(Caption::Stats), "Stats");  // fixed: has no key
  EXPECT_EQ(settings.Color(ColorKey::Len), "#12345678");     // cut to nine characters
  EXPECT_EQ(settings.Value(ColorKey::Len), 0x563412u);
  EXPECT_EQ(settings.Color(ColorKey::Back), "#eeeeee");  // absent keys keep the default
  settings.DataDir = "/new/";
  Save(settings);

  const std::string text = dir.Read(kIni);
  EXPECT_EQ(text.rfind(Crlf("; my notes|[Dirs]|dataDIR=/new/|Mine=1|"), 0), 0u) << text;
  EXPECT_NE(text.find(Crlf("[DemoUnload]|Round=MY.DAT|HtmlRootDir=/web/|")), std::string::npos);
  EXPECT_NE(text.find(Crlf("Stats=fixed|scorecard=Kort|")), std::string::npos);
  EXPECT_NE(text.find(Crlf("[Plugin]|x=y|")), std::string::npos);
  EXPECT_EQ(Saved("Colors", "Len"), "123456");  // from the value, without "#"
  EXPECT_EQ(text.find("DataDir"), std::string::npos);
}

// Values that do not parse keep the default; the pages' language only when it is a language tag.
TEST_F(SettingsFileTest, ValuesThatDoNotParseKeepTheDefault) {
  // A section, one line of it, and its key's value as the record then writes it.
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"SetUp", "RoundsForParHead= +7 ", "7"},
      {"SetUp", "RoundsForParHead=3.5", "8"},
      {"SetUp", "RoundsForParHead=99999999999", "8"},
      {"SetUp", "TrueColorIcons=2", "1"},
      {"SetUp", "TrueColorIcons=yes", "0"},
      {"SetUp", "UpdateIfOlder=0,5", "0.50000"},
      {"SetUp", "UpdateIfOlder=1e-3", "0.00100"},
      {"SetUp", "UpdateIfOlder=soon", "0.00139"},
      {"Web", "Language=zh-Hant-TW", "zh-Hant-TW"},
      {"Web", "Language=de-1996", "de-1996"},
      {"Web", "Language=", "en"},
      {"Web", "Language=english please", "en"},
      {"Web", "Language=en-", "en"},
      {"Web", "Language=sv\"><script>", "en"},
      {"Web", "Language=abcdefghi", "en"}};
  for (const auto& [section, line, written] : cases) {
    dir.Write(kIni, std::string("[") + section + "]\r\n" + line + "\r\n");
    AppSettings settings = Loaded();
    Save(settings);
    EXPECT_EQ(Saved(section, line.substr(0, line.find('='))), written) << line;
  }
}

TEST_F(SettingsFileTest, StoreValuesSetOnlyWhatExists) {
  dir.Write(kStore,
            Crlf("[cardwise]|MainLeft=10|PlayerTop=-5|CourseLeft=abc|AllRounds=-1|"
                 "[CustomColors]|ColorA=a|ColorB=b|ColorC=c|ColorD=d|ColorE=e|ColorF=f|ColorH=h|"));
  AppSettings settings;
  settings.Windows[static_cast<int>(WindowId::Html)].Left = 7;
  settings.AllTours = true;
  settings.CustomColors = {"ColorZ=stale"};
  ASSERT_TRUE(LoadSettings(settings, paths));

  // What the record now holds, as a fresh store shows it: CourseLeft stays unset, the custom
  // colours stop at the first missing letter.
  ASSERT_TRUE(SaveSettings(settings, {dir.File("copy.ini"), dir.File("copy-store.ini")}));
  EXPECT_EQ(dir.Read("copy-store.ini"),
            Crlf("[cardwise]|MainLeft=10|PlayerTop=-5|HtmlLeft=7|UseLongFileNames=0|"
                 "CopyInFooter=0|AllPlayers=0|AllCourses=0|AllRounds=1|AllEvents=0|AllTours=1|"
                 "PublishAfterMake=0|[CustomColors]|ColorA=a|ColorB=b|ColorC=c|ColorD=d|ColorE=e|"
                 "ColorF=f|"));
}

TEST_F(SettingsFileTest, FilesThatCannotBeReadOrWrittenAreReportedAndLeftAlone) {
  const std::string blocked = dir.Write("plain-file", "x") + "/cardwise.ini";
  for (const SettingsPaths& broken :
       {SettingsPaths{blocked, paths.UserStore}, SettingsPaths{paths.SettingsFile, blocked}}) {
    AppSettings settings;
    const Status status = SaveSettings(settings, broken);
    EXPECT_NE(status.message().find(blocked), std::string::npos) << status.message();
  }
  EXPECT_NE(dir.Read(kIni), "");  // a broken store does not keep the settings file from being saved

  const SettingsPaths folder{dir.File("folder.ini"), paths.UserStore};
  std::filesystem::create_directories(folder.SettingsFile);  // exists, but is no file
  dir.Write(kStore, "[cardwise]\r\nAllEvents=1\r\n");
  AppSettings settings;
  const Status loaded = LoadSettings(settings, folder);
  EXPECT_NE(loaded.message().find(folder.SettingsFile), std::string::npos) << loaded.message();
  EXPECT_TRUE(settings.AllEvents);  // the store is still applied
  EXPECT_FALSE(SaveSettings(settings, folder));
  EXPECT_TRUE(std::filesystem::is_directory(folder.SettingsFile));
}

TEST(SettingsPathsTest, OptionThenVariableThenXdgConfigHome) {
  // The --ini option, CARDWISE_INI (nullptr: unset), XDG_CONFIG_HOME and the file they give.
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"/opt/my.ini", "/env.ini", "/xdg", "/opt/my.ini"},
      {"", "/env.ini", "/xdg", "/env.ini"},
      {"", "", "/xdg/", "/xdg/cardwise/cardwise.ini"},
      {"", nullptr, "", "/home/golfer/.config/cardwise/cardwise.ini"},
      {"", nullptr, "relative", "/home/golfer/.config/cardwise/cardwise.ini"}};
  ScopedEnv home("HOME", "/home/golfer");
  for (const auto& [option, cardwiseIni, xdgConfig, expected] : cases) {
    ScopedEnv ini("CARDWISE_INI", cardwiseIni);
    ScopedEnv config("XDG_CONFIG_HOME", xdgConfig);
    EXPECT_EQ(ResolveSettingsPaths(option).SettingsFile, expected);
  }
}

TEST(SettingsColorsTest, ScoreAndTotalColoursClampTheDifference) {
  const AppSettings settings;
  std::string scores, totals;
  for (int difference : {-9, -2, -1, 0, 3, 12}) {
    scores += settings.ScoreColor(difference) + " ";
    totals += settings.TotColor(difference) + " ";
  }
  EXPECT_EQ(scores, "#ff5555 #ff5555 #ffaaaa #dddddd #4444ff #4444ff ");
  EXPECT_EQ(totals, "#880000 #880000 #880000 #000000 #000088 #000088 ");
}

TEST(ColorsTest, HtmlToColorReadsTheFirstSixHexDigitsAsRedGreenBlue) {
  const std::pair<const char*, ColorValue> cases[] = {
      {"#1A2b3C", 0x3c2b1a}, {"1a2b3c", 0x3c2b1a},    {"", 0x000000},
      {"#abc", 0x00c0ab},    {"#12345678", 0x563412}, {"zz12 yy34-56", 0x563412},
      {"#gg0000", 0x000000}, {"rgb(1,2,3)", 0x0023b1}};  // the "b" of "rgb" is a digit too
  for (const auto& [text, value] : cases)
    EXPECT_EQ(HtmlToColor(text), value) << text;
}

constexpr ColorValue kBlack = 0x000000, kWhite = 0xffffff;

TEST(ColorsTest, ContrastFollowsTheRelativeLuminanceFormula) {
  struct Case {
    const char* Back;
    ColorValue Text;
    double Ratio;  // of the chosen text colour
  };
  const Case cases[] = {
      {"000000", kWhite, 21.0}, {"ffffff", kBlack, 21.0}, {"4444ff", kWhite, 5.97},
      {"ff0000", kBlack, 5.25}, {"0000ff", kWhite, 8.59}, {"00ff00", kBlack, 15.3},
      {"767676", kBlack, 4.62}, {"757575", kWhite, 4.61}, {"eeeeaa", kBlack, 17.45}};
  for (const Case& c : cases) {
    const ColorValue back = HtmlToColor(c.Back);
    EXPECT_EQ(TextColorOn(back), c.Text) << c.Back;
    EXPECT_NEAR(ContrastRatio(back, TextColorOn(back)), c.Ratio, 0.01) << c.Back;
    EXPECT_DOUBLE_EQ(ContrastRatio(back, c.Text), ContrastRatio(c.Text, back));
  }
  // Whatever colour a user picks, the text chosen on it passes the 4.5:1 of level AA.
  for (ColorValue r = 0; r < 256; r += 5)
    for (ColorValue g = 0; g < 256; g += 5)
      for (ColorValue b = 0; b < 256; b += 5) {
        const ColorValue back = r | g << 8 | b << 16;
        ASSERT_GE(ContrastRatio(back, TextColorOn(back)), 4.5) << ColorToHtml(back);
      }
}

}  // namespace
}  // namespace cardwise
