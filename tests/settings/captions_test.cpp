#include "settings/captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace cardwise {
namespace {

TEST(CaptionTableTest, SixtyOneUniqueKeysAndTenFixedCaptions) {
  std::set<std::string> keys;
  std::string fixedTexts;
  for (const CaptionEntry& entry : CaptionTable()) {
    if (entry.Key == nullptr)
      fixedTexts += std::string(entry.Default) + "|";
    else
      EXPECT_TRUE(keys.insert(entry.Key).second) << "duplicate key " << entry.Key;
  }
  EXPECT_EQ(keys.size(), kCaptionKeyCount);
  EXPECT_EQ(fixedTexts,
            "Birdie Average|Chip-Ins, average|Driving Accuracy|"
            "<U>G</U>reens <U>i</U> <U>r</U>egulation %|M-Index|N-Index|Putts Per Round|"
            "Putting Average (GIR)|Stroke Average|Stats|");
}

TEST(CaptionTableTest, TellingDefaults) {
  const std::pair<Caption, const char*> cases[] = {
      {Caption::AllRounds, "All Rounds:"},
      {Caption::ColorWorst, "This color shows which <B>%d</B> events is not counted in Tour"},
      {Caption::Fw, "Fw."},
      {Caption::Par3s, "Par 3:s"},
      {Caption::LinkToPlayerStats, "Links to player statistics:"},
      {Caption::PlayerIndex, "Player Index"},
      {Caption::ScoreCard, "Scorecard"},
      {Caption::TourResults, "Tour Results:"},
  };
  const TCaptions captions;
  for (const auto& [id, text] : cases)
    EXPECT_EQ(captions.Text(id), text);
}

TEST(CaptionTableTest, FileOrderListsTheKeysAsTheSettingsFileDoes) {
  std::string keys;
  for (Caption id : CaptionFileOrder()) {
    const char* key = CaptionTable()[static_cast<std::size_t>(id)].Key;
    keys += std::string(key == nullptr ? "(fixed)" : key) + " ";
  }
  EXPECT_EQ(keys,
            "AllRounds Average Club ColorWorst Course CourseIndex CourseInfo CourseRating "
            "CourseStats Date Eclectic Email Event EventInTour EventIndex EventMerits "
            "EventResults Fairways Fw Gr Greens Hcp Hole ID In Index Legend Length "
            "LinkToPlayerStats Links Notes OtherStats Out Par3s Par4s Par5s Par ParStats Phone "
            "Player PlayerIndex PlayerInfo Points Pos Pts Put Putts Rank Res Result Round Score "
            "ScoreCard Tot Total Tour TourEvents TourIndex TourMerits TourResults URL ");
}

TEST(CaptionsTest, SetTextChangesOneCaptionAndResetRestoresAll) {
  TCaptions captions;
  captions.SetText(Caption::Player, "Spelare");
  EXPECT_EQ(captions.Text(Caption::Player), "Spelare");
  EXPECT_EQ(captions.Text(Caption::PlayerInfo), "Player Info:");
  captions.Reset();
  for (const CaptionEntry& entry : CaptionTable())
    EXPECT_EQ(captions.Text(entry.Id), entry.Default);
}

}  // namespace
}  // namespace cardwise
