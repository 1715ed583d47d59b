#include "settings/captions.h"

#include <gtest/gtest.h>

#include <string>

namespace cardwise {
namespace {

TEST(CaptionTableTest, FollowsTheEnumAndTenCaptionsAreFixed) {
  std::string fixedTexts;
  for (std::size_t i = 0; i < kCaptionCount; ++i) {
    const CaptionEntry& entry = CaptionTable()[i];
    EXPECT_EQ(entry.Id, static_cast<Caption>(i)) << entry.Default;
    if (entry.Key == nullptr) fixedTexts += std::string(entry.Default) + "|";
  }
  EXPECT_EQ(fixedTexts,
            "Birdie Average|Chip-Ins, average|Driving Accuracy|"
            "<U>G</U>reens <U>i</U> <U>r</U>egulation %|M-Index|N-Index|Putts Per Round|"
            "Putting Average (GIR)|Stroke Average|Stats|");
}

// Every keyed caption once, in the order of the settings file.
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

TEST(CaptionsTest, ResetRestoresEveryDefault) {
  CaptionTexts captions;
  captions.SetText(Caption::Player, "Spelare");
  captions.SetText(Caption::URL, "Webb");
  captions.Reset();
  for (const CaptionEntry& entry : CaptionTable())
    EXPECT_EQ(captions.Text(entry.Id), entry.Default);
}

}  // namespace
}  // namespace cardwise
