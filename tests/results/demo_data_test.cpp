// Switching to the demo data and back, and the folder step of start-up that ships them.

#include "results/demo_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "results/startup.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

class DemoDataTest : public ::testing::Test {
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

  std::string Unload(const char* key) const {
    IniFile ini;
    ini.Load(ini_);
    return ini.ReadString(kDemoUnloadSection, key, "-");
  }

  testing::TempDir dir_;
  testing::ScopedEnv dataHome_{"XDG_DATA_HOME", "/home/demo/.local/share"};
  std::string ini_;
  TSettings settings_;
  TPlayerList players_;
  TCourseList courses_;
  TRoundList rounds_;
  TEventList events_;
  TTourList tours_;
  TDatabase database_{players_, courses_, rounds_, events_, tours_};
};

TEST_F(DemoDataTest, LoadTwiceKeepsTheFirstSavedNamesAndUnloadRestoresThem) {
  for (int load = 0; load < 2; ++load) {
    const DemoSwitch result = LoadDemo(database_, settings_, ini_);
    ASSERT_TRUE(result.Outcome) << result.Outcome.message();
    EXPECT_EQ(result.Reports[kPlayersFile].File, dir_.File("Data/DEMOP.DAT"));
  }
  EXPECT_EQ(Unload("Round"), "MYR.DAT");
  EXPECT_EQ(Unload("Player"), "MYP.DAT");
  EXPECT_EQ(Unload("Tour"), "TOURS.DAT");
  EXPECT_EQ(Unload("HtmlRootDir"), "/srv/www/golf/");
  EXPECT_EQ(settings_.HtmlRootDir, "/home/demo/.local/share/cardwise/Web-Demo/");
  EXPECT_EQ(settings_.CourseFName, "DEMOC.DAT");
  EXPECT_EQ(players_.Count(), 2);
  EXPECT_EQ(rounds_.Count(), 1);
  EXPECT_EQ(tours_.KeyAt(0), "??") << "a demo file that is missing loads as a placeholder";
  EXPECT_THAT(dir_.Read("cardwise.ini"), ::testing::StartsWith("[Files]\r\nRoundFName=MYR.DAT"));

  ASSERT_TRUE(UnloadDemo(database_, settings_, ini_).Outcome);
  EXPECT_EQ(settings_.RoundFName, "MYR.DAT");
  EXPECT_EQ(settings_.EventFName, "EVENTS.DAT");
  EXPECT_EQ(settings_.HtmlRootDir, "/srv/www/golf/");
  ASSERT_EQ(players_.Count(), 1);
  EXPECT_EQ(players_.KeyAt(0), "ME");
  EXPECT_EQ(Unload("Round"), "MYR.DAT") << "the section is never removed";
}

TEST_F(DemoDataTest, UnloadWithoutSavedNamesReloadsTheCurrentFiles) {
  players_.LoadFromFile(dir_.File("Data/DEMOP.DAT"));
  ASSERT_TRUE(UnloadDemo(database_, settings_, ini_).Outcome);
  EXPECT_EQ(settings_.PlayerFName, "MYP.DAT");
  EXPECT_EQ(settings_.HtmlRootDir, "/srv/www/golf/");
  ASSERT_EQ(players_.Count(), 1) << "emptied before loading";
}

TEST_F(DemoDataTest, NothingIsSwitchedWhenTheWayBackCannotBeSaved) {
  dir_.Write("file", "");
  const DemoSwitch result = LoadDemo(database_, settings_, dir_.File("file/cardwise.ini"));
  EXPECT_FALSE(result.Outcome);
  EXPECT_EQ(settings_.RoundFName, "MYR.DAT");
  EXPECT_EQ(settings_.HtmlRootDir, "/srv/www/golf/");
}

class PrepareFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shipped_ = dir_.File("share/");
    dir_.Write("share/demo/DEMOP.DAT", "[D]\r\nID=D\r\n");
    dir_.Write("share/demo/.keep", "");
    dir_.Write("share/template/style.css", "shipped");
    dir_.Write("share/template/help.htm", "shipped");
    settings_.DataDir = dir_.File("new/data/");
    settings_.TemplateDir = dir_.File("tpl/");
    settings_.HtmlRootDir = dir_.File("new/web/");
  }

  testing::TempDir dir_;
  std::string shipped_;
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
  const Status status = PrepareFolders(settings_, shipped_);
  EXPECT_EQ(status.message(), "Unable to create directory");
  EXPECT_TRUE(DirectoryExists(settings_.DataDir));
  EXPECT_FALSE(DirectoryExists(settings_.HtmlRootDir));
}

}  // namespace
}  // namespace cardwise
