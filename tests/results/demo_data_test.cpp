// Switching to the demo data and back, and the folder step of start-up that ships them.

#include "results/demo_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
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
    for (const char* name : {"DEMOP", "DEMOC", "DEMOR", "DEMOE", "DEMOT"})
      dir_.Write(std::string("share/demo/") + name + ".DAT",
                 std::string("[S]\r\nID=") + name + "\r\n");
  }

  DemoSwitch Load() { return LoadDemo(database_, settings_, ini_, shipped_); }

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
  std::string shipped_ = dir_.File("share/");
  AppSettings settings_;
};

TEST_F(DemoDataTest, LoadTwiceKeepsTheFirstSavedNamesAndUnloadRestoresThem) {
  for (int load = 0; load < 2; ++load) {
    const DemoSwitch result = Load();
    ASSERT_TRUE(result.Outcome) << result.Outcome.message();
    EXPECT_EQ(result.Reports[kPlayersFile].File, dir_.File("Data/DEMOP.DAT"));
  }
  const std::string saved = "MYR.DAT|MYP.DAT|TOURS.DAT|/srv/www/golf/|";
  EXPECT_EQ(Unload(), saved);
  EXPECT_EQ(settings_.CourseFName + "|" + settings_.HtmlRootDir,
            "DEMOC.DAT|/home/demo/.local/share/cardwise/Web-Demo/");
  EXPECT_EQ(std::make_pair(players_.Count(), rounds_.Count()), std::make_pair(2, 1));
  EXPECT_EQ(tours_.KeyAt(0), "DEMOT") << "the missing demo files were copied in";
  EXPECT_EQ(dir_.Read("Data/DEMOP.DAT"), "[D1]\r\nID=D1\r\n[D2]\r\nID=D2\r\n") << "not over it";
  EXPECT_THAT(dir_.Read("cardwise.ini"), ::testing::StartsWith("[Files]\r\nRoundFName=MYR.DAT"));

  ASSERT_TRUE(UnloadDemo(database_, settings_, ini_).Outcome);
  EXPECT_EQ(settings_.RoundFName + "|" + settings_.EventFName + "|" + settings_.HtmlRootDir,
            "MYR.DAT|EVENTS.DAT|/srv/www/golf/");
  EXPECT_EQ(players_.Count() == 1 ? players_.KeyAt(0) : "", "ME");
  EXPECT_EQ(Unload(), saved) << "the section is never removed";
}

// When the way back cannot be saved, or a demo file is neither there nor to be had, the
// settings, the settings file and the lists stay as they were.
TEST_F(DemoDataTest, NothingIsSwitchedWhenTheWayBackOrADemoFileIsMissing) {
  const std::string before = dir_.Read("cardwise.ini");
  players_.LoadFromFile(dir_.File("Data/MYP.DAT"));
  const struct {
    std::function<void()> Change;
    std::string Message;
  } cases[] = {
      {[&] { ini_ = dir_.Write("file", "") + "/cardwise.ini"; }, "file/cardwise.ini"},
      {[&] { DeleteFile(shipped_ + "demo/DEMOE.DAT"); },
       dir_.File("Data/DEMOE.DAT") + ": no demo file, and " + shipped_ + "demo/DEMOE.DAT"},
      {[&] { shipped_.clear(); }, "the program's shipped files were not found"},
      {[&] { settings_.DataDir = dir_.File("file/"); }, "could not be copied into the data folder"},
  };
  for (const auto& c : cases) {
    for (const char* copied : {"Data/DEMOC.DAT", "Data/DEMOE.DAT", "Data/DEMOT.DAT"})
      DeleteFile(dir_.File(copied));  // by an earlier case, before its refusal
    const std::string ini = ini_, shipped = shipped_;
    c.Change();
    const DemoSwitch result = Load();
    EXPECT_THAT(result.Outcome.message(), ::testing::HasSubstr(c.Message));
    EXPECT_EQ(settings_.RoundFName + "|" + settings_.HtmlRootDir, "MYR.DAT|/srv/www/golf/");
    EXPECT_EQ(dir_.Read("cardwise.ini"), before);
    EXPECT_EQ(players_.Count() == 1 ? players_.KeyAt(0) : "", "ME");
    ini_ = ini, shipped_ = shipped, settings_.DataDir = dir_.File("Data/");
  }
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
  std::string shipped_ = dir_.File("share/");
  AppSettings settings_;
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

}  // namespace
}  // namespace cardwise
