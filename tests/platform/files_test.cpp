#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::TempDir;

TEST(MatchesPattern, Wildcards) {
  const struct {
    const char* name;
    const char* pattern;
    bool matches;
  } cases[] = {{"ROUNDS.DAT", "*.DAT", true},
               {"rounds.dat", "*.DAT", false},
               {"a.html", "*.htm", false},
               {"a.html", "*.htm*", true},
               {"abc", "a?c", true},
               {"ac", "a?c", false},
               {"", "*", true},
               {"x", "", false},
               {"aXbXc", "a*b*c", true},
               {"abcb", "*b", true},
               {"abcbd", "*b", false},
               {"hdr.txt", "h??.*", true}};
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
  }
}

TEST(FilesMatching, RegularFilesOnlySortedByName) {
  TempDir dir;
  dir.Write("b.htm", "");
  dir.Write("a.htm", "");
  dir.Write("c.txt", "");
  dir.Write("sub.htm/inner.htm", "");
  EXPECT_THAT(FilesMatching(dir.Path(), "*.htm"), ElementsAre("a.htm", "b.htm"));
  EXPECT_TRUE(FilesMatching(dir.File("missing/"), "*").empty());
}

TEST(WriteFileAtomically, ReplacesAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.Write("data.dat", "old contents that are longer");
  const std::string bytes("a\r\nb\n\0\xE9", 7);
  ASSERT_TRUE(WriteFileAtomically(path, bytes).ok());
  ASSERT_TRUE(CopyFile(path, dir.File("copy.dat")).ok());
  std::string read;
  ASSERT_TRUE(ReadWholeFile(dir.File("copy.dat"), read).ok());
  EXPECT_EQ(read, bytes);
  EXPECT_THAT(FilesMatching(dir.Path(), "*"), ElementsAre("copy.dat", "data.dat"));
}

TEST(WriteFileAtomically, FailuresNameThePathAndChangeNothing) {
  TempDir dir;
  const std::string plain = dir.Write("plain", "keep");
  dir.Write("folder/inside", "keep too");
  for (const std::string& target :
       {plain + "/child", dir.File("missing/file"), dir.File("folder")}) {
    const Status status = WriteFileAtomically(target, "x");
    EXPECT_FALSE(status.ok()) << target;
    EXPECT_THAT(status.message(), HasSubstr(target));
  }
  EXPECT_FALSE(CreateDirectories(plain + "/sub").ok());
  std::string read;
  EXPECT_THAT(ReadWholeFile(dir.File("none"), read).message(), HasSubstr(dir.File("none")));
  EXPECT_EQ(dir.Read("plain"), "keep");
  EXPECT_EQ(dir.Read("folder/inside"), "keep too");
  EXPECT_THAT(FilesMatching(dir.Path(), "*"), ElementsAre("plain"));
  EXPECT_THAT(FilesMatching(dir.File("folder"), "*"), ElementsAre("inside"));
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
  TempDir dir;
  dir.Write("real.ini", "old");
  std::filesystem::create_symlink(dir.File("real.ini"), dir.File("link.ini"));
  ASSERT_TRUE(WriteFileAtomically(dir.File("link.ini"), "new").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.ini")));
  EXPECT_EQ(dir.Read("real.ini"), "new");
}

}  // namespace
}  // namespace cardwise
