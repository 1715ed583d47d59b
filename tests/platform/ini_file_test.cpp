// INI files: the data and settings files, and the per-user store.

#include "platform/ini_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/user_store.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;
using testing::TempDir;

std::string WithCrLf(std::string text) {
  for (std::size_t pos = 0; (pos = text.find('\n', pos)) != std::string::npos; pos += 2)
    text.insert(pos, "\r");
  return text;
}

const char* const kSample =
    "Orphan=before any section\n[Alpha]\nName = Anna \326berg \n\nNoEquals\nCity=Malm\xF6=South\n"
    "; Note=a comment\n[alpha]\nName=Second\n  [ Beta ]  \nKey=b\n[\xC5NGE]\nKey=\xE5";

TEST(IniRead, KeysAndSectionsWithLfAndCrLf) {
  // A section, a key and its value (nullptr: absent); the first of duplicate sections counts.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Alpha", "Name", "Anna \326berg"},  {"ALPHA", " name ", "Anna \326berg"},
      {"Alpha", "City", "Malm\xF6=South"}, {"Alpha", "NoEquals", ""},
      {"Alpha", "Orphan", nullptr},        {"", "Orphan", nullptr},
      {"Alpha", "; Note", nullptr},        {"beta", "key", "b"},
      {"\xE5nge", "KEY", "\xE5"}};
  for (const std::string& text : {std::string(kSample), WithCrLf(kSample)}) {
    const IniFile file(text);
    for (const auto& [section, key, value] : cases) {
      SCOPED_TRACE(std::string(section) + "/" + key + (text.size() > 120 ? " CR LF" : " LF"));
      EXPECT_EQ(file.ReadString(section, key, "-"), value ? value : "-");
      EXPECT_EQ(file.HasKey(section, key), value != nullptr);
    }
    EXPECT_THAT(file.ReadSection("alpha"),
                ElementsAre(Pair("Name", "Anna \326berg"), Pair("NoEquals", ""),
                            Pair("City", "Malm\xF6=South")));
  }
}

TEST(IniWrite, ChangesOnlyWhatItMust) {
  // What is done, the text before, the section, the key (nullptr: erase the section), the value
  // and the text after.
  const std::tuple<const char*, const char*, const char*, const char*, const char*, const char*>
      cases[] = {{"replace keeps the rest", "[A]\r\nx=1\r\ny = 2 \r\n[B]\nx=3\n", "a", "Y", "9",
                  "[A]\r\nx=1\r\ny = 9 \r\n[B]\nx=3\n"},
                 {"key without =", "[A]\nflag\n", "A", "FLAG", "1", "[A]\nflag=1\n"},
                 {"first duplicate section", "[A]\nx=1\n[a]\nx=2\n", "A", "x", "5",
                  "[A]\nx=5\n[a]\nx=2\n"},
                 {"append after last non-blank", "[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "z", "5",
                  "[A]\r\nx=1\r\nz=5\r\n\r\n[B]\r\n"},
                 {"append to open last line", "[A]\r\nx=1", "A", "z", "5", "[A]\r\nx=1\r\nz=5\r\n"},
                 {"new section at end", "[A]\nx=1\n", "C", "k", "v", "[A]\nx=1\n[C]\r\nk=v\r\n"},
                 {"new section after open line", "k=0", "C", "k", "v", "k=0\r\n[C]\r\nk=v\r\n"},
                 {"line ends in a value", "", "C", "k", "1\r\n[Evil]", "[C]\r\nk=1  [Evil]\r\n"},
                 {"bracket in a name", "[a]b]\nk=1\n", "A]B", "k", "2", "[a]b]\nk=2\n"},
                 {"erase every duplicate", "k=0\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n[ a ]\r\nz=3",
                  "A", nullptr, nullptr, "k=0\r\n[B]\r\ny=2\r\n"},
                 {"erase missing section", "[B]\ny=2", "A", nullptr, nullptr, "[B]\ny=2"}};
  for (const auto& [name, before, section, key, value, after] : cases) {
    IniFile file{std::string(before)};
    if (key) file.WriteString(section, key, value);
    if (!key) file.EraseSection(section);
    EXPECT_EQ(file.Text(), after) << name;
  }
}

// Both replacements are one pass over the text that must give what erasing each section and
// writing its keys one by one gives.
TEST(IniWrite, ReplaceSectionsEqualErasingThenWritingOneByOne) {
  const char* texts[] = {"",
                         "[S]\nOld=1\n[T]\nk=v",
                         "[T]\r\nk=v\r\n[s]\r\nA=0\r\n\r\n[S]\n",
                         "x",
                         "[A]\nx=1\n[Keep]\ny=2\n[b]\nz=3\n[a]\nw=4",
                         "; head\r\n[B]\r\n"};
  const std::vector<SectionWrite> batches[] = {
      {{"S", {}}},
      {{"S", {{"A", "1"}, {"B", "2"}}}},
      {{"S", {{"A", "1"}, {"b", "2"}, {"a", "3"}}}},
      {{"S", {{"ID", " spaced "}, {";c", "1"}, {";c", "2"}}}},
      {{"A", {{"ID", "A"}}}, {"B", {{"ID", "B"}, {"k", "v"}}}, {"a", {{"ID", "a2"}}}, {"C", {}}}};
  for (const char* text : texts) {
    for (const auto& batch : batches) {
      SCOPED_TRACE(std::string(text) + " with batch " + std::to_string(&batch - batches));
      IniFile expected{std::string(text)}, oneByOne{std::string(text)}, together{std::string(text)};
      for (const SectionWrite& section : batch) {
        expected.EraseSection(section.Name);
        for (const auto& [key, value] : section.Keys)
          expected.WriteString(section.Name, key, value);
        oneByOne.ReplaceSection(section.Name, section.Keys);
      }
      together.ReplaceSections(batch);
      EXPECT_EQ(oneByOne.Text(), expected.Text());
      EXPECT_EQ(together.Text(), expected.Text());
    }
  }
}

// Lowers the largest file this process may write, so that a write fails halfway as on a full
// disk (permission bits do not stop a test running as root).
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
  }
  void (*handler)(int);
  rlimit saved{};
};

TEST(IniFileOnDisk, LoadKeepsBytesAndChangesReplaceTheFileAtomically) {
  TempDir dir;
  const std::string bytes = "[A]\r\nx=\xE9\xFF\nodd line\r\n[B]\r\ny=2\r\n";
  const std::string path = dir.Write("data.dat", bytes), changed = "[B]\r\ny=2\r\nz=3\r\n";
  IniFile file;
  ASSERT_TRUE(file.Load(path).ok());
  EXPECT_EQ(file.Text(), bytes);
  EXPECT_FALSE(file.Load(dir.Path()).ok());  // exists, but is no file
  ASSERT_TRUE(IniWriteString(path, "B", "z", "3").ok());
  ASSERT_TRUE(IniEraseSection(path, "a").ok());
  ASSERT_TRUE(IniWriteString(dir.File("new.dat"), "N", "k", "v").ok());
  EXPECT_EQ(dir.Read("data.dat"), changed);
  EXPECT_EQ(dir.Read("new.dat"), "[N]\r\nk=v\r\n");

  const Status failed = [&] {
    FileSizeLimit limit(changed.size() + 4);
    return IniWriteString(path, "B", "y", "a value far too long to fit under the limit");
  }();
  EXPECT_THAT(failed.message(), HasSubstr(path));
  EXPECT_EQ(dir.Read("data.dat"), changed);
  EXPECT_THAT(IniWriteString(path + "/x.ini", "A", "x", "1").message(), HasSubstr(path));
  // No temporary file is left behind; the lock files of the changes stay.
  EXPECT_THAT(FilesMatching(dir.Path(), "*"),
              ElementsAre("data.dat", "data.dat.lock", "new.dat", "new.dat.lock"));
}

using testing::ScopedEnv;

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
