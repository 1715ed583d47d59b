#include "platform/user_store.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

TEST(UserStore, OpenCreatesTheFileAndCloseKeepsOtherLines) {
  TempDir dir;
  const std::string name = "cfg/Hollowfen/store.ini", path = dir.File(name);
  ASSERT_TRUE(UserStore(path).Open().ok());
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(dir.Read(name), "");

  dir.Write(name, "; mine\n[Other]\nx=1\n");
  UserStore store(path);
  ASSERT_TRUE(store.Open().ok());
  store.WriteInteger("cardwise", "Left", -20);
  store.WriteBool("cardwise", "UpdateAllRounds", true);
  store.WriteString("CustomColors", "ColorA", "FFFFFF");
  store.WriteInteger("cardwise", "Left", 10);
  ASSERT_TRUE(store.Close().ok());
  EXPECT_EQ(dir.Read(name),
            "; mine\n[Other]\nx=1\n[cardwise]\r\nLeft=10\r\nUpdateAllRounds=1\r\n"
            "[CustomColors]\r\nColorA=FFFFFF\r\n");

  UserStore again(path);
  ASSERT_TRUE(again.Open().ok());
  EXPECT_EQ(again.ReadInteger("CARDWISE", "left", 0), 10);
  EXPECT_TRUE(again.ValueExists("cardwise", "Left") && !again.ValueExists("CustomColors", "Left"));
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
