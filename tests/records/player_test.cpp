#include "records/player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/locale_formats.h"
#include "support/temp_dir.h"

namespace cardwise {
namespace {

class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentFormats(IsoFormats()); }
  void TearDown() override { SetCurrentFormats(IsoFormats()); }

  testing::TempDir dir_;
};

TEST_F(PlayerTest, SavesTheKeysInOrderAndOnlyTheFilledOnes) {
  TPlayer player;
  player.Player = "John Smith";
  player.Alias = "Johnny";
  player.Hcp = 12.4f;
  player.Phone = "555 0100";
  player.Club = "Mill Brook GC";
  const std::string path = dir_.File("PLAYERS.DAT");
  ASSERT_TRUE(SaveRecord(player, path));
  EXPECT_EQ(player.ID, "JS");
  EXPECT_EQ(dir_.Read("PLAYERS.DAT"),
            "[JS]\r\nID=JS\r\nPlayer=John Smith\r\nHcp=12.4\r\nPhone=555 0100\r\n"
            "Club=Mill Brook GC\r\n");

  TPlayer scratch;  // nothing but the ID is written for a player with no name or handicap
  scratch.ID = "AN";
  ASSERT_TRUE(SaveRecord(scratch, path));
  EXPECT_EQ(dir_.Read("PLAYERS.DAT").substr(dir_.Read("PLAYERS.DAT").find("[AN]")),
            "[AN]\r\nID=AN\r\n");
}

TEST_F(PlayerTest, HandicapsFollowTheDecimalSeparatorAndReadEither) {
  LocaleFormats comma = IsoFormats();
  comma.DecimalSeparator = ',';
  SetCurrentFormats(comma);
  TPlayer player;
  player.ID = "P";
  player.Hcp = -1.5f;
  EXPECT_EQ(player.FileKeys()[1].second, "-1,5");
  const std::vector<std::pair<std::string, float>> reads = {
      {"12,4", 12.4f}, {"12.4", 12.4f}, {"3", 3.0f}, {"", 0.0f}};
  for (const auto& [text, expected] : reads) {
    EXPECT_EQ(player.ReadField("Hcp", text).Outcome, FieldResult::Read) << text;
    EXPECT_FLOAT_EQ(player.Hcp, expected) << text;
  }
  EXPECT_EQ(player.ReadField("Hcp", "plus four").Outcome, FieldResult::BadValue);
  EXPECT_EQ(player.Hcp, 0.0f);
}

TEST_F(PlayerTest, MakeIdTakesTheInitialsOfTheFirstTwoWords) {
  const std::vector<std::pair<std::string, std::string>> cases = {{"John Smith", "JS"},
                                                                  {"Anna", "A"},
                                                                  {"Jan van Dijk", "Jv"},
                                                                  {"  Eva   Lind ", "EL"},
                                                                  {"", ""}};
  for (const auto& [name, id] : cases) {
    TPlayer player;
    player.Player = name;
    player.MakeID();
    EXPECT_EQ(player.ID, id) << name;
  }
  TPlayer named;
  named.ID = "KEEP";
  named.Player = "John Smith";
  named.MakeID();
  EXPECT_EQ(named.ID, "KEEP");
}

TEST_F(PlayerTest, FindByNameMatchesWholeNameOrAliasInAnyCase) {
  TPlayerList list;
  list.LoadFromFile(dir_.Write("PLAYERS.DAT",
                               "[A]\nID=A\nPlayer=Anna Berg\n[B]\nID=B\nPlayer=Bo \xC5str\xF6m\n"
                               "Alias=Bosse\n"));
  const std::vector<std::pair<std::string, int>> cases = {
      {"anna berg", 0}, {"BOSSE", 1}, {"bo \xE5str\xD6m", 1}, {"Anna", -1}, {"", -1}};
  for (const auto& [name, expected] : cases) {
    int index = 99;
    EXPECT_EQ(list.FindByName(name, index), expected >= 0) << name;
    EXPECT_EQ(index, expected) << name;
  }
}

TEST_F(PlayerTest, TheAliasLivesInMemoryUntilTheNextSave) {
  const std::string path =
      dir_.Write("PLAYERS.DAT", "[B]\r\nID=B\r\nPlayer=Bo Lind\r\nAlias=Bosse\r\n");
  TPlayerList list;
  list.LoadFromFile(path);
  EXPECT_EQ(list.RecordAt(0).Alias, "Bosse");
  ASSERT_TRUE(SaveRecord(list.RecordAt(0), path));
  EXPECT_EQ(dir_.Read("PLAYERS.DAT"), "[B]\r\nID=B\r\nPlayer=Bo Lind\r\n");
}

TEST_F(PlayerTest, ClipboardCarriesEveryKeyAndPastesBack) {
  TPlayerList list;
  list.LoadFromFile(dir_.Write("PLAYERS.DAT", "[JS]\nID=JS\nPlayer=John Smith\nHcp=12.4\n"));
  const std::string clip = list.CopyToClipboard(0);
  EXPECT_EQ(clip,
            "[JS]\r\nID=JS\r\nPlayer=John Smith\r\nHcp=12.4\r\nPhone=\r\nEmail=\r\nURL=\r\n"
            "Club=\r\n");

  int index = list.AddPlaceholder();
  ASSERT_TRUE(list.PasteFromClipboard("[X]\r\nID=X\r\nPlayer=Xena\r\nclub=Far Hills\r\n", index));
  const TPlayer& pasted = list.RecordAt(index);
  EXPECT_EQ(pasted.ID, "??") << "pasting into a chosen record keeps its ID";
  EXPECT_EQ(pasted.Player, "Xena");
  EXPECT_EQ(pasted.Club, "Far Hills");
  EXPECT_EQ(pasted.Hcp, 0.0f) << "a missing key empties its field";
}

TEST_F(PlayerTest, ReloadReadsTheSectionOfTheCurrentId) {
  const std::string path =
      dir_.Write("PLAYERS.DAT", "[JS]\nID=JS\nPlayer=John Smith\nHcp=12.4\nClub=Mill\n");
  TPlayer player;
  player.ID = "js";
  player.Player = "Edited";
  player.Hcp = 3;
  player.Email = "kept@example.org";
  ASSERT_TRUE(ReloadRecord(player, path));
  EXPECT_EQ(player.ID, "JS");
  EXPECT_EQ(player.Player, "John Smith");
  EXPECT_FLOAT_EQ(player.Hcp, 12.4f);
  EXPECT_EQ(player.Club, "Mill");
  EXPECT_EQ(player.Email, "kept@example.org") << "a key not in the file keeps its value";
}

}  // namespace
}  // namespace cardwise
