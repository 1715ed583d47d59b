// The event editor: its results grid, "Results / Sort", and the player lists carried from one
// event to another through the clipboard; the draw window.

#include "app/event_editor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/draw_window.h"
#include "app_fixture.h"
#include "records/course.h"
#include "records/player.h"
#include "records/round.h"
#include "results/event.h"

namespace cardwise::testing {
namespace {

using app::ResultsGrid;

constexpr const char* kEvents =
    "[CUP]\r\nID=CUP\r\nEvent=Spring Cup\r\nCourseID=MB\r\nDate=2026-05-10\r\nType=0\r\n"
    "1=1;72;JS;260510-0900-JS;\r\n2=2;75;AB;260510-0910-AB;\r\n"
    "[EMPTY]\r\nID=EMPTY\r\nEvent=Empty Day\r\nType=3\r\n"
    "[MAN]\r\nID=MAN\r\nEvent=Putting Contest\r\nType=3\r\n1=1;20;ZZ;;\r\n"
    "2=2;22;YY;;\r\n3=3;25;XX;;\r\n";
constexpr const char* kRounds =
    "[260510-0900-JS]\r\nID=260510-0900-JS\r\nPlayerID=JS\r\nEventID=CUP\r\n"
    "Score=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n"
    "[260510-0910-AB]\r\nID=260510-0910-AB\r\nPlayerID=AB\r\nEventID=CUP\r\n"
    "Score=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,3\r\n";

class EventEditorTest : public AppTest {
 protected:
  EventEditorTest() {
    Settings().DataDir = dir_.Path();
    Events().LoadFromFile(dir_.Write("EVENTS.DAT", kEvents));
    Rounds().LoadFromFile(dir_.Write("ROUNDS.DAT", kRounds));
    ShowActive(&editor_);
  }

  ResultsGrid* Grid() { return Find<ResultsGrid>(&editor_, "resultsGrid"); }
  void Show(const char* id) { Find<QLineEdit>(&editor_, "findEdit")->setText(id); }
  void Trigger(const char* name) { Find<QAction>(&editor_, name)->trigger(); }
  bool Posting() { return Find<QPushButton>(&editor_, "postButton")->isVisible(); }
  std::string File() { return dir_.Read("EVENTS.DAT"); }
  std::string Section(const char* id) {
    const std::string file = File();
    const std::size_t at = file.find(std::string("[") + id + "]");
    return at == std::string::npos ? "" : file.substr(at, file.find("\r\n[", at + 1) - at);
  }
  std::vector<std::string> Results(const char* id) { return Events().FindRecord(id)->Results; }

  app::EventEditor editor_;
};

TEST_F(EventEditorTest, PlayersCopiedFromOneEventArePastedIntoAManualOne) {
  Show("CUP");
  EXPECT_FALSE(Find<QAction>(&editor_, "pastePlayersAction")->isEnabled());
  Trigger("copyPlayersAction");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Player\nJS\nAB\n");

  Show("MAN");
  EXPECT_TRUE(Find<QAction>(&editor_, "pastePlayersAction")->isEnabled());
  Trigger("pastePlayersAction");
  EXPECT_TRUE(Posting());
  for (int row : {1, 2})
    for (int column : {0, 1, 3, 4})
      EXPECT_EQ(Grid()->cellText(row, column), "") << row << "," << column;
  EXPECT_EQ(Grid()->cellText(1, 2), "JS");
  EXPECT_EQ(Grid()->cellText(2, 2), "AB");
  Press(Qt::Key_F11);
  // Two players over three lines: the third line stays, the list never shortens.
  EXPECT_EQ(Results("MAN"), (std::vector<std::string>{";;JS;;", ";;AB;;", "3;25;XX;;"}));
  EXPECT_TRUE(Section("MAN").find("1=;;JS;;\r\n2=;;AB;;\r\n3=3;25;XX;;") != std::string::npos)
      << Section("MAN");
}

TEST_F(EventEditorTest, AFourBallIsPostedWithItsTeamsAndRankedByResultsSort) {
  Players().LoadFromFile(dir_.Write("PLAYERS.DAT", "[JS]\r\nID=JS\r\n[AB]\r\nID=AB\r\n"));
  Show("CUP");
  auto* teams = Find<QTableWidget>(&editor_, "teamsGrid");
  EXPECT_FALSE(teams->isVisibleTo(&editor_)) << "an individual event has no teams";
  Find<QComboBox>(&editor_, "formatCombo")->setCurrentIndex(kFourball);
  ASSERT_TRUE(teams->isVisibleTo(&editor_));
  teams->setItem(0, 0, new QTableWidgetItem("JS,ZZ"));
  EXPECT_EQ(teams->rowCount(), 2) << "a new empty row to type the next team into";
  Press(Qt::Key_F11);
  ASSERT_EQ(prompts_->Shown.size(), 1);
  EXPECT_EQ(prompts_->Shown[0], "Cardwise: Team 1 (JS,ZZ): ZZ is not in the player list");
  EXPECT_TRUE(Posting());

  teams->item(0, 0)->setText("JS, AB");
  teams->setItem(0, 1, new QTableWidgetItem);
  teams->setCurrentCell(0, 1);
  teams->editItem(teams->item(0, 1));
  Type("Early Birds");  // still in the cell when F11 posts
  Press(Qt::Key_F11);
  EXPECT_EQ(Events().FindRecord("CUP")->Teams[0].Name, "Early Birds");
  Find<QPushButton>(&editor_, "resultsButton")->click();
  EXPECT_EQ(Grid()->cellText(1, 2), "JS+AB");
  Press(Qt::Key_F11);
  EXPECT_NE(Section("CUP").find("Format=fourball\r\nTeam1=JS,AB;Early Birds\r\n"
                                "1=1;71;JS+AB;260510-0900-JS+260510-0910-AB;\r\n"),
            std::string::npos)
      << Section("CUP");
}

TEST_F(EventEditorTest, RowsAreAddedOnlyAfterAResultAndPostedAsLines) {
  Show("EMPTY");
  EXPECT_EQ(Grid()->rowCount(), 1);
  Grid()->setFocus();
  EXPECT_EQ(Grid()->rowCount(), 2);
  EXPECT_EQ(QPoint(Grid()->currentColumn(), Grid()->currentRow()), QPoint(1, 1));
  EXPECT_TRUE(Posting());
  EXPECT_FALSE(Grid()->addRow());  // the last row has no result
  Type("31");
  Press(Qt::Key_Tab);  // leaves the grid with the cell taken
  EXPECT_EQ(Grid()->cellText(1, 1), "31");
  Grid()->setFocus();
  Press(Qt::Key_Down);  // Down on the last row adds one
  EXPECT_EQ(Grid()->rowCount(), 3);
  Press(Qt::Key_F11);
  EXPECT_EQ(Results("EMPTY"), (std::vector<std::string>{";31;;;", ";;;;"}));
  // The file keeps the lines that hold something.
  EXPECT_TRUE(Section("EMPTY").find("1=;31;;;\r\n") != std::string::npos) << File();
}

// The keyboard reaches everything: Tab from the ID to the name, the arrows through the types,
// Ctrl+R for the results; a new event starts with a type, the course is looked up as typed and
// the grid names its players.
TEST_F(EventEditorTest, TypedByKeyboardWithLookUps) {
  Players().LoadFromFile(dir_.Write("PLAYERS.DAT", "[JS]\r\nID=JS\r\nPlayer=John Smith\r\n"));
  Courses().LoadFromFile(dir_.Write("COURSES.DAT", "[MB]\r\nID=MB\r\nCourse=Mill Brook\r\n"));
  Show("CUP");
  EXPECT_EQ(Find<QLineEdit>(&editor_, "courseEdit")->text(), "Mill Brook");
  EXPECT_EQ(Grid()->Look(1, 2, "JS").Text, "JS  John Smith");
  EXPECT_EQ(Grid()->Look(2, 2, "AB").Text, "AB");
  Press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_TRUE(Posting());  // computed, shown for the next post
  Press(Qt::Key_F12);

  Press(Qt::Key_F9);
  Type("SUM");
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(&editor_, "eventEdit"));
  EXPECT_TRUE(Find<QRadioButton>(&editor_, "typeGroup0")->isChecked());
  Alt('C');
  Type("QQ");
  EXPECT_EQ(Find<QLineEdit>(&editor_, "courseEdit")->placeholderText(),
            "QQ is not in the course list");
  Find<QRadioButton>(&editor_, "typeGroup0")->setFocus();
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  EXPECT_TRUE(Find<QRadioButton>(&editor_, "typeGroup2")->isChecked());
  Press(Qt::Key_F11);
  EXPECT_NE(Section("SUM").find("Type=2"), std::string::npos) << Section("SUM");
  Press(Qt::Key_F9);
  EXPECT_TRUE(Find<QRadioButton>(&editor_, "typeGroup2")->isChecked());  // the last one used
}

TEST_F(EventEditorTest, DivisionsMustAscendAndCardsNeedADraw) {
  Show("CUP");
  auto* divisions = Find<QLineEdit>(&editor_, "divisionsEdit");
  divisions->setText("20,10");
  Find<QPushButton>(&editor_, "postButton")->click();
  EXPECT_TRUE(prompts_->Shown.join("\n").contains("ascending handicap limits"));
  EXPECT_EQ(File().find("Divisions"), std::string::npos);
  divisions->setText("10, 20");
  Find<QPushButton>(&editor_, "postButton")->click();
  EXPECT_NE(Section("CUP").find("Divisions=10,20\r\n"), std::string::npos);
  Trigger("printCardsAction");  // no draw: said, no print dialog
  EXPECT_TRUE(prompts_->Shown.join("\n").contains("event CUP has no draw"));
}

// The draw window: the checked players drawn with the options, a player moved between groups
// from the keyboard, and the draw saved with the event.
TEST_F(EventEditorTest, TheDrawWindowDrawsTheCheckedPlayersMovesOneByKeyAndSaves) {
  Players().LoadFromFile(
      dir_.Write("PLAYERS.DAT",
                 "[A]\r\nID=A\r\nHcp=4.0\r\n[B]\r\nID=B\r\nHcp=12.0\r\n[C]\r\nID=C\r\n"
                 "Hcp=20.0\r\n[D]\r\nID=D\r\nHcp=30.0\r\n[E]\r\nID=E\r\nHcp=1.0\r\n"));
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
  EXPECT_NE(Section("CUP").find("Group1=09:30;1;A\r\nGroup2=09:40;1;C;D;B\r\n"), std::string::npos)
      << Section("CUP");

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

}  // namespace
}  // namespace cardwise::testing
