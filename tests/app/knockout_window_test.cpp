// The knockout window: a bracket made from the checked players, results entered from the
// keyboard through the match dialog (a bad one refused), and a changed winner whose former one
// has played on only after asking.

#include "app/knockout_window.h"

#include <gmock/gmock.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/bracket_view.h"
#include "app/match_dialog.h"
#include "app_fixture.h"
#include "results/database.h"

namespace cardwise::testing {
namespace {

using ::testing::HasSubstr;

class KnockoutWindowTest : public AppTest {
 protected:
  KnockoutWindowTest() {
    Settings().DataDir = dir_.Path();
    std::string players;
    for (const char* id : {"AB", "CD", "EF", "GH"})
      players += std::string("[") + id + "]\r\nID=" + id + "\r\nPlayer=Player " + id + "\r\n";
    dir_.Write("PLAYERS.DAT", players);
    LoadDatabase(ProcessDatabase(), Settings());
    ShowActive(&window_);
  }

  // Answers the match dialog: the winner's button (1 or 2), then each result in turn with Enter,
  // the last of them accepted.
  void Answer(int winner, const QStringList& results) {
    QTimer::singleShot(0, &window_, [=] {
      auto* dialog = qobject_cast<app::MatchDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
      // A mnemonic clicks its button after a short animation.
      Press(winner == 1 ? Qt::Key_1 : Qt::Key_2, Qt::AltModifier);
      auto* button =
          dialog->findChild<QRadioButton*>(winner == 1 ? "playerAButton" : "playerBButton");
      ASSERT_TRUE(QTest::qWaitFor([button] { return button->isChecked(); }));
      for (const QString& result : results) {
        Alt('R');
        Press(Qt::Key_A, Qt::ControlModifier);
        Type(result);
        Press(Qt::Key_Return);
      }
      if (dialog->isVisible()) dialog->reject();
    });
  }

  // Moves the bracket's current match with the arrow keys, presses Enter and answers the match
  // dialog.
  void Activate(std::initializer_list<Qt::Key> moves, int winner, const QStringList& results) {
    ShowActive(&window_);
    Find<app::BracketView>(&window_, "bracketView")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), Find<app::BracketView>(&window_, "bracketView"));
    for (Qt::Key key : moves)
      Press(key);
    Answer(winner, results);
    Press(Qt::Key_Return);
  }

  std::string File() const { return dir_.Read("KNOCKOUTS.DAT"); }

  app::KnockoutWindow window_;
};

TEST_F(KnockoutWindowTest, MakesTheBracketAndTakesResultsFromTheKeyboard) {
  // AB, CD and EF checked, the bracket made in the listed order.
  auto* list = Find<QListWidget>(&window_, "playerList");
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->data(Qt::UserRole).toString() != "GH")
      list->item(i)->setCheckState(Qt::Checked);
  Find<QLineEdit>(&window_, "idEdit")->setText("CUP");
  Find<QLineEdit>(&window_, "nameEdit")->setText("Club Cup");
  Find<QComboBox>(&window_, "seedingCombo")->setCurrentText("listed");
  Find<QPushButton>(&window_, "makeButton")->click();
  EXPECT_THAT(File(), HasSubstr("Players=AB;CD;EF\r\nR1M1=AB;bye;AB;bye\r\nR1M2=CD;EF;;\r\n"));
  const app::MatchBox* current = Find<app::BracketView>(&window_, "bracketView")->currentMatch();
  ASSERT_NE(current, nullptr);

  Activate({Qt::Key_Down}, 2, {"3&3", "3&2"});
  EXPECT_THAT(prompts_->Shown.join("|").toStdString(), HasSubstr("\"3&3\" is not a match result"));
  EXPECT_THAT(File(), HasSubstr("R1M2=CD;EF;EF;3&2\r\nR2M1=AB;EF;;\r\n"));

  Activate({Qt::Key_Right}, 1, {"1 up"});
  EXPECT_THAT(File(), HasSubstr("R2M1=AB;EF;AB;1 up\r\n"));

  // A new winner of R1M2 after the final was played: refused when the user says No, the final
  // emptied on Yes.
  for (const bool yes : {false, true}) {
    prompts_->Answers = {yes};
    Activate({Qt::Key_Left, Qt::Key_Down}, 1, {"2&1"});
    EXPECT_THAT(File(), HasSubstr(yes ? "R1M2=CD;EF;CD;2&1\r\nR2M1=AB;CD;;\r\n"
                                      : "R1M2=CD;EF;EF;3&2\r\nR2M1=AB;EF;AB;1 up\r\n"));
  }
}

}  // namespace
}  // namespace cardwise::testing
