// Reading the DX exchange files of the DOS predecessor: courses, players and rounds.

#include "records/dx_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "records/text.h"
#include "records_fixture.h"

namespace cardwise {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// One DX record: its lines (separated by "|" here) with CR LF, then the terminator.
std::string Record(const std::string& lines, const std::string& end = "*EOR") {
  return ReplaceAll("|", "\r\n", lines) + "\r\n" + end + "\r\n";
}

class DXImportTest : public testing::FormatsTest {
 protected:
  template <class T, class Reader>
  DXImportReport Import(const std::string& dx, const Reader& reader,
                        const std::string& target = "OUT.DAT") {
    return ImportDX<T>(dir_.Write("IN.DX", dx), dir_.File(target), reader);
  }

  // The target as SaveRecord of each finished record in turn leaves it.
  template <class T, class Reader>
  void SaveOneByOne(const std::string& dx, const Reader& reader, const std::string& target) {
    T record;
    for (const DXLine& line : SplitDXLines(dx)) {
      if (line.Text != Reader::kTerminator) {
        reader.Apply(record, line.Key, line.Value);
        continue;
      }
      if (reader.Finish(record)) {
        ASSERT_TRUE(SaveRecord(record, dir_.File(target)));
      }
      record.Clear();
    }
  }

  PlayerList players_;
  CourseList courses_;
  DXRoundReader rounds_{players_, courses_, nullptr};
};

TEST_F(DXImportTest, CourseRecordsFillNameRatingAndBothHalvesOfEachRow) {
  const std::string dx = Record(
      "Klubb=Bj\x94rkviken GK|Telefon = 555 120 |Slope=71.2 / 128|ParUT=4 4 3 5 4 4 3 4 5|"
      "ParIN=4 4 3 5 4 4 3 4 5|HcpUT=7 11 17 1 9 5 15 13 3|GulIN=362 317|Okand=1",
      "*EOB");
  const DXImportReport report = Import<Course>(dx, DXCourseReader{});
  ASSERT_TRUE(report.Outcome) << report.Outcome.message();
  EXPECT_EQ(report.Imported, 1);
  // DOS letters arrive as Windows letters; the name doubles as the alias.
  EXPECT_EQ(dir_.Read("OUT.DAT"),
            "[BJ\xD6RG]\r\nID=BJ\xD6RG\r\nCourse=Bj\xF6rkviken GK\r\nAlias=Bj\xF6rkviken GK\r\n"
            "Phone=555 120\r\nCR=71.2\r\nSlope=128.0\r\nPar=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n"
            "Hcp=7,11,17,1,9,5,15,13,3\r\nLen=0,0,0,0,0,0,0,0,0,362,317\r\n");
}

TEST_F(DXImportTest, RoundIdsAndTeeTimesAsTheDXKeysGiveThem) {
  const std::tuple<const char*, std::string, std::string> cases[] = {
      // Without a start the tee time comes from the score: a 90 with 45 in, a 72 with 36 in.
      {"Spelare=John Smith|Datum=020615|ScoreUT=5 5 5 5 5 5 5 5 5|ScoreIN=5 5 5 5 5 5 5 5 5",
       "020615-0853-JS", "08:53:20"},
      {"Spelare=Anna|Datum=020615|Start=|ScoreUT=4 4 4 4 4 4 4 4 4|ScoreIN=4 4 4 4 4 4 4 4 4",
       "020615-1106-A", "11:06:40"},
      {"Spelare=John Smith|Datum=020615|ScoreUT=5 5 5", "020615-1200-JS", "12:00:00"},
      {"Spelare=Anna|Datum=0206|Start=9.05|ScoreUT=4", "020601-0905-A", "09:05:00"},
      {"Spelare=Anna|Datum=02|Start=14,30|ScoreUT=4", "020101-1430-A", "14:30:00"}};
  for (const auto& [lines, id, start] : cases) {
    DeleteFile(dir_.File("OUT.DAT"));
    ASSERT_TRUE(Import<Round>(Record(lines), rounds_).Outcome);
    EXPECT_THAT(dir_.Read("OUT.DAT"),
                AllOf(StartsWith("[" + id + "]\r\n"), HasSubstr("\nStart=" + start + "\r\n")))
        << lines;
  }
}

TEST_F(DXImportTest, RoundsTakeTheirPlayerCourseAndEventByName) {
  players_.LoadFromFile(dir_.Write("P.DAT", "[GOR]\r\nID=GOR\r\nPlayer=G\xF6ran \xC5str\xF6m\r\n"));
  courses_.LoadFromFile(
      dir_.Write("C.DAT",
                 "[BV]\r\nID=BV\r\nCourse=Bj\xF6rkviken Golf\r\nAlias=BJ\xD6RKVIKEN GK\r\n"
                 "Par=4,4,3\r\nHcp=1,2,3\r\nLen=300,310,150\r\n"));
  const DXRoundReader reader{players_, courses_, [](std::string_view name) {
                               return name == "V\xE5rcupen" ? std::string("VC") : std::string();
                             }};
  const std::string dx = Record(
      "Spelare=G\x94ran \x8Fstr\x94m|Bana=Bj\x94rkviken|Tavling=V\x86rcupen|Hcp=12,4|ErhSlag=14|"
      "Datum=020511|Start=9.10|ScoreUT=5 4 3|Green=6|Fairway=7|Puttar=33");
  ASSERT_TRUE(Import<Round>(dx, reader).Outcome);
  // The course's own name replaces the DX name; its card comes with it.
  EXPECT_EQ(
      dir_.Read("OUT.DAT"),
      "[020511-0910-GOR]\r\nID=020511-0910-GOR\r\nPlayerID=GOR\r\nPlayer=G\xF6ran \xC5str\xF6m\r\n"
      "CourseID=BV\r\nCourse=Bj\xF6rkviken Golf\r\nEventID=VC\r\nEvent=V\xE5rcupen\r\nHcp=12.4\r\n"
      "Strokes=14\r\nDate=2002-05-11\r\nStart=09:10:00\r\nScore=5,4,3\r\nCPar=4,4,3\r\n"
      "CHcp=1,2,3\r\nCLen=300,310,150\r\nTotalGreens=6\r\nTotalFairways=7\r\nTotalPutts=33\r\n");
}

TEST_F(DXImportTest, OnlyTerminatedRecordsWithReadableDatesAreImported) {
  const std::string dx = Record("Spelare=Anna Berg|Datum=020615|ScoreUT=4") +
                         Record("Spelare=Bo Ek|Datum=021345|ScoreUT=4") +
                         Record("Spelare=Cai Lo|Datum=020616|ScoreUT=4") +
                         "Spelare=Dan No\r\nDatum=020617\r\nScoreUT=4\r\n\x1A";
  const DXImportReport report = Import<Round>(dx, rounds_);
  ASSERT_TRUE(report.Outcome);
  EXPECT_EQ(report.Imported, 2);
  EXPECT_THAT(dir_.Read("OUT.DAT"), AllOf(HasSubstr("[020615-"), HasSubstr("[020616-"),
                                          Not(HasSubstr("Bo Ek")), Not(HasSubstr("Dan No"))));
  const std::string in = dir_.File("IN.DX");
  EXPECT_EQ(report.Messages(),
            (std::vector<std::string>{
                in + ":6: not a date, record not imported: Datum=021345",
                in + ":13: record not ended by \"*EOR\", not imported: Spelare=Dan No"}));
}

// The import writes once at the end, but the file must be what saving each record in turn
// makes of it: repeated IDs, sections already in the file, and a round without a score.
TEST_F(DXImportTest, WritesTheFileThatSavingEachRecordInTurnWrites) {
  const std::string existing = "; kept\r\n[AB]\r\nID=AB\r\nPlayer=Anna Berg\r\n[ZZ]\r\nID=ZZ\r\n";
  const std::string players = Record("Spelare=John Smith|Hcp=15") +
                              Record("Spelare=Anna Berg|Hcp=9") + Record("Spelare=Jo Sand") +
                              Record("Spelare=Cai Lo");
  dir_.Write("SEQ.DAT", existing);
  dir_.Write("OUT.DAT", existing);
  SaveOneByOne<Player>(players, DXPlayerReader{}, "SEQ.DAT");
  Import<Player>(players, DXPlayerReader{});
  EXPECT_EQ(dir_.Read("OUT.DAT"), dir_.Read("SEQ.DAT"));

  const std::string rounds =
      Record("Spelare=Anna Berg|Datum=020615|Start=9.00|ScoreUT=4 5") +
      Record("Spelare=Bo Ek|Datum=020615") +
      Record("Spelare=Anna Berg|Datum=020615|Start=9.00|ScoreUT=3 3|Puttar=30") +
      Record("Spelare=Cai Lo|ScoreIN=4");
  SaveOneByOne<Round>(rounds, rounds_, "RSEQ.DAT");
  Import<Round>(rounds, rounds_, "ROUT.DAT");
  EXPECT_EQ(dir_.Read("ROUT.DAT"), dir_.Read("RSEQ.DAT"));
  EXPECT_THAT(dir_.Read("ROUT.DAT"), HasSubstr("[991231-")) << "a cleared round is dated 1.0";
}

TEST_F(DXImportTest, NothingToSaveLeavesTheTargetUntouched) {
  const DXImportReport report = Import<Round>(Record("Spelare=Anna"), rounds_);
  EXPECT_TRUE(report.Outcome);
  EXPECT_EQ(report.Imported, 0);
  EXPECT_FALSE(FileExists(dir_.File("OUT.DAT")));
}

}  // namespace
}  // namespace cardwise
