// The four steps of the legacy import on the process lists: what each step reads, writes and
// reloads.

#include "results/dx_import_step.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/locale_formats.h"
#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

// DOS code page: "\x94" is ö, "\x86" is å.
const char kBana[] =
    "Klubb=Bj\x94rkviken GK\r\nSlope=71.2/128\r\nParUT=4 4 3 5 4 4 3 4 5\r\n"
    "ParIN=4 4 3 5 4 4 3 4 5\r\n*EOB\r\n";
const char kRond[] =
    "Spelare=John Smith\r\nHcp=15,2\r\nTavling=V\x86rcupen\r\nDatum=020511\r\n"
    "Bana=Bj\x94rkviken\r\nStart=9.10\r\nScoreUT=5 4 3 6 5 4 4 5 6\r\n*EOR\r\n"
    "Spelare=Anna Berg\r\nHcp=9,0\r\nDatum=020512\r\nBana=Okand\r\nStart=10.00\r\n"
    "ScoreUT=4 4 3\r\n*EOR\r\n"
    "Spelare=John Smith\r\nHcp=14,8\r\nTavling=V\x86rcupen\r\nDatum=020511\r\n"
    "Bana=Bj\x94rkviken\r\nStart=9.10\r\nScoreUT=4 4 4\r\n*EOR\r\n";

class DXImportStepTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  void SetUp() override {
    SetCurrentFormats(IsoFormats());
    settings_.DataDir = dir_.File("Data/");
    CreateDirectories(settings_.DataDir);
  }

  DXImportReport Step(DXStep step, const char* name, const char* bytes) {
    return ImportDXStep(step, dir_.Write(name, bytes), database_, settings_);
  }

  testing::TempDir dir_;
  AppSettings settings_;
};

TEST_F(DXImportStepTest, StepsInOrderLinkTheRoundsToWhatTheEarlierStepsImported) {
  ASSERT_TRUE(Step(DXStep::Courses, "BANA.DX", kBana).Outcome);
  ASSERT_TRUE(Step(DXStep::Players, "ROND.DX", kRond).Outcome);
  ASSERT_EQ(players_.Count(), 2) << "the list holds the imported players, no placeholder";
  EXPECT_FLOAT_EQ(players_.FindRecord("JS")->Hcp, 14.8f);

  const DXImportReport events = Step(DXStep::Events, "ROND.DX", kRond);
  EXPECT_EQ(events.Imported, 2) << "the round without a competition adds no event";
  ASSERT_EQ(events_.Count(), 1);
  const Event& event = events_.RecordAt(0);
  EXPECT_EQ(event.ID + "|" + event.CourseID + "|" + ShortDateText(event.Date),
            "V\xE5rcupen|BJ\xD6RG|2002-05-11");

  const DXImportReport rounds = Step(DXStep::Rounds, "ROND.DX", kRond);
  EXPECT_EQ(rounds.Target, dir_.File("Data/ROUNDS.DAT"));
  const Round* round = rounds_.FindRecord("020511-0910-JS");
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->EventID + "|" + round->CourseID, "V\xE5rcupen|BJ\xD6RG");
  EXPECT_EQ(round->CPar.TotalIfComplete(), 72);
  EXPECT_EQ(round->Score.AsText(), "4,4,4") << "the later card of the same ID";
  const Round* anna = rounds_.FindRecord("020512-1000-AB");
  EXPECT_EQ(anna ? anna->CourseName + "|" + anna->CourseID : "none", "Okand|")
      << "a course not found keeps its name";
}

TEST_F(DXImportStepTest, AMissingFileChangesNothing) {
  players_.LoadFromFile(dir_.Write("Data/PLAYERS.DAT", "[A]\r\nID=A\r\n"));
  const std::string path = dir_.File("NONE.DX");
  const DXImportReport report = ImportDXStep(DXStep::Players, path, database_, settings_);
  EXPECT_TRUE(report.SourceMissing);
  EXPECT_EQ(report.Outcome.message(), "File not found:\r" + path + "\rIs the filename correct ?");
  EXPECT_EQ(players_.Count(), 1);
  EXPECT_EQ(dir_.Read("Data/PLAYERS.DAT"), "[A]\r\nID=A\r\n");
}

}  // namespace
}  // namespace cardwise
