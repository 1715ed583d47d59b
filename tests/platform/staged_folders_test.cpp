#include "platform/staged_folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::TempDir;

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

}  // namespace
}  // namespace cardwise
