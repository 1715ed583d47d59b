// The draw window: the checked players drawn with the options, a player moved between groups
// from the keyboard, and the draw saved with the event; the event editor's divisions field.

#include "app/draw_window.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "app/event_editor.h"
#include "app_fixture.h"
#include "records/player.h"
#include "results/event.h"

namespace cardwise::testing {
namespace {

class DrawWindowTest : public AppTest {
 protected:
  DrawWindowTest() {
    Settings().DataDir = dir_.Path();
    Players().LoadFromFile(
        dir_.Write("PLAYERS.DAT",
                   "[A]\r\nID=A\r\nHcp=4.0\r\n[B]\r\nID=B\r\nHcp=12.0\r\n[C]\r\nID=C\r\n"
                   "Hcp=20.0\r\n[D]\r\nID=D\r\nHcp=30.0\r\n[E]\r\nID=E\r\nHcp=1.0\r\n"));
    Events().LoadFromFile(dir_.Write("EVENTS.DAT", "[CUP]\r\nID=CUP\r\nEvent=Cup\r\nType=0\r\n"));
  }
  std::string File() { return dir_.Read("EVENTS.DAT"); }
};

TEST_F(DrawWindowTest, DrawsTheCheckedPlayersMovesOneByKeyAndSaves) {
  app::DrawWindow window;
  window.openEvent("CUP");
  ShowActive(&window);
  auto* players = Find<QListWidget>(&window, "playerList");
  ASSERT_EQ(players->count(), 5);
  players->item(4)->setCheckState(Qt::Unchecked);  // E
  Find<QSpinBox>(&window, "groupSizeBox")->setValue(2);
  Find<QLineEdit>(&window, "startEdit")->setText("09:30");
  Find<QPushButton>(&window, "makeDrawButton")->click();
  EXPECT_EQ(window.shownDraw(),
            (std::vector<DrawGroup>{{570, 1, {"A", "B"}}, {580, 1, {"C", "D"}}}));

  auto* tree = Find<QTreeWidget>(&window, "groupTree");
  tree->setFocus();
  tree->setCurrentItem(tree->topLevelItem(0)->child(1));  // B
  Press(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(window.shownDraw()[1].PlayerIDs, (std::vector<std::string>{"C", "D", "B"}));
  Find<QPushButton>(&window, "saveButton")->click();
  EXPECT_EQ(File(),
            "[CUP]\r\nID=CUP\r\nEvent=Cup\r\nType=0\r\nMake=1\r\n"
            "Group1=09:30;1;A\r\nGroup2=09:40;1;C;D;B\r\n");

  window.openEvent("CUP");  // the saved draw shows with its players checked
  EXPECT_EQ(players->item(4)->checkState(), Qt::Unchecked);
  EXPECT_EQ(tree->topLevelItemCount(), 2);

  // A new draw is not closed without asking: Cancel stays, Save saves and closes.
  Find<QSpinBox>(&window, "groupSizeBox")->setValue(4);
  Find<QPushButton>(&window, "makeDrawButton")->click();
  prompts_->Choices = {app::EditChoice::Cancel, app::EditChoice::Save};
  Find<QPushButton>(&window, "closeButton")->click();
  EXPECT_TRUE(window.isVisible());
  Find<QPushButton>(&window, "closeButton")->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_NE(File().find("Group1=09:30;1;A;B;C;D\r\n"), std::string::npos);
}

TEST_F(DrawWindowTest, TheEventEditorRefusesDivisionsThatAreNotAscendingAndCardsWithoutADraw) {
  app::EventEditor editor;
  ShowActive(&editor);
  Find<QLineEdit>(&editor, "findEdit")->setText("CUP");
  auto* divisions = Find<QLineEdit>(&editor, "divisionsEdit");
  divisions->setText("20,10");
  Find<QPushButton>(&editor, "postButton")->click();
  EXPECT_TRUE(prompts_->Shown.join("\n").contains("ascending handicap limits"));
  EXPECT_EQ(File().find("Divisions"), std::string::npos);
  divisions->setText("10, 20");
  Find<QPushButton>(&editor, "postButton")->click();
  EXPECT_NE(File().find("Divisions=10,20\r\n"), std::string::npos);

  Find<QAction>(&editor, "printCardsAction")->trigger();  // no draw: said, no print dialog
  EXPECT_TRUE(prompts_->Shown.join("\n").contains("event CUP has no draw"));
}

}  // namespace
}  // namespace cardwise::testing
