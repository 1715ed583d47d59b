#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

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

}  // namespace
}  // namespace cardwise
