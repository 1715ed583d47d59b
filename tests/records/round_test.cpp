// Rounds and the hole rows of their cards.

#include "records/round.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "records/hole_row.h"
#include "records_fixture.h"
#include "settings/settings.h"

namespace cardwise {
namespace {

const std::string kExample =
    "[020615-1030-JS]\r\nID=020615-1030-JS\r\nPlayerID=JS\r\nPlayer=John Smith\r\n"
    "CourseID=MILLBGC\r\nCourse=Mill Brook Golf Club\r\nEventID=SPRING\r\nEvent=Spring Cup\r\n"
    "Hcp=12.4\r\nStrokes=12\r\nDate=2002-06-15\r\nStart=10:30:00\r\n"
    "Score=5,4,3,6,5,4,4,5,6,4,5,3,6,5,4,3,5,6\r\n"
    "Greens=0,1,1,0,0,1,0,0,0,1,0,1\r\nFairways=1,0,0,1,1,0,0,1,1,1\r\n"
    "Putts=2,2,2,2,2,1,2,2,2,2,2,2,3,2,2,1,2,2\r\n"
    "CPar=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n"
    "CHcp=7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4\r\n"
    "CLen=350,362,141,470,330,380,152,344,455,362,317,128,488,351,376,160,309,479\r\n"
    "TotalGreens=5\r\nTotalFairways=6\r\nTotalPutts=35\r\n";

using RoundTest = testing::ListTest<RoundList>;

TEST_F(RoundTest, WorkedExampleSavesBackByteForByteAndGivesItsSumsAndTexts) {
  RoundList list = Load(kExample);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_TRUE(report_.Clean());
  EXPECT_EQ(list.CopyToClipboard(0), kExample);
  ASSERT_TRUE(SaveRecord(list.RecordAt(0), dir_.File("ONE.DAT")));
  EXPECT_EQ(dir_.Read("ONE.DAT"), kExample);
  ASSERT_TRUE(list.SaveToFile(dir_.File("ALL.DAT")));
  EXPECT_EQ(dir_.Read("ALL.DAT"), kExample);

  list.RecordAt(0).EventIDs = "AUTUMN";
  EXPECT_EQ(list.RecordAt(0).FileKeys()[6], KeyValue("EventIDs", "AUTUMN"));
  EXPECT_EQ(list.CopyToClipboard(0), kExample) << "the clipboard leaves EventIDs out";

  const Round& round = list.RecordAt(0);
  EXPECT_EQ(std::make_tuple(round.PointsOut(), round.PointsIn(), round.PointsTotal()),
            std::make_tuple(18, 19, 37));
  const std::tuple<int, int, int> lastHoles[] = {{0, 0, 0}, {3, 14, 5}, {9, 41, 19}, {18, 83, 37}};
  for (const auto& [n, score, points] : lastHoles) {
    EXPECT_EQ(round.LastHolesScore(n), score) << n;
    EXPECT_EQ(round.LastHolesPoints(n), points) << n;
  }
  EXPECT_EQ(round.DateText(), "2002-06-15, 10:30");
  EXPECT_TRUE(round.InYear(0) && round.InYear(*EncodeDate(2002, 12, 31)));
  EXPECT_FALSE(round.InYear(*EncodeDate(1902, 6, 15)));
}

TEST_F(RoundTest, MissingStrokesComeFromTheHandicapRoundedHalfToEven) {
  const RoundList list = Load(
      "[A]\nID=A\nHcp=12.5\n[B]\nID=B\nHcp=13.5\n[C]\nID=C\nHcp=-0.6\n[D]\nID=D\nHcp=20\n"
      "Strokes=18\n[E]\nID=E\nHcp=7,4");
  const std::vector<int> strokes = {12, 14, -1, 18, 7};
  for (int i = 0; i < list.Count(); ++i)
    EXPECT_EQ(list.RecordAt(i).Strokes, strokes[static_cast<std::size_t>(i)]) << i;
}

TEST_F(RoundTest, BadValuesAreReportedWithoutLosingARecord) {
  const RoundList list = Load(
      "[A]\nID=A\nScore=4\n[B]\nID=B\nDate=15/31/2002\nStart=25:00\nHcp=x\nScore=4\n"
      "[C]\nID=C\nScore=4\n");
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.RecordAt(1).Date, 0.0);
  EXPECT_EQ(list.RecordAt(2).Score.AsText(), "4");
  const std::string path = dir_.File("LIST.DAT");
  EXPECT_EQ(report_.Messages(), (std::vector<std::string>{path + ":6: not a date: Date=15/31/2002",
                                                          path + ":7: not a time: Start=25:00",
                                                          path + ":8: not a number: Hcp=x"}));
}

TEST_F(RoundTest, SaveToFileKeepsTheFileAsItWasInOneBackup) {
  const std::string original = "[B]\nID=B\nScore=5\n[A]\nID=A\n";
  RoundList list = Load(original);
  const std::string path = dir_.File("LIST.DAT");
  ASSERT_TRUE(list.SaveToFile(path));
  const std::string first = "[B]\r\nID=B\r\nScore=5\r\n";
  EXPECT_EQ(dir_.Read("LIST.DAT"), first) << "a round without a score is left out";
  EXPECT_EQ(dir_.Read("LIST.bak"), original);
  list.RecordAt(1).Score.SetHoleValue(1, 6);
  ASSERT_TRUE(list.SaveToFile(path));
  EXPECT_EQ(dir_.Read("LIST.bak"), first);

  // A backup that cannot be written stops the save before the file is touched.
  std::filesystem::remove(dir_.File("LIST.bak"));
  std::filesystem::create_directory(dir_.File("LIST.bak"));
  const std::string second = dir_.Read("LIST.DAT");
  list.RecordAt(1).Score.SetHoleValue(1, 7);
  EXPECT_FALSE(list.SaveToFile(path));
  EXPECT_EQ(dir_.Read("LIST.DAT"), second);
  EXPECT_EQ(BackupPath("/data.d/my.rounds.dat"), "/data.d/my.rounds.bak");
  EXPECT_EQ(BackupPath("/data.d/ROUNDS"), "/data.d/ROUNDS.bak");
}

TEST_F(RoundTest, PasteKeepsTheTargetsHandicapsEventsAndTotals) {
  RoundList list = Load(
      "[A]\nID=A\nCourseID=M\nHcp=12.4\nStrokes=12\nEventIDs=X\nTotalPutts=30\nStart=10:00:00\n");
  int index = 0;
  ASSERT_TRUE(list.PasteFromClipboard(
      "[Z]\nplayer=Eva\nScore=4,4\nHcp=30\nStrokes=30\nEventIDs=Y\nTotalPutts=40\n", index));
  Round& round = list.RecordAt(index);
  EXPECT_EQ(std::tie(round.ID, round.PlayerName, round.CourseID, round.EventIDs),
            std::make_tuple("A", "Eva", "", "X"));
  EXPECT_EQ(std::make_tuple(round.Date, round.Start), std::make_tuple(Today(), 0.0));
  EXPECT_EQ(std::make_tuple(round.Hcp, round.Strokes, round.Putts.Total()),
            std::make_tuple(12.4f, std::int16_t{12}, 30));
  EXPECT_EQ(list.CopyToClipboard(list.AddPlaceholder()), "[??]\r\nID=??\r\nScore=\r\n");
}

using namespace std::string_literals;

Result RowOf(const std::string& fileText) {
  Result row;
  row.FromText(fileText, 1, ',');
  return row;
}

TEST(ResultText, FromTextStopsAfterTheFirstEmptyField) {
  const std::string nines = "9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9";
  // Before, text, first hole, separator, after (file forms; every case ends on a filled hole).
  const std::tuple<std::string, std::string, int, char, std::string> cases[] = {
      {nines, "4,5,3", 1, ',', "4,5,3,0,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      {nines, "4,,5", 1, ',', "4,0,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      {nines, "", 1, ',', "0,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      {nines, " 4 , 5 ,x,2", 1, ',', "4,5,0,2,0,9,9,9,9,9,9,9,9,9,9,9,9,9"},
      // The second half of a legacy card goes in from hole 10 and stops at hole 18.
      {"", "1 2 3 4 5 6 7 8 9 10 11", 10, ' ', "0,0,0,0,0,0,0,0,0,1,2,3,4,5,6,7,8,9"},
      {"", "4;5", 17, ';', "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,4,5"}};
  for (const auto& [before, text, first, separator, after] : cases) {
    Result row = RowOf(before);
    row.FromText(text, first, separator);
    EXPECT_EQ(row.AsText(), after) << '"' << text << '"';
  }
}

// A round holds its hole texts only once one is set: an empty set and a set emptied again read
// and write as eighteen empty texts.
TEST(StatTexts, ReadAndWriteEighteenTextsWhetherOrNotAnyIsHeld) {
  const std::string none(17, ';');
  const struct {
    std::string Text, AsText;
    int Hole;
    std::string AtHole;
  } cases[] = {{"", none, 1, ""},
               {"bunker;;water", "bunker;;water" + std::string(15, ';'), 3, "water"},
               {" a ; b ", "a;b" + std::string(16, ';'), 2, "b"},
               {std::string(17, ';') + "last;ignored", none + "last", 18, "last"},
               {";;;", none, 19, ""}};
  for (const auto& c : cases) {
    StatTexts texts;
    texts.Set(7, "before");
    texts.FromText(c.Text);
    EXPECT_EQ(texts.AsText(), c.AsText) << c.Text;
    EXPECT_EQ(texts.Get(c.Hole), c.AtHole) << c.Text;
    EXPECT_EQ(texts.IsEmpty(), c.AsText == none) << c.Text;
  }
  StatTexts texts;
  texts.Set(1, "");
  texts.Set(19, "no such hole");
  EXPECT_TRUE(texts.IsEmpty());
  texts.Set(5, "x");
  EXPECT_EQ(texts.AsText(), ";;;;x" + std::string(13, ';'));
  texts.Clear();
  EXPECT_EQ(texts.AsText(), none);
}

TEST(ResultTotals, StrictRowsNeedEveryHoleOfTheRangeCompleteRangesAlways) {
  Result score = RowOf("5,4,3,6,5,4,4,5,6,4,5,3,6,5,4,3,5,6");
  score.StrictTotal = true;
  EXPECT_EQ(score.Total(), 83);
  score.SetHole(7, "");
  EXPECT_EQ(std::make_tuple(score.Total(), score.Out(), score.In()), std::make_tuple(0, 0, 41));
  EXPECT_EQ(std::make_pair(score.Value(19), score.Value(20)), std::make_pair(0, 41));

  const Result front = RowOf("4,4,4,4,4,4,4,4,4");  // not strict
  EXPECT_EQ(std::make_tuple(front.OutIfComplete(), front.InIfComplete(), front.TotalIfComplete(),
                            front.Out()),
            std::make_tuple(36, 0, 0, 36));
}

TEST(ResultTotals, LooseRowsSumWhatIsThereOrTheStoredTotal) {
  Result greens = RowOf("0,1,1,0,0,1");
  EXPECT_EQ(greens.Total(), 3);
  EXPECT_EQ(greens.StoredTotal, 3) << "Total keeps its sum as the stored total";
  EXPECT_EQ(greens.TotalIfComplete(), 0);

  Result onlyTotal;
  onlyTotal.SetTotal(11);
  EXPECT_EQ(std::make_pair(onlyTotal.Total(), onlyTotal.TotalText()), std::make_pair(11, "11"s));
  EXPECT_TRUE(onlyTotal.IsEmpty());
  EXPECT_EQ(Result().TotalText(), "");

  Result wraps = RowOf("30000,30000");  // sums are 16-bit, as the files have always held them
  EXPECT_EQ(wraps.Total(), 60000 - 65536);
}

TEST(ResultOperations, KeepBestCountAndAverageWhere) {
  Result best;
  for (const auto& [offered, expected] :
       std::vector<std::pair<int, int>>{{5, 5}, {6, 5}, {4, 4}, {0, 4}, {-1, 4}}) {
    best.KeepBest(3, offered);
    EXPECT_EQ(best.Hole(3), expected) << "after offering " << offered;
  }
  const Result putts = RowOf("2,1,2,3,2,2");
  EXPECT_EQ(putts.Count(2), 4);
  EXPECT_EQ(putts.Count(0), 12);
  EXPECT_DOUBLE_EQ(putts.AverageWhere(RowOf("1,0,1,0,0,1")), 2.0);
  EXPECT_DOUBLE_EQ(putts.AverageWhere(Result()), 0.0);
}

}  // namespace
}  // namespace cardwise
