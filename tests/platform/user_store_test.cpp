#include "platform/user_store.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

TEST(UserStorePath, FollowsXdgConfigHome) {
  const struct {
    const char* xdg;  // nullptr: unset
    const char* expected;
  } cases[] = {
      {"/cfg", "/cfg/Hollowfen/cardwise.ini"},
      {"", "/home/u/.config/Hollowfen/cardwise.ini"},
      {nullptr, "/home/u/.config/Hollowfen/cardwise.ini"},
      {"relative/cfg", "/home/u/.config/Hollowfen/cardwise.ini"},
  };
  ScopedEnv home("HOME", "/home/u");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xdg ? c.xdg : "unset");
    ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
    EXPECT_EQ(UserStore::DefaultPath(), c.expected);
  }
}

TEST(UserStore, OpenCreatesFolderAndFile) {
  TempDir dir;
  ScopedEnv xdg("XDG_CONFIG_HOME", dir.File("config").c_str());
  UserStore store(UserStore::DefaultPath());
  ASSERT_TRUE(store.Open().ok());
  EXPECT_TRUE(FileExists(dir.File("config/Hollowfen/cardwise.ini")));
  EXPECT_EQ(dir.Read("config/Hollowfen/cardwise.ini"), "");
}

TEST(UserStore, RoundTripKeepsOtherLines) {
  TempDir dir;
  const std::string path = dir.Write("store.ini", "; mine\n[Other]\nx=1\n");
  {
    UserStore store(path);
    ASSERT_TRUE(store.Open().ok());
    store.WriteInteger("cardwise", "Left", -20);
    store.WriteBool("cardwise", "UpdateAllRounds", true);
    store.WriteString("CustomColors", "ColorA", "FFFFFF");
    store.WriteInteger("cardwise", "Left", 10);
    ASSERT_TRUE(store.Close().ok());
  }
  EXPECT_EQ(dir.Read("store.ini"),
            "; mine\n[Other]\nx=1\n[cardwise]\r\nLeft=10\r\nUpdateAllRounds=1\r\n"
            "[CustomColors]\r\nColorA=FFFFFF\r\n");
  UserStore again(path);
  ASSERT_TRUE(again.Open().ok());
  EXPECT_EQ(again.ReadInteger("CARDWISE", "left", 0), 10);
  EXPECT_TRUE(again.ReadBool("cardwise", "UpdateAllRounds", false));
  EXPECT_EQ(again.ReadString("CustomColors", "ColorA", ""), "FFFFFF");
  EXPECT_TRUE(again.ValueExists("cardwise", "Left"));
  EXPECT_FALSE(again.ValueExists("CustomColors", "Left"));
}

TEST(UserStore, NumbersThatAreNotWholeReadAsFallback) {
  const struct {
    const char* stored;
    int expected;
  } cases[] = {{"12", 12},  {" -3 ", -3}, {"+4", 4}, {"12abc", 99},      {"", 99},
               {"1.5", 99}, {"0x10", 99}, {"-", 99}, {"99999999999", 99}};
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    UserStore store(dir.Write("s.ini", std::string("[cardwise]\nN=") + c.stored + "\n"));
    ASSERT_TRUE(store.Open().ok());
    EXPECT_EQ(store.ReadInteger("cardwise", "N", 99), c.expected);
    EXPECT_EQ(store.ReadBool("cardwise", "N", true), c.expected != 0);
  }
}

TEST(UserStore, FailedOpenNeverOverwrites) {
  TempDir dir;
  dir.Write("folder.ini/keep", "x");
  UserStore folder(dir.File("folder.ini"));
  EXPECT_FALSE(folder.Open().ok());
  folder.WriteInteger("cardwise", "Left", 1);
  EXPECT_FALSE(folder.Close().ok());
  EXPECT_EQ(dir.Read("folder.ini/keep"), "x");
  EXPECT_FALSE(UserStore(dir.File("folder.ini/keep/store.ini")).Open().ok());
}

}  // namespace
}  // namespace cardwise
