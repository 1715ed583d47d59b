// The tour editor with its weights dialog and "Save as Event...", and a tour made from the app
// alone.

#include "app/tour_editor.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "app/weights_dialog.h"
#include "app_fixture.h"
#include "results/database.h"
#include "results/recalc.h"

namespace cardwise::testing {
namespace {

using app::ResultsGrid;

constexpr const char* kEvents =
    "[E1]\r\nID=E1\r\nEvent=First\r\nType=4\r\n1=1;30;JS;;\r\n2=2;20;AB;;\r\n"
    "[E2]\r\nID=E2\r\nEvent=Second\r\nType=4\r\n1=1;25;AB;;\r\n2=2;24;JS;;\r\n"
    "[E3]\r\nID=E3\r\nEvent=Third\r\nType=4\r\n1=1;40;JS;;\r\n";
constexpr const char* kTours =
    "[T1]\r\nID=T1\r\nTour=Summer Tour\r\nEvents=E1;E2;E3;\r\nWeights=2\r\nType=1\r\n";

// Opens the weights dialog with `button` and answers it: its rows as "event=weight" into
// `shown`, then `weight` into row `row` (none when -1) and OK (Cancel when `weight` is empty).
void AnswerWeights(QPushButton* button, int row, const QString& weight,
                   QStringList* shown = nullptr) {
  QTimer::singleShot(0, button, [=] {
    auto* dialog = qobject_cast<app::WeightsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* grid = dialog->findChild<QTableWidget*>("weightsTable");
    if (shown)
      for (int r = 0; r < grid->rowCount(); ++r)
        *shown << grid->item(r, 0)->text() + "=" + grid->item(r, 1)->text();
    if (weight.isEmpty()) return dialog->reject();
    if (row >= 0) grid->item(row, 1)->setText(weight);
    dialog->accept();
  });
  button->click();
}

class TourEditorTest : public AppTest {
 protected:
  TourEditorTest() {
    Settings().DataDir = dir_.Path();
    Events().LoadFromFile(dir_.Write("EVENTS.DAT", kEvents));
    Tours().LoadFromFile(dir_.Write("TOURS.DAT", kTours));
    ShowActive(&editor_);
  }

  QListWidget* Checks() { return Find<QListWidget>(&editor_, "eventList"); }
  bool Posting() { return Find<QPushButton>(&editor_, "postButton")->isVisible(); }
  std::string File(const char* name) { return dir_.Read(name); }
  void Check(int item, bool on) {
    Checks()->item(item)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }

  app::TourEditor editor_;
};

// A Pts(p) tour over two events with one weight changed, its standings computed and posted: the
// tours file holds what "recalc tours" computes.
TEST_F(TourEditorTest, ANewTourIsPostedAsRecalcComputesIt) {
  Press(Qt::Key_F9);
  Type("PT");
  for (int item = 0; item < Checks()->count(); ++item)
    Check(item, !Checks()->item(item)->text().startsWith("E3"));
  Find<QRadioButton>(&editor_, "typeGroup4")->click();
  AnswerWeights(Find<QPushButton>(&editor_, "weightsButton"), 2, "2");
  Find<QPushButton>(&editor_, "resultsButton")->click();
  ShowActive(&editor_);
  Press(Qt::Key_F11);
  ASSERT_FALSE(Posting()) << prompts_->Shown.join("\n").toStdString();
  const std::string posted = File("TOURS.DAT");
  ASSERT_NE(posted.find("[PT]"), std::string::npos);
  EXPECT_NE(posted.find("Events=E1;E2;\r\n"), std::string::npos) << posted;
  EXPECT_NE(posted.find("Weights=1;2\r\n"), std::string::npos) << posted;
  EXPECT_NE(posted.find("1=1;"), std::string::npos) << posted;

  Database database = ProcessDatabase();
  ASSERT_TRUE(RecalcAllTours(database, dir_.File("TOURS.DAT")).ok());
  const auto section = [](const std::string& file) {
    const std::size_t at = file.find("[PT]");
    std::string text = file.substr(at, file.find("\r\n[", at + 1) - at);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
      text.pop_back();
    return text;
  };
  EXPECT_EQ(section(File("TOURS.DAT")), section(posted));
}

using DemoTourEditorTest = AppTest;

// The demo's F1 tour weighs its last event double: Results, the weights dialog and the post keep
// that weight with that event, and the tour is written as it was.
TEST_F(DemoTourEditorTest, AnUnchangedTourKeepsEachWeightWithItsEvent) {
  LoadDemoCopy();
  app::TourEditor editor;
  ShowActive(&editor);
  const std::string before = dir_.Read("DEMOT.DAT");
  Find<QLineEdit>(&editor, "findEdit")->setText("F126");
  ASSERT_EQ(Find<QLineEdit>(&editor, "idEdit")->text(), "F126");
  Find<QPushButton>(&editor, "resultsButton")->click();
  EXPECT_EQ(Find<ResultsGrid>(&editor, "resultsGrid")->cellText(1, 1), "119");
  EXPECT_EQ(Find<ResultsGrid>(&editor, "resultsGrid")->cellText(1, 3), "EJ");
  QStringList shown;
  AnswerWeights(Find<QPushButton>(&editor, "weightsButton"), -1, "OK", &shown);
  EXPECT_EQ(shown, (QStringList{"Event=Weight", "SPR26=1", "STB26=1", "MID26=1", "HAR26=1",
                                "PIN26=1", "CC26=2"}));
  Press(Qt::Key_F11);
  EXPECT_EQ(dir_.Read("DEMOT.DAT"), before);
}

}  // namespace
}  // namespace cardwise::testing
