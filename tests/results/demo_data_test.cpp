// Switching to the demo data and back, and the folder step of start-up that ships them.

#include "results/demo_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "results/startup.h"
#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

class DemoDataTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  void SetUp() override {
    settings_.DataDir = dir_.File("Data/");
    settings_.HtmlRootDir = "/srv/www/golf/";
    settings_.RoundFName = "MYR.DAT";
    settings_.PlayerFName = "MYP.DAT";
    dir_.Write("Data/MYP.DAT", "[ME]\r\nID=ME\r\n");
    dir_.Write("Data/DEMOP.DAT", "[D1]\r\nID=D1\r\n[D2]\r\nID=D2\r\n");
    dir_.Write("Data/DEMOR.DAT", "[260501-0900-D1]\r\nID=260501-0900-D1\r\nScore=4\r\n");
    ini_ = dir_.Write("cardwise.ini", "[Files]\r\nRoundFName=MYR.DAT\r\n");
  }

  // The values "DemoUnload" holds for Round, Player, Tour and HtmlRootDir ("-" when missing).
  std::string Unload() const {
    IniFile ini;
    ini.Load(ini_);
    std::string values;
    for (const char* key : {"Round", "Player", "Tour", "HtmlRootDir"})
      values += ini.ReadString(kDemoUnloadSection, key, "-") + "|";
    return values;
  }

  testing::TempDir dir_;
  testing::ScopedEnv dataHome_{"XDG_DATA_HOME", "/home/demo/.local/share"};
  std::string ini_;
  TSettings settings_;
};

TEST_F(DemoDataTest, LoadTwiceKeepsTheFirstSavedNamesAndUnloadRestoresThem) {
  for (int load = 0; load < 2; ++load) {
    const DemoSwitch result = LoadDemo(database_, settings_, ini_);
    ASSERT_TRUE(result.Outcome) << result.Outcome.message();
    EXPECT_EQ(result.Reports[kPlayersFile].File, dir_.File("Data/DEMOP.DAT"));
  }
  const std::string saved = "MYR.DAT|MYP.DAT|TOURS.DAT|/srv/www/golf/|";
  EXPECT_EQ(Unload(), saved);
  EXPECT_EQ(settings_.CourseFName + "|" + settings_.HtmlRootDir,
            "DEMOC.DAT|/home/demo/.local/share/cardwise/Web-Demo/");
  EXPECT_EQ(std::make_pair(players_.Count(), rounds_.Count()), std::make_pair(2, 1));
  EXPECT_EQ(tours_.KeyAt(0), "??") << "a demo file that is missing loads as a placeholder";
  EXPECT_THAT(dir_.Read("cardwise.ini"), ::testing::StartsWith("[Files]\r\nRoundFName=MYR.DAT"));

  ASSERT_TRUE(UnloadDemo(database_, settings_, ini_).Outcome);
  EXPECT_EQ(settings_.RoundFName + "|" + settings_.EventFName + "|" + settings_.HtmlRootDir,
            "MYR.DAT|EVENTS.DAT|/srv/www/golf/");
  EXPECT_EQ(players_.Count() == 1 ? players_.KeyAt(0) : "", "ME");
  EXPECT_EQ(Unload(), saved) << "the section is never removed";
}

TEST_F(DemoDataTest, UnloadWithoutSavedNamesReloadsTheCurrentFiles) {
  players_.LoadFromFile(dir_.File("Data/DEMOP.DAT"));
  ASSERT_TRUE(UnloadDemo(database_, settings_, ini_).Outcome);
  EXPECT_EQ(settings_.PlayerFName + "|" + settings_.HtmlRootDir, "MYP.DAT|/srv/www/golf/");
  EXPECT_EQ(players_.Count(), 1) << "emptied before loading";
}

TEST_F(DemoDataTest, NothingIsSwitchedWhenTheWayBackCannotBeSaved) {
  dir_.Write("file", "");
  EXPECT_FALSE(LoadDemo(database_, settings_, dir_.File("file/cardwise.ini")).Outcome);
  EXPECT_EQ(settings_.RoundFName + "|" + settings_.HtmlRootDir, "MYR.DAT|/srv/www/golf/");
}

class PrepareFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("share/demo/DEMOP.DAT", "[D]\r\nID=D\r\n");
    dir_.Write("share/demo/.keep", "");
    for (const char* name : {"share/template/style.css", "share/template/help.htm"})
      dir_.Write(name, "shipped");
    std::tie(settings_.DataDir, settings_.TemplateDir, settings_.HtmlRootDir) =
        std::make_tuple(dir_.File("new/data/"), dir_.File("tpl/"), dir_.File("new/web/"));
  }

  testing::TempDir dir_;
  const std::string shipped_ = dir_.File("share/");
  TSettings settings_;
};

TEST_F(PrepareFoldersTest, ShippedFilesGoOnlyIntoFoldersItCreates) {
  dir_.Write("tpl/style.css", "mine");
  ASSERT_TRUE(PrepareFolders(settings_, shipped_));
  EXPECT_EQ(dir_.Read("new/data/DEMOP.DAT"), "[D]\r\nID=D\r\n");
  EXPECT_FALSE(FileExists(dir_.File("new/data/.keep")));
  EXPECT_EQ(dir_.Read("tpl/style.css"), "mine");
  EXPECT_FALSE(FileExists(dir_.File("tpl/help.htm"))) << "the template folder was there";
  EXPECT_TRUE(DirectoryExists(settings_.HtmlRootDir));
  EXPECT_TRUE(FilesMatching(settings_.HtmlRootDir, "*").empty());

  DeleteFile(dir_.File("new/data/DEMOP.DAT"));
  ASSERT_TRUE(PrepareFolders(settings_, shipped_));
  EXPECT_FALSE(FileExists(dir_.File("new/data/DEMOP.DAT"))) << "not copied again";
}

TEST_F(PrepareFoldersTest, AnEmptyFolderSettingStopsTheStep) {
  settings_.TemplateDir.clear();
  EXPECT_EQ(PrepareFolders(settings_, shipped_).message(), "Unable to create directory");
  EXPECT_TRUE(DirectoryExists(settings_.DataDir));
  EXPECT_FALSE(DirectoryExists(settings_.HtmlRootDir));
}

}  // namespace
}  // namespace cardwise
