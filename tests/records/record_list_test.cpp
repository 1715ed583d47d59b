// The record list shared by every record kind, exercised through the player list; the players.

#include "records/record_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/file_lock.h"
#include "records/player.h"
#include "records_fixture.h"

namespace cardwise {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The keys of the list, each followed by ":" and the record's Player, joined by ",".
std::string Contents(const PlayerList& list) {
  std::string text;
  for (int i = 0; i < list.Count(); ++i)
    text += (i > 0 ? "," : "") + list.KeyAt(i) + ":" + list.RecordAt(i).Name;
  return text;
}

using RecordListTest = testing::ListTest<PlayerList>;

TEST_F(RecordListTest, TheLineReader) {
  struct Case {
    const char* Name;
    std::string Text, Contents;
    int Problems;
  };
  const Case cases[] = {
      {"sorted by key without letter case",
       "[b]\r\nID=b\r\nPlayer=Bee\r\n[A]\r\nID=A\r\nPlayer=Ay\r\n[c]\r\nID=c\r\n",
       "A:Ay,b:Bee,c:", 0},
      {"duplicates in any case keep the last read",
       "[JS]\nID=JS\nPlayer=First\n[js]\nID=js\nPlayer=Second\n", "js:Second", 0},
      {"keys before the first section are ignored", "ID=X\nPlayer=Loose\n\n[A]\nID=A\nPlayer=Ay\n",
       "A:Ay", 2},
      {"the ID line names the record, not the section", "[X]\nID=Y\nPlayer=Why\n", "Y:Why", 0},
      {"no ID line gives the empty key", "[X]\nPlayer=Nobody\n", ":Nobody", 0},
      {"blanks around keys and values", "[A]\n  ID = A \n Player =  Ay Be  \n\n\n", "A:Ay Be", 0},
      {"keys are case-sensitive, unknown ones reported",
       "[A]\nID=A\nplayer=lower\nNick=N\nPlayer=Ay\n", "A:Ay", 2},
      {"a line without \"=\" is its key with an empty value", "[A]\nID=A\nPlayer=Ay\nPlayer\n",
       "A:", 1},
      {"a bad value is reported and the load goes on",
       "[A]\nID=A\nHcp=twelve\n[B]\nID=B\nPlayer=Bee\n", "A:,B:Bee", 1},
      {"an empty file gets a placeholder", "", "??:", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(Contents(Load(c.Text)), c.Contents) << c.Name;
    EXPECT_EQ(static_cast<int>(report_.Problems.size()), c.Problems) << c.Name;
  }
}

// A file of megabytes is read in two parts at once, each a piece at a time: records, duplicates
// and problems come out as one reading of the whole text in file order gives them, with the
// file's line numbers.
TEST_F(RecordListTest, ALargeFileReadInTwoPartsGivesWhatOneReadingGives) {
  constexpr int kPlayers = 60000;
  std::string text;
  for (int i = 0; i < kPlayers; ++i) {
    const std::string id = "P" + std::to_string(i);
    text += "[" + id + "]\r\nID=" + id + "\r\nPlayer=Player number " + std::to_string(i) +
            "\r\nHcp=" + (i == kPlayers - 10 ? "twelve" : "12.5") + "\r\nClub=The same club\r\n";
  }
  text += "[p0]\r\nID=p0\r\nPlayer=Read last\r\n";
  const PlayerList list = Load(text);
  FileReader file;
  ASSERT_TRUE(file.Open(dir_.File("LIST.DAT")));
  ASSERT_LT(SplitFileForReading(file), text.size() / 2 + 100) << "the file is not split";
  ASSERT_GT(text.size() / 2, FileReader::kPieceSize) << "the parts are read in one piece each";
  ASSERT_EQ(list.Count(), kPlayers);
  int index = -1;
  ASSERT_TRUE(list.Find("P0", index));
  EXPECT_EQ(list.RecordAt(index).Name, "Read last");
  ASSERT_TRUE(list.Find("P59999", index));
  EXPECT_EQ(list.RecordAt(index).Name, "Player number 59999");
  ASSERT_EQ(report_.Problems.size(), 1u);
  EXPECT_EQ(report_.Problems[0].Line, (kPlayers - 10) * 5 + 4);
  EXPECT_EQ(report_.Problems[0].Text, "Hcp=twelve");

  PlayerList fromText;
  const LoadReport textReport = fromText.LoadFromText("LIST.DAT", text);
  EXPECT_EQ(Contents(fromText), Contents(list));
  ASSERT_EQ(textReport.Problems.size(), 1u);
  EXPECT_EQ(textReport.Problems[0].Line, report_.Problems[0].Line);
}

TEST_F(RecordListTest, AMissingFileGivesAPlaceholderAndASecondFileMerges) {
  PlayerList list;
  const LoadReport report = list.LoadFromFile(dir_.File("NONE.DAT"));
  EXPECT_TRUE(report.Clean());
  EXPECT_EQ(Contents(list), "??:");
  EXPECT_EQ(list.FileName, dir_.File("NONE.DAT"));

  list = Load("[A]\nID=A\nPlayer=Old\n[C]\nID=C\n");
  list.LoadFromFile(dir_.Write("MORE.DAT", "[a]\nID=a\nPlayer=New\n[B]\nID=B\n[D]\nID=D\n"));
  EXPECT_EQ(Contents(list), "a:New,B:,C:,D:");
  EXPECT_EQ(list.FileName, dir_.File("MORE.DAT"));
}

TEST_F(RecordListTest, DeleteErasesTheSectionAndReturnsTheIndexToShowNext) {
  PlayerList list =
      Load("[A]\r\nID=A\r\n[B]\r\nID=B\r\nPlayer=Bee\r\n[C]\r\nID=C\r\n[D]\r\nID=D\r\n");
  ASSERT_TRUE(list.DeleteByID("b"));
  EXPECT_EQ(Contents(list), "A:,C:,D:");
  EXPECT_EQ(dir_.Read("LIST.DAT"), "[A]\r\nID=A\r\n[C]\r\nID=C\r\n[D]\r\nID=D\r\n");
  EXPECT_EQ(list.DeleteAt(2).Next, 1) << "the deleted record was the last";
  EXPECT_EQ(list.DeleteAt(0).Next, 0);
  EXPECT_EQ(list.DeleteAt(0).Next, -1) << "the list became empty";
  EXPECT_EQ(dir_.Read("LIST.DAT"), "");
}

TEST_F(RecordListTest, SaveAllRewritesItsSectionsAndLeavesOthers) {
  const std::string path = dir_.Write("LIST.DAT", "[A]\r\nID=A\r\nPlayer=Old\r\n[Z]\r\nID=Z\r\n");
  PlayerList list;
  list.AddPlaceholder();
  int index = -1;
  list.PasteFromClipboard("[A]\r\nID=A\r\nPlayer=New\r\n", index);
  ASSERT_TRUE(list.SaveAll(path));
  EXPECT_EQ(dir_.Read("LIST.DAT"), "[Z]\r\nID=Z\r\n[??]\r\nID=??\r\n[A]\r\nID=A\r\nPlayer=New\r\n");
}

TEST_F(RecordListTest, SaveFailuresAreReportedNeverClaimedAsSaved) {
  dir_.Write("blocker", "a file");
  std::vector<std::string> shown;
  const StatusSink previous =
      SetStatusSink([&](const std::string& text) { shown.push_back(text); });
  Player player;
  player.ID = "JS";
  const Status status = SaveRecord(player, dir_.File("blocker/PLAYERS.DAT"));
  SetStatusSink(previous);
  EXPECT_FALSE(status);
  EXPECT_THAT(status.message(), HasSubstr("blocker"));
  EXPECT_THAT(shown, ElementsAre("Saving JS ...", "JS not saved."));
}

TEST_F(RecordListTest, PasteFindsItsTargetByIndexThenIdThenNameElseFilesANewRecord) {
  PlayerList list = Load("[A]\nID=A\nPlayer=Ann Ash\n[C]\nID=C\nPlayer=Cy Cole\n");
  const std::tuple<int, std::string, int> cases[] = {// index given, clipboard, target
                                                     {1, "ID=A\nPlayer=Ann Ash\n", 1},
                                                     {-1, "ID=c\nPlayer=Someone\n", 1},
                                                     {-1, "ID=Q\nPlayer=ANN ASH\n", 0}};
  for (const auto& [given, clip, target] : cases) {
    int index = given;
    ASSERT_TRUE(list.PasteFromClipboard(clip, index));
    EXPECT_EQ(index, target) << clip;
    EXPECT_EQ(list.Count(), 2);
  }
  int index = -1;
  ASSERT_TRUE(list.PasteFromClipboard("[B]\r\nID=B\r\nPlayer=Bee\r\nHcp=3.5\r\n", index));
  EXPECT_EQ(Contents(list), "A:ANN ASH,B:Bee,C:Someone");
  EXPECT_EQ(index, 1);
  EXPECT_FLOAT_EQ(list.RecordAt(1).Hcp, 3.5f);
  EXPECT_FALSE(list.PasteFromClipboard("", index));
}

TEST_F(RecordListTest, AHeldLockFailsEverySaveAndKeepsTheFileAndTheList) {
  const std::string text = "[A]\r\nID=A\r\nPlayer=Ay\r\n[B]\r\nID=B\r\n";
  PlayerList list = Load(text);
  const std::string path = dir_.File("LIST.DAT");
  const auto saved = LockWait();
  SetLockWait(std::chrono::milliseconds(20));
  FileLock held;
  ASSERT_TRUE(FileLock::Acquire(path, held));
  list.RecordAt(0).Name = "Changed";
  const std::pair<const char*, std::function<Status()>> saves[] = {
      {"SaveRecord", [&] { return SaveRecord(list.RecordAt(0), path); }},
      {"SaveAll", [&] { return list.SaveAll(path); }},
      {"DeleteAt", [&] { return list.DeleteAt(1).Outcome; }}};
  for (const auto& [name, save] : saves)
    EXPECT_THAT(save().message(), HasSubstr(path + ": in use")) << name;
  SetLockWait(saved);
  EXPECT_EQ(dir_.Read("LIST.DAT"), text);
  EXPECT_EQ(Contents(list), "A:Changed,B:") << "the records stay, to be saved again";
}

// Each process saves its own thousand players into one file, one save (a read, a change and a
// rename of the whole file) at a time: without the lock, saves that overlap lose each other.
TEST_F(RecordListTest, TwoProcessesSavingIntoOneFileLoseNoRecord) {
  constexpr int kSaves = 1000;
  const std::string path = dir_.File("PLAYERS.DAT");
  const auto saveAll = [&](const std::string& prefix) {
    int failures = 0;
    for (int i = 0; i < kSaves; ++i) {
      Player player;
      player.ID = prefix + std::to_string(i);
      player.Name = "Player " + player.ID;
      failures += SaveRecord(player, path) ? 0 : 1;
    }
    return failures;
  };
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(saveAll("B") == 0 ? 0 : 1);
  const int failures = saveAll("A");
  int childStatus = 0;
  ASSERT_EQ(::waitpid(child, &childStatus, 0), child);
  EXPECT_EQ(failures, 0);
  EXPECT_TRUE(WIFEXITED(childStatus) && WEXITSTATUS(childStatus) == 0);

  PlayerList list;
  EXPECT_TRUE(list.LoadFromFile(path).Clean());
  EXPECT_EQ(list.Count(), 2 * kSaves);
  EXPECT_NE(list.FindRecord("A999"), nullptr);
  EXPECT_NE(list.FindRecord("B999"), nullptr);
}

using PlayerTest = testing::ListTest<PlayerList>;

// The alias is read (FindByName below) but never written.
TEST_F(PlayerTest, SavesTheKeysInOrderAndOnlyTheFilledOnes) {
  Player player;
  std::tie(player.Name, player.Alias, player.Hcp, player.Phone, player.Club) =
      std::make_tuple("John Smith", "Johnny", 12.4f, "555 0100", "Mill Brook GC");
  const std::string path = dir_.File("LIST.DAT");
  ASSERT_TRUE(SaveRecord(player, path));
  EXPECT_EQ(player.ID, "JS");
  const std::string example =
      "[JS]\r\nID=JS\r\nPlayer=John Smith\r\nHcp=12.4\r\nPhone=555 0100\r\nClub=Mill Brook GC\r\n";
  EXPECT_EQ(dir_.Read("LIST.DAT"), example);
  player = Player();  // no name or handicap: only the ID is written
  player.ID = "AN";
  ASSERT_TRUE(SaveRecord(player, path));
  EXPECT_EQ(dir_.Read("LIST.DAT"), example + "[AN]\r\nID=AN\r\n");
}

TEST_F(PlayerTest, HandicapsFollowTheDecimalSeparatorAndReadEither) {
  LocaleFormats comma = IsoFormats();
  comma.DecimalSeparator = ',';
  SetCurrentFormats(comma);
  Player player;
  std::tie(player.ID, player.Hcp) = std::make_tuple("P", -1.5f);
  EXPECT_EQ(player.FileKeys()[1].second, "-1,5");
  const std::pair<std::string, float> reads[] = {
      {"12,4", 12.4f}, {"12.4", 12.4f}, {"3", 3.0f}, {"", 0.0f}};
  for (const auto& [text, expected] : reads) {
    EXPECT_EQ(player.ReadField("Hcp", text).Outcome, FieldResult::Read) << text;
    EXPECT_FLOAT_EQ(player.Hcp, expected) << text;
  }
  EXPECT_EQ(player.ReadField("Hcp", "plus four").Outcome, FieldResult::BadValue);
  EXPECT_EQ(player.Hcp, 0.0f);
}

TEST_F(PlayerTest, MakeIdTakesTheInitialsOfTheFirstTwoWordsUnlessThereIsAnId) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      // ID, name, new ID
      {"", "John Smith", "JS"},    {"", "Anna", "A"}, {"", "Jan van Dijk", "Jv"},
      {"", "  Eva   Lind ", "EL"}, {"", "", ""},      {"KEEP", "John Smith", "KEEP"}};
  for (const auto& [id, name, expected] : cases) {
    Player player;
    std::tie(player.ID, player.Name) = std::tie(id, name);
    player.MakeID();
    EXPECT_EQ(player.ID, expected) << name;
  }
}

TEST_F(PlayerTest, FindByNameMatchesWholeNameOrAliasMarkUsedTellsWhetherUsedBefore) {
  PlayerList list =
      Load("[A]\nID=A\nPlayer=Anna Berg\n[B]\nID=B\nPlayer=Bo \xC5str\xF6m\nAlias=Bosse\n");
  const std::pair<std::string, int> cases[] = {
      {"anna berg", 0}, {"BOSSE", 1}, {"bo \xE5str\xD6m", 1}, {"Anna", -1}, {"", -1}};
  for (const auto& [name, expected] : cases) {
    int index = 99;
    EXPECT_EQ(list.FindByName(name, index), expected >= 0) << name;
    EXPECT_EQ(index, expected) << name;
  }
  EXPECT_FALSE(list.MarkUsed("a")) << "found in any case, not used before";
  EXPECT_TRUE(list.MarkUsed("A")) << "used before";
  EXPECT_FALSE(list.MarkUsed("nobody"));
  list.ClearUsed();
  EXPECT_FALSE(list.MarkUsed("A"));
}

TEST_F(PlayerTest, ClipboardCarriesEveryKeyAndPastesBack) {
  PlayerList list = Load("[JS]\nID=JS\nPlayer=John Smith\nHcp=12.4\n");
  EXPECT_EQ(list.CopyToClipboard(0),
            "[JS]\r\nID=JS\r\nPlayer=John Smith\r\nHcp=12.4\r\nPhone=\r\nEmail=\r\nURL=\r\n"
            "Club=\r\n");
  int index = list.AddPlaceholder();
  ASSERT_TRUE(list.PasteFromClipboard("[X]\r\nID=X\r\nPlayer=Xena\r\nclub=Far Hills\r\n", index));
  const Player& pasted = list.RecordAt(index);
  EXPECT_EQ(pasted.ID, "??") << "pasting into a chosen record keeps its ID";
  EXPECT_EQ(pasted.Name + "|" + pasted.Club, "Xena|Far Hills");
  EXPECT_EQ(pasted.Hcp, 0.0f) << "a missing key empties its field";
}

}  // namespace
}  // namespace cardwise
