// The demo-data dialog on a data folder of the user's that has no demo files.

#include <gmock/gmock.h>

#include <QPushButton>

#include "app/application.h"
#include "app/demo_dialog.h"
#include "app_fixture.h"
#include "results/database.h"

namespace cardwise::testing {
namespace {

using ::testing::HasSubstr;

class DemoDialogTest : public AppTest {
 protected:
  DemoDialogTest() {
    Settings().DataDir = dir_.File("club/");
    dir_.Write("club/PLAYERS.DAT", "[ME]\r\nID=ME\r\n");
    dir_.Write("club/DEMOT.DAT", "[MINE]\r\nID=MINE\r\n");
  }

  void Load() { Find<QPushButton>(&demo_, "loadButton")->click(); }

  app::DemoDialog demo_;
};

// The missing demo files are copied in beside the one that is there, and the switch is in the
// settings file at once: cardwise-cli run now works on the demo data too.
TEST_F(DemoDialogTest, LoadCopiesTheMissingDemoFilesAndWritesTheSettings) {
  Load();
  EXPECT_TRUE(prompts_->Shown.isEmpty()) << prompts_->Shown.join("\n").toStdString();
  EXPECT_GT(ProcessDatabase().Players.Count(), 10);
  EXPECT_GT(ProcessDatabase().Rounds.Count(), 100);
  EXPECT_EQ(ProcessDatabase().Tours.KeyAt(0), "MINE");
  EXPECT_EQ(dir_.Read("club/DEMOT.DAT"), "[MINE]\r\nID=MINE\r\n");
  const std::string ini = dir_.Read("cardwise.ini");
  EXPECT_THAT(ini, HasSubstr("RoundFName=DEMOR.DAT\r\n"));
  EXPECT_THAT(ini, HasSubstr("HtmlRootDir=" + Settings().HtmlRootDir + "\r\n"));
  EXPECT_THAT(ini, HasSubstr("[DemoUnload]\r\nRound=ROUNDS.DAT\r\n"));
  EXPECT_EQ(demo_.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace cardwise::testing
