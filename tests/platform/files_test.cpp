// Files: patterns, atomic writes, folders that appear whole, and the locks beside files.

#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/file_lock.h"
#include "platform/ini_file.h"
#include "platform/staged_folders.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::TempDir;

TEST(MatchesPattern, WildcardsWithLetterCase) {
  const std::tuple<const char*, const char*, bool> cases[] = {{"ROUNDS.DAT", "*.DAT", true},
                                                              {"rounds.dat", "*.DAT", false},
                                                              {"a.html", "*.htm", false},
                                                              {"a.html", "*.htm*", true},
                                                              {"abc", "a?c", true},
                                                              {"ac", "a?c", false},
                                                              {"", "*", true},
                                                              {"x", "", false},
                                                              {"aXbXc", "a*b*c", true},
                                                              {"abcb", "*b", true},
                                                              {"abcbd", "*b", false}};
  for (const auto& [name, pattern, matches] : cases)
    EXPECT_EQ(MatchesPattern(name, pattern), matches) << name << " ~ " << pattern;
}

TEST(WriteFileAtomically, ReplacesThroughLinksAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.Write("data.dat", "old contents that are longer");
  std::filesystem::create_symlink(path, dir.File("link.dat"));
  const std::string bytes("a\r\nb\n\0\xE9", 7);
  ASSERT_TRUE(WriteFileAtomically(dir.File("link.dat"), bytes).ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.dat")));
  ASSERT_TRUE(CopyFile(path, dir.File("copy.dat")).ok());
  std::string read;
  ASSERT_TRUE(ReadWholeFile(dir.File("copy.dat"), read).ok());
  EXPECT_EQ(read, bytes);
  EXPECT_THAT(FilesMatching(dir.Path(), "*"), ElementsAre("copy.dat", "data.dat", "link.dat"));
  // A file that reports no size is read to its end all the same; a folder is no file.
  ASSERT_TRUE(ReadWholeFile("/proc/self/status", read).ok());
  EXPECT_THAT(read, HasSubstr("\nPid:"));
  EXPECT_TRUE(read.ends_with('\n'));
  EXPECT_THAT(ReadWholeFile(dir.Path(), read).message(), HasSubstr(dir.Path()));
  EXPECT_EQ(read, "");
}

TEST(WriteFileAtomically, FailuresNameThePathAndChangeNothing) {
  TempDir dir;
  const std::string plain = dir.Write("plain", "keep");
  dir.Write("folder/inside", "keep too");
  for (const std::string& target :
       {plain + "/child", dir.File("missing/file"), dir.File("folder")}) {
    EXPECT_THAT(WriteFileAtomically(target, "x").message(), HasSubstr(target));
  }
  EXPECT_FALSE(CreateDirectories(plain + "/sub").ok());
  std::string read;
  EXPECT_THAT(ReadWholeFile(dir.File("none"), read).message(), HasSubstr(dir.File("none")));
  EXPECT_EQ(dir.Read("plain"), "keep");
  EXPECT_EQ(dir.Read("folder/inside"), "keep too");
  EXPECT_THAT(FilesMatching(dir.Path(), "*"), ElementsAre("plain"));
  EXPECT_THAT(FilesMatching(dir.File("folder"), "*"), ElementsAre("inside"));
}

// Every entry of the folder, hidden ones too, sorted.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(StagedFolders, NewFoldersAppearWholeWhenPublished) {
  TempDir dir;
  dir.Write("old/kept.htm", "kept");
  StagedFolders folders;
  for (const char* name : {"site/2025/a.htm", "site/2025/b.htm", "site/2025/a.htm", "old/x.htm"})
    ASSERT_TRUE(folders.Write(dir.File(name), name).ok()) << name;
  // A folder that existed gets its files at once; the new ones are out of sight.
  EXPECT_EQ(dir.Read("old/x.htm"), "old/x.htm");
  EXPECT_FALSE(DirectoryExists(dir.File("site/2025")));
  EXPECT_TRUE(folders.Publish().empty());
  EXPECT_THAT(Entries(dir.File("site")), ElementsAre("2025"));
  EXPECT_THAT(Entries(dir.File("site/2025")), ElementsAre("a.htm", "b.htm"));
  EXPECT_EQ(dir.Read("site/2025/a.htm"), "site/2025/a.htm");
  // Once in place the folder is written in place, file by file.
  ASSERT_TRUE(folders.Write(dir.File("site/2025/c.htm"), "c").ok());
  EXPECT_EQ(dir.Read("site/2025/c.htm"), "c");
}

TEST(StagedFolders, AFolderMadeMeanwhileGetsTheFilesOneByOne) {
  TempDir dir;
  {
    StagedFolders folders;
    ASSERT_TRUE(folders.Write(dir.File("new/a.htm"), "new a").ok());
    ASSERT_TRUE(folders.Write(dir.File("new/b.htm"), "new b").ok());
    dir.Write("new/a.htm", "other a");
    dir.Write("new/other.htm", "other");
  }  // the destructor publishes
  EXPECT_THAT(Entries(dir.Path()), ElementsAre("new"));
  EXPECT_THAT(Entries(dir.File("new")), ElementsAre("a.htm", "b.htm", "other.htm"));
  EXPECT_EQ(dir.Read("new/a.htm"), "new a");
}

TEST(StagedFolders, AFileThatCannotMoveIsReportedAndKept) {
  TempDir dir;
  StagedFolders folders;
  ASSERT_TRUE(folders.Write(dir.File("new/a.htm"), "a").ok());
  ASSERT_TRUE(folders.Write(dir.File("new/b.htm"), "b").ok());
  dir.Write("new/a.htm/inside", "a folder in the way");
  const std::vector<FileFailure> failures = folders.Publish();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].Path, dir.File("new/a.htm"));
  EXPECT_THAT(failures[0].Outcome.message(), HasSubstr(dir.File("new/a.htm")));
  EXPECT_EQ(dir.Read("new/b.htm"), "b");
  // The page that did not arrive is still there, in the hidden twin.
  const std::vector<std::string> entries = Entries(dir.Path());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_THAT(Entries(dir.File(entries[0])), ElementsAre("a.htm"));
}

// The locks beside files that keep read-modify-write changes from losing each other.

using namespace std::chrono_literals;

class FileLockTest : public ::testing::Test {
 protected:
  FileLockTest() { SetLockWait(50ms); }
  ~FileLockTest() override { SetLockWait(saved_); }

  testing::TempDir dir_;

 private:
  std::chrono::milliseconds saved_ = LockWait();
};

TEST_F(FileLockTest, AHeldLockKeepsOthersAndChangesOutOfThatFileOnly) {
  const std::string path = dir_.Write("A.DAT", "[A]\r\nk=1\r\n");
  FileLock held;
  ASSERT_TRUE(FileLock::Acquire(path, held));
  EXPECT_TRUE(FileExists(dir_.File("A.DAT.lock")));

  FileLock second;
  const Status refused = FileLock::Acquire(path, second);
  EXPECT_THAT(refused.message(), HasSubstr(path + ": in use"));
  EXPECT_THAT(refused.message(), HasSubstr("A.DAT.lock"));
  EXPECT_FALSE(second.Held());
  bool ran = false;  // a change under the lock does not run and changes nothing
  EXPECT_FALSE(IniUpdate(path, [&](IniFile&) { ran = true; }));
  EXPECT_FALSE(IniWriteString(path, "A", "k", "2"));
  EXPECT_FALSE(ran);
  EXPECT_EQ(dir_.Read("A.DAT"), "[A]\r\nk=1\r\n");
  FileLock other;
  EXPECT_TRUE(FileLock::Acquire(dir_.File("B.DAT"), other));

  held.Release();
  EXPECT_TRUE(IniWriteString(path, "A", "k", "2"));
  EXPECT_EQ(dir_.Read("A.DAT"), "[A]\r\nk=2\r\n");
  EXPECT_TRUE(FileLock::Acquire(path, second));
  FileLock moved = std::move(second);
  EXPECT_TRUE(moved.Held());
  EXPECT_FALSE(FileLock::Acquire(path, held));
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
