// The locks beside files that keep read-modify-write changes from losing each other.

#include "platform/file_lock.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::HasSubstr;
using namespace std::chrono_literals;

class FileLockTest : public ::testing::Test {
 protected:
  FileLockTest() { SetLockWait(50ms); }
  ~FileLockTest() override { SetLockWait(saved_); }

  testing::TempDir dir_;

 private:
  std::chrono::milliseconds saved_ = LockWait();
};

TEST_F(FileLockTest, AHeldLockKeepsOthersOutOfThatFileOnly) {
  const std::string path = dir_.File("A.DAT");
  FileLock held;
  ASSERT_TRUE(FileLock::Acquire(path, held));
  EXPECT_TRUE(FileExists(dir_.File("A.DAT.lock")));

  FileLock second;
  const Status refused = FileLock::Acquire(path, second);
  EXPECT_THAT(refused.message(), HasSubstr(path + ": in use"));
  EXPECT_THAT(refused.message(), HasSubstr("A.DAT.lock"));
  EXPECT_FALSE(second.Held());
  FileLock other;
  EXPECT_TRUE(FileLock::Acquire(dir_.File("B.DAT"), other));

  held.Release();
  EXPECT_TRUE(FileLock::Acquire(path, second));
  FileLock moved = std::move(second);
  EXPECT_TRUE(moved.Held());
  EXPECT_FALSE(FileLock::Acquire(path, held));
}

TEST_F(FileLockTest, AChangeUnderAHeldLockDoesNotRunAndChangesNothing) {
  const std::string path = dir_.Write("S.INI", "[A]\r\nk=1\r\n");
  FileLock held;
  ASSERT_TRUE(FileLock::Acquire(path, held));
  bool ran = false;
  EXPECT_FALSE(IniUpdate(path, [&](IniFile&) { ran = true; }));
  EXPECT_FALSE(IniWriteString(path, "A", "k", "2"));
  EXPECT_FALSE(ran);
  EXPECT_EQ(dir_.Read("S.INI"), "[A]\r\nk=1\r\n");
  held.Release();
  EXPECT_TRUE(IniWriteString(path, "A", "k", "2"));
  EXPECT_EQ(dir_.Read("S.INI"), "[A]\r\nk=2\r\n");
}

TEST_F(FileLockTest, ALinkIsLockedBesideItsTargetAndAMissingFolderFails) {
  const std::string target = dir_.Write("real.dat", "");
  ASSERT_EQ(::symlink(target.c_str(), dir_.File("link.dat").c_str()), 0);
  EXPECT_EQ(LockFilePath(dir_.File("link.dat")), target + ".lock");
  FileLock held;
  ASSERT_TRUE(FileLock::Acquire(target, held));
  FileLock viaLink;
  EXPECT_FALSE(FileLock::Acquire(dir_.File("link.dat"), viaLink));

  const std::string missing = dir_.File("no/such/A.DAT");
  EXPECT_THAT(FileLock::Acquire(missing, viaLink).message(), HasSubstr(missing + ": "));
}

}  // namespace
}  // namespace cardwise
