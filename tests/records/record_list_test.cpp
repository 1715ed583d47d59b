// The record list shared by every record kind, exercised through the player list.

#include "records/record_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/player.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> Keys(const TPlayerList& list) {
  std::vector<std::string> keys;
  for (int i = 0; i < list.Count(); ++i)
    keys.push_back(list.KeyAt(i));
  return keys;
}

class RecordListTest : public ::testing::Test {
 protected:
  TPlayerList LoadText(const std::string& text) {
    TPlayerList list;
    report_ = list.LoadFromFile(dir_.Write("PLAYERS.DAT", text));
    return list;
  }

  testing::TempDir dir_;
  LoadReport report_;
};

struct ReaderCase {
  const char* Name;
  std::string Text;
  std::vector<std::string> Keys;
  std::vector<std::string> Names;  // Player of each record
  int Problems;

  friend void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.Name; }
};

class LineReaderTest : public RecordListTest, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(LineReaderTest, ReadsRecords) {
  const ReaderCase& c = GetParam();
  const TPlayerList list = LoadText(c.Text);
  EXPECT_EQ(Keys(list), c.Keys);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i)
    names.push_back(list.RecordAt(i).Player);
  EXPECT_EQ(names, c.Names);
  EXPECT_EQ(static_cast<int>(report_.Problems.size()), c.Problems);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineReaderTest,
    ::testing::Values(
        ReaderCase{"SortedByKeyWithoutLetterCase",
                   "[b]\r\nID=b\r\nPlayer=Bee\r\n[A]\r\nID=A\r\nPlayer=Ay\r\n[c]\r\nID=c\r\n",
                   {"A", "b", "c"},
                   {"Ay", "Bee", ""},
                   0},
        ReaderCase{"DuplicatesInAnyCaseKeepTheLastRead",
                   "[JS]\nID=JS\nPlayer=First\n[js]\nID=js\nPlayer=Second\n",
                   {"js"},
                   {"Second"},
                   0},
        ReaderCase{"KeysBeforeTheFirstSectionAreIgnored",
                   "ID=X\nPlayer=Loose\n\n[A]\nID=A\nPlayer=Ay\n",
                   {"A"},
                   {"Ay"},
                   2},
        ReaderCase{
            "TheIdLineNamesTheRecordNotTheSection", "[X]\nID=Y\nPlayer=Why\n", {"Y"}, {"Why"}, 0},
        ReaderCase{"NoIdLineGivesTheEmptyKey", "[X]\nPlayer=Nobody\n", {""}, {"Nobody"}, 0},
        ReaderCase{"BlanksAroundKeysAndValues",
                   "[A]\n  ID = A \n Player =  Ay Be  \n\n\n",
                   {"A"},
                   {"Ay Be"},
                   0},
        ReaderCase{"KeysAreCaseSensitiveAndUnknownOnesReported",
                   "[A]\nID=A\nplayer=lower\nNick=N\nPlayer=Ay\n",
                   {"A"},
                   {"Ay"},
                   2},
        ReaderCase{"ALineWithoutEqualsIsItsKeyWithAnEmptyValue",
                   "[A]\nID=A\nPlayer=Ay\nPlayer\n",
                   {"A"},
                   {""},
                   1},
        ReaderCase{"ABadValueIsReportedAndTheLoadGoesOn",
                   "[A]\nID=A\nHcp=twelve\n[B]\nID=B\nPlayer=Bee\n",
                   {"A", "B"},
                   {"", "Bee"},
                   1},
        ReaderCase{"AnEmptyFileGetsAPlaceholder", "", {"??"}, {""}, 0}),
    [](const auto& info) { return info.param.Name; });

TEST_F(RecordListTest, MissingFileGivesOnePlaceholderAndSetsTheFileName) {
  TPlayerList list;
  const std::string path = dir_.File("NONE.DAT");
  const LoadReport report = list.LoadFromFile(path);
  EXPECT_TRUE(report.Clean());
  EXPECT_THAT(Keys(list), ElementsAre("??"));
  EXPECT_EQ(list.FileName, path);
}

TEST_F(RecordListTest, ProblemsNameFileLineAndText) {
  LoadText("[A]\nID=A\nHcp=x1\n");
  ASSERT_EQ(report_.Messages().size(), 1u);
  EXPECT_EQ(report_.Messages()[0], dir_.File("PLAYERS.DAT") + ":3: not a number: Hcp=x1");
}

TEST_F(RecordListTest, LoadingASecondFileMerges) {
  TPlayerList list = LoadText("[A]\nID=A\nPlayer=Old\n[C]\nID=C\n");
  list.LoadFromFile(dir_.Write("MORE.DAT", "[a]\nID=a\nPlayer=New\n[B]\nID=B\n[D]\nID=D\n"));
  EXPECT_THAT(Keys(list), ElementsAre("a", "B", "C", "D"));
  EXPECT_EQ(list.RecordAt(0).Player, "New");
  EXPECT_EQ(list.FileName, dir_.File("MORE.DAT"));
}

TEST_F(RecordListTest, FindIsABinarySearchWithoutLetterCase) {
  const TPlayerList list = LoadText("[A]\nID=AB\n[C]\nID=CD\n[E]\nID=EF\n");
  const std::vector<std::pair<std::string, std::pair<bool, int>>> cases = {
      {"ab", {true, 0}}, {"CD", {true, 1}},  {"Ef", {true, 2}},
      {"A", {false, 0}}, {"CE", {false, 2}}, {"Z", {false, 3}}};
  for (const auto& [id, expected] : cases) {
    int index = -1;
    EXPECT_EQ(list.Find(id, index), expected.first) << id;
    EXPECT_EQ(index, expected.second) << id;
  }
}

TEST_F(RecordListTest, DeleteReturnsTheIndexToShowNext) {
  TPlayerList list = LoadText("[A]\nID=A\n[B]\nID=B\n[C]\nID=C\n");
  EXPECT_EQ(list.DeleteAt(2).Next, 1) << "the deleted record was the last";
  EXPECT_EQ(list.DeleteAt(0).Next, 0);
  EXPECT_EQ(list.DeleteAt(0).Next, -1) << "the list became empty";
  EXPECT_EQ(dir_.Read("PLAYERS.DAT"), "");
}

TEST_F(RecordListTest, DeleteErasesTheSectionAndKeepsTheRest) {
  TPlayerList list = LoadText("[A]\r\nID=A\r\n[B]\r\nID=B\r\nPlayer=Bee\r\n[C]\r\nID=C\r\n");
  ASSERT_TRUE(list.DeleteByID("b"));
  EXPECT_THAT(Keys(list), ElementsAre("A", "C"));
  EXPECT_EQ(dir_.Read("PLAYERS.DAT"), "[A]\r\nID=A\r\n[C]\r\nID=C\r\n");
}

TEST_F(RecordListTest, ADeleteThatCannotBeWrittenKeepsTheRecord) {
  // A file that can be read but whose folder takes no new file, even for root.
  const std::string readOnly = "/proc/version";
  if (!FileExists(readOnly)) GTEST_SKIP() << "no " << readOnly;
  TPlayerList list = LoadText("[A]\nID=A\n[B]\nID=B\n");
  list.FileName = readOnly;
  const DeleteResult result = list.DeleteAt(0);
  EXPECT_FALSE(result.Outcome);
  EXPECT_EQ(result.Next, 0);
  EXPECT_THAT(Keys(list), ElementsAre("A", "B"));
  EXPECT_FALSE(list.DeleteByID("B"));
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(RecordListTest, SaveAllRewritesItsSectionsAndLeavesOthers) {
  const std::string path =
      dir_.Write("PLAYERS.DAT", "[A]\r\nID=A\r\nPlayer=Old\r\n[Z]\r\nID=Z\r\n");
  TPlayerList list;
  list.AddPlaceholder();
  int index = -1;
  list.PasteFromClipboard("[A]\r\nID=A\r\nPlayer=New\r\n", index);
  ASSERT_TRUE(list.SaveAll(path));
  EXPECT_EQ(dir_.Read("PLAYERS.DAT"),
            "[Z]\r\nID=Z\r\n[??]\r\nID=??\r\n[A]\r\nID=A\r\nPlayer=New\r\n");
}

TEST_F(RecordListTest, SaveFailuresAreReportedNeverClaimedAsSaved) {
  dir_.Write("blocker", "a file");
  const std::string path = dir_.File("blocker/PLAYERS.DAT");
  std::vector<std::string> shown;
  const StatusSink previous =
      SetStatusSink([&](const std::string& text) { shown.push_back(text); });
  TPlayer player;
  player.ID = "JS";
  const Status status = SaveRecord(player, path);
  SetStatusSink(previous);
  EXPECT_FALSE(status);
  EXPECT_THAT(status.message(), HasSubstr("blocker"));
  EXPECT_THAT(shown, ElementsAre("Saving JS ...", "JS not saved."));
}

TEST_F(RecordListTest, PasteOfAnUnknownRecordFilesItUnderItsOwnId) {
  TPlayerList list = LoadText("[A]\nID=A\n[C]\nID=C\n");
  int index = -1;
  ASSERT_TRUE(list.PasteFromClipboard("[B]\r\nID=B\r\nPlayer=Bee\r\nHcp=3.5\r\n", index));
  EXPECT_THAT(Keys(list), ElementsAre("A", "B", "C"));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(list.RecordAt(1).Player, "Bee");
  EXPECT_FLOAT_EQ(list.RecordAt(1).Hcp, 3.5f);
}

TEST_F(RecordListTest, PasteFindsItsTargetByIndexThenIdThenName) {
  TPlayerList list = LoadText("[A]\nID=A\nPlayer=Ann Ash\n[B]\nID=B\nPlayer=Bob Bell\n");
  struct Case {
    int Index;
    std::string Clip;
    int Target;
  };
  const std::vector<Case> cases = {
      {1, "ID=A\nPlayer=Ann Ash\n", 1},
      {-1, "ID=b\nPlayer=Someone\n", 1},
      {-1, "ID=Q\nPlayer=ANN ASH\n", 0},
  };
  for (const Case& c : cases) {
    int index = c.Index;
    ASSERT_TRUE(list.PasteFromClipboard(c.Clip, index));
    EXPECT_EQ(index, c.Target) << c.Clip;
    EXPECT_EQ(list.Count(), 2);
  }
  int index = 0;
  EXPECT_FALSE(list.PasteFromClipboard("", index));
}

TEST_F(RecordListTest, ClearUsedAndMarkUsed) {
  TPlayerList list = LoadText("[A]\nID=A\n[B]\nID=B\n");
  EXPECT_FALSE(list.MarkUsed("a"));
  EXPECT_TRUE(list.MarkUsed("A"));
  EXPECT_FALSE(list.MarkUsed("nobody"));
  list.ClearUsed();
  EXPECT_FALSE(list.RecordAt(0).Used);
}

}  // namespace
}  // namespace cardwise
