// What the delete question counts: the records that hold a player's, course's or event's ID.

#include "results/record_uses.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "support/test_database.h"

namespace cardwise {
namespace {

class RecordUsesTest : public ::testing::Test, protected testing::TestDatabase {
 protected:
  RecordUsesTest() {
    rounds_.LoadFromFile(
        dir_.Write("ROUNDS.DAT",
                   "[R1]\r\nID=R1\r\nPlayerID=TR\r\nCourseID=MB\r\nEventID=E1\r\n"
                   "[R2]\r\nID=R2\r\nPlayerID=tr\r\nCourseID=mb\r\nEventID=E2\r\nEventIDs=E1\r\n"
                   "[R3]\r\nID=R3\r\nPlayerID=AB\r\nCourseID=OK\r\nEventID=e1\r\n"));
    events_.LoadFromFile(
        dir_.Write("EVENTS.DAT",
                   "[E1]\r\nID=E1\r\nCourseID=MB\r\n1=1;70;TR;R1;\r\n2=2;72;AB;R3;\r\n"
                   "[E2]\r\nID=E2\r\nCourseID=OK\r\n1=1;71;AB;;\r\n"
                   "[E3]\r\nID=E3\r\nCourseID=MB\r\n"
                   "[E4]\r\nID=E4\r\nFormat=fourball\r\nTeam1=NB,ZZ\r\n1=1;40;ZZ+nb;;\r\n"));
    tours_.LoadFromFile(dir_.Write("TOURS.DAT",
                                   "[T1]\r\nID=T1\r\nEvents=E1;E2;\r\n1=1;25;1;Tr;\r\n"
                                   "[T2]\r\nID=T2\r\nEvents=E10;E2;\r\n1=1;9;1;AB;\r\n"));
  }

  testing::TempDir dir_;
};

TEST_F(RecordUsesTest, CountsTheRecordsThatHoldTheId) {
  using Count = RecordUses (*)(const Database&, std::string_view);
  const struct {
    Count Uses;
    const char* ID;
    const char* Text;
  } cases[] = {
      {PlayerUses, "TR", "2 rounds, 1 event result and 1 tour line"},
      {PlayerUses, "ab", "1 round, 2 event results and 1 tour line"},
      {PlayerUses, "NB", "1 event result and 1 team"},  // a team's line names each member
      {PlayerUses, "XX", ""},
      {CourseUses, "MB", "2 rounds and 2 events"},
      {CourseUses, "OK", "1 round and 1 event"},
      // An event's rounds are those its results take (letter case counts, as there).
      {EventUses, "E1", "2 rounds and 1 tour"},
      {EventUses, "E2", "1 round and 2 tours"},
      {EventUses, "E3", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UsesText(c.Uses(database_, c.ID)), c.Text) << c.ID;
}

}  // namespace
}  // namespace cardwise
