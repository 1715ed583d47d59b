#include "records/player.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "records_fixture.h"

namespace cardwise {
namespace {

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
