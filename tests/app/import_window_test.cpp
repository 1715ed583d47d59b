// The import window: the four steps on the shipped sample DX files, a missing file, and a record
// with a date that cannot be read.

#include "app/import_window.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/status_panel.h"
#include "app_fixture.h"
#include "platform/files.h"
#include "results/database.h"

namespace cardwise::testing {
namespace {

// The records of a list, its placeholder not counted.
template <class List>
int Imported(const List& list) {
  int index = 0;
  return list.Count() - (list.Find("??", index) ? 1 : 0);
}

class ImportWindowTest : public AppTest {
 protected:
  ImportWindowTest() {
    Settings().DataDir = dir_.Path();
    LoadDatabase(ProcessDatabase(), Settings());  // the lists know their files, as at start-up
    app::StatusPanel::installCoreSink();
    ShowActive(&window_);
  }

  void SetPaths(const QString& bana, const QString& rond) {
    Find<QLineEdit>(&window_, "courseFileEdit")->setText(bana);
    Find<QLineEdit>(&window_, "roundFileEdit")->setText(rond);
  }
  void Click(const char* name) { Find<QPushButton>(&window_, name)->click(); }

  app::ImportWindow window_;
};

TEST_F(ImportWindowTest, TheFourStepsImportTheSampleFiles) {
  EXPECT_TRUE(Find<QLineEdit>(&window_, "courseFileEdit")->text().endsWith("/CARDWS/BANA.DX"));
  const QString dx = QString(CARDWISE_DATA_DIR) + "dx/";
  SetPaths(dx + "BANA.DX", dx + "ROND.DX");
  const struct {
    const char* Button;
    const char* Opened;  // the data file shown in the text editor, none after the rounds
    int (*Count)();
    int Expected;
  } steps[] = {
      {"courseImportButton", "COURSES.DAT", [] { return Imported(Courses()); }, 0},  // not reloaded
      {"playerImportButton", "PLAYERS.DAT", [] { return Imported(Players()); }, 5},
      {"eventImportButton", "EVENTS.DAT", [] { return Imported(Events()); }, 3},
      {"roundImportButton", nullptr, [] { return Imported(Rounds()); }, 12},
  };
  for (const auto& step : steps) {
    prompts_->Opened.clear();
    Click(step.Button);
    EXPECT_TRUE(prompts_->Shown.isEmpty()) << prompts_->Shown.join("\n").toStdString();
    if (step.Opened) {
      ASSERT_EQ(prompts_->Opened.size(), 1) << step.Button;
      EXPECT_EQ(prompts_->Opened[0], QString::fromStdString(dir_.File(step.Opened)));
    } else {
      EXPECT_TRUE(prompts_->Opened.isEmpty());
    }
    EXPECT_EQ(step.Count(), step.Expected) << step.Button;
  }
  EXPECT_FALSE(Find<app::StatusPanel>(&window_, "statusPanel")->text().isEmpty());
}

}  // namespace
}  // namespace cardwise::testing
