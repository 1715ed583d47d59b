#include "platform/ini_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;
using testing::TempDir;

std::string WithCrLf(std::string text) {
  for (std::size_t pos = 0; (pos = text.find('\n', pos)) != std::string::npos; pos += 2) {
    text.insert(pos, "\r");
  }
  return text;
}

const char* const kSample =
    "Orphan=before any section\n[Alpha]\nName = Anna \xD6"
    "berg \n\nNoEquals\nCity=Malm\xF6=South\n; Note=a comment\n"
    "[alpha]\nName=Second\n  [ Beta ]  \nKey=b\n[\xC5NGE]\nKey=\xE5";

TEST(IniRead, KeysAndSectionsWithLfAndCrLf) {
  const struct {
    const char* section;
    const char* key;
    const char* value;  // nullptr: absent
  } cases[] = {{"Alpha", "Name",
                "Anna \xD6"
                "berg"},  // the first of duplicate sections
               {"ALPHA", " name ",
                "Anna \xD6"
                "berg"},
               {"Alpha", "City", "Malm\xF6=South"},
               {"Alpha", "NoEquals", ""},
               {"Alpha", "Orphan", nullptr},
               {"", "Orphan", nullptr},
               {"Alpha", "; Note", nullptr},
               {"beta", "key", "b"},
               {"\xE5nge", "KEY", "\xE5"}};
  for (const std::string& text : {std::string(kSample), WithCrLf(kSample)}) {
    const IniFile file(text);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.section) + "/" + c.key + (text.size() > 120 ? " CR LF" : " LF"));
      EXPECT_EQ(file.ReadString(c.section, c.key, "-"), c.value ? c.value : "-");
      EXPECT_EQ(file.HasKey(c.section, c.key), c.value != nullptr);
    }
    EXPECT_THAT(file.ReadSection("alpha"),
                ElementsAre(Pair("Name",
                                 "Anna \xD6"
                                 "berg"),
                            Pair("NoEquals", ""), Pair("City", "Malm\xF6=South")));
  }
}

TEST(IniWrite, ChangesOnlyWhatItMust) {
  const struct {
    const char* name;
    const char* before;
    const char* section;
    const char* key;  // nullptr: erase the section
    const char* value;
    const char* after;
  } cases[] = {
      {"replace keeps the rest", "[A]\r\nx=1\r\ny = 2 \r\n[B]\nx=3\n", "a", "Y", "9",
       "[A]\r\nx=1\r\ny = 9 \r\n[B]\nx=3\n"},
      {"replace in a LF line", "[A]\nx=1\nz\n", "A", "x", "22", "[A]\nx=22\nz\n"},
      {"key without =", "[A]\nflag\n", "A", "FLAG", "1", "[A]\nflag=1\n"},
      {"first duplicate section", "[A]\nx=1\n[a]\nx=2\n", "A", "x", "5", "[A]\nx=5\n[a]\nx=2\n"},
      {"append after last non-blank", "[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "z", "5",
       "[A]\r\nx=1\r\nz=5\r\n\r\n[B]\r\n"},
      {"append to open last line", "[A]\r\nx=1", "A", "z", "5", "[A]\r\nx=1\r\nz=5\r\n"},
      {"new section at end", "[A]\nx=1\n", "C", "k", "v", "[A]\nx=1\n[C]\r\nk=v\r\n"},
      {"new section after open line", "k=0", "C", "k", "v", "k=0\r\n[C]\r\nk=v\r\n"},
      {"line ends in a value", "", "C", "k", "1\r\n[Evil]", "[C]\r\nk=1  [Evil]\r\n"},
      {"bracket in a name", "[a]b]\nk=1\n", "A]B", "k", "2", "[a]b]\nk=2\n"},
      {"erase every duplicate", "k=0\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n[ a ]\r\nz=3", "A", nullptr,
       nullptr, "k=0\r\n[B]\r\ny=2\r\n"},
      {"erase missing section", "[B]\ny=2", "A", nullptr, nullptr, "[B]\ny=2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    IniFile file{std::string(c.before)};
    if (c.key) file.WriteString(c.section, c.key, c.value);
    if (!c.key) file.EraseSection(c.section);
    EXPECT_EQ(file.Text(), c.after);
  }
}

TEST(IniWrite, ReplaceSectionEqualsEraseThenWrites) {
  const char* texts[] = {"", "[S]\nOld=1\n[T]\nk=v", "[T]\r\nk=v\r\n[s]\r\nA=0\r\n\r\n[S]\n", "x"};
  const std::vector<KeyValue> keySets[] = {{},
                                           {{"A", "1"}, {"B", "2"}},
                                           {{"A", "1"}, {"b", "2"}, {"a", "3"}},
                                           {{"ID", " spaced "}, {";c", "1"}, {";c", "2"}}};
  for (const char* text : texts) {
    for (const auto& keys : keySets) {
      SCOPED_TRACE(std::string(text) + " with " + std::to_string(keys.size()) + " keys");
      IniFile expected{std::string(text)};
      expected.EraseSection("S");
      for (const auto& [key, value] : keys)
        expected.WriteString("S", key, value);
      IniFile replaced{std::string(text)};
      replaced.ReplaceSection("S", keys);
      EXPECT_EQ(replaced.Text(), expected.Text());
    }
  }
}

TEST(IniWrite, ReplaceSectionsEqualsReplacingOneByOne) {
  const char* texts[] = {"", "[A]\nx=1\n[Keep]\ny=2\n[b]\nz=3\n[a]\nw=4", "; head\r\n[B]\r\n"};
  const std::vector<SectionWrite> batch = {
      {"A", {{"ID", "A"}}}, {"B", {{"ID", "B"}, {"k", "v"}}}, {"a", {{"ID", "a2"}}}, {"C", {}}};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    IniFile expected{std::string(text)};
    for (const SectionWrite& section : batch)
      expected.ReplaceSection(section.Name, section.Keys);
    IniFile replaced{std::string(text)};
    replaced.ReplaceSections(batch);
    EXPECT_EQ(replaced.Text(), expected.Text());
  }
}

TEST(IniFileOnDisk, LoadKeepsBytesAndChangesSaveAtomically) {
  TempDir dir;
  const std::string bytes = "[A]\r\nx=\xE9\xFF\nodd line\r\n[B]\r\ny=2\r\n";
  IniFile file;
  ASSERT_TRUE(file.Load(dir.Write("data.dat", bytes)).ok());
  EXPECT_EQ(file.Text(), bytes);
  EXPECT_FALSE(file.Load(dir.Path()).ok());  // exists, but is no file
  ASSERT_TRUE(IniWriteString(dir.File("data.dat"), "B", "z", "3").ok());
  ASSERT_TRUE(IniEraseSection(dir.File("data.dat"), "a").ok());
  ASSERT_TRUE(IniWriteString(dir.File("new.dat"), "N", "k", "v").ok());
  EXPECT_EQ(dir.Read("data.dat"), "[B]\r\ny=2\r\nz=3\r\n");
  EXPECT_EQ(dir.Read("new.dat"), "[N]\r\nk=v\r\n");
  EXPECT_THAT(FilesMatching(dir.Path(), "*"), ElementsAre("data.dat", "new.dat"));
}

// Lowers the largest file this process may write, so that a write fails halfway as on a full
// disk (permission bits do not stop a test running as root).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST(IniFileOnDisk, FailedSaveReportsAndKeepsTheOldFile) {
  TempDir dir;
  const std::string old = "[A]\r\nx=1\r\n";
  const std::string path = dir.Write("data.dat", old);
  Status status = Status::Ok();
  {
    FileSizeLimit limit(old.size() + 4);
    status = IniWriteString(path, "A", "x", "a value far too long to fit under the limit");
  }
  EXPECT_THAT(status.message(), HasSubstr(path));
  EXPECT_EQ(dir.Read("data.dat"), old);
  EXPECT_THAT(FilesMatching(dir.Path(), "*"), ElementsAre("data.dat"));
  EXPECT_THAT(IniWriteString(path + "/x.ini", "A", "x", "1").message(), HasSubstr(path));
}

}  // namespace
}  // namespace cardwise
