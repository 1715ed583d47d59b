// The round and course editors driven from the keyboard, as a club secretary enters scorecards
// and cards.

#include "app/round_editor.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/course_editor.h"
#include "app/qt_text.h"
#include "app/status_panel.h"
#include "app_fixture.h"
#include "platform/files.h"
#include "records/dates.h"
#include "records/round.h"
#include "results/event.h"
#include "results/event_results.h"
#include "results/recalc.h"
#include "settings/colors.h"
#include "support/test_database.h"

namespace cardwise::testing {
namespace {

using app::HoleGrid;

const std::string kCourses =
    std::string("[MB]\r\nID=MB\r\nCourse=Mill Brook\r\nTee=Yellow\r\n") +
    "LenRGB=ffff00\r\nCR=70.1\r\nSlope=125.0\r\nPar=" + kPar72 + "\r\nHcp=" + kIndex +
    "\r\n[FL]\r\nID=FL\r\nCourse=Flat Links\r\nPar=" + kPar72 + "\r\nHcp=" + kIndex + "\r\n";
constexpr const char* kPlayers =
    "[AB]\r\nID=AB\r\nPlayer=Ann Brown\r\nHcp=10.5\r\n"
    "[JS]\r\nID=JS\r\nPlayer=John Smith\r\nHcp=12.4\r\n";
constexpr const char* kEvents =
    "[E1]\r\nID=E1\r\nEvent=Spring Cup\r\nCourseID=MB\r\nDate=2026-05-10\r\nType=2\r\nMake=1\r\n";

// Row numbers of the card.
enum { kLenRow = 1, kParRow, kHcpRow, kScoreRow, kPuttsRow, kGreenRow, kFairwayRow, kStatsRow };

class RoundEditorTest : public AppTest {
 protected:
  RoundEditorTest() {
    Settings().DataDir = dir_.Path();
    Players().LoadFromFile(dir_.Write("PLAYERS.DAT", kPlayers));
    Courses().LoadFromFile(dir_.Write("COURSES.DAT", kCourses));
    Events().LoadFromFile(dir_.Write("EVENTS.DAT", kEvents));
    ShowActive(&editor_);
  }

  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(&editor_, name); }
  QString Text(const char* name) { return Edit(name)->text(); }
  HoleGrid* Grid(const char* name) { return Find<HoleGrid>(&editor_, name); }
  QString Label(const char* name) { return Find<QLabel>(&editor_, name)->text(); }
  bool Posting() { return Find<QPushButton>(&editor_, "postButton")->isVisible(); }
  std::string File() { return dir_.Read("ROUNDS.DAT"); }
  QPoint Cursor(const char* grid) {
    return {Grid(grid)->currentColumn(), Grid(grid)->currentRow()};
  }
  static QColor Color(ColorKey key) { return app::toQColor(Settings().Value(key)); }

  // "New", then the event, player and tee time from the keyboard, and the first scores when
  // there are any (Alt+O: the front nine's first score).
  void StartCard(const QString& event, const QString& player, const QString& start = "10:30",
                 const QString& scores = "") {
    Press(Qt::Key_F9);
    if (!event.isEmpty()) Type(event);
    Alt('P');
    Type(player);
    Alt('S');
    Type(start);
    if (scores.isEmpty()) return;
    Alt('O');
    Type(scores);
  }

  // The nine values of each row from the keyboard, the cursor moving on by itself.
  void TypeNine(const std::vector<QString>& rows) {
    for (const QString& row : rows)
      for (const QChar value : row)
        Type(QString(value));
  }

  app::RoundEditor editor_;
};

TEST_F(RoundEditorTest, LookupsFillNamesDateCourseAndStrokesAndIdsCompleteFromNames) {
  const struct {
    const char* Course;
    const char* Player;
    const char* Strokes;  // 70.1 - 72 + 12.4 x 125 / 113 = 11.82; no slope: 10.5 half to even
    const char* Hcp;
  } cases[] = {{"MB", "JS", "12", "12.4"}, {"FL", "AB", "10", "10.5"}};
  for (const auto& c : cases) {
    Press(Qt::Key_F9);
    EXPECT_EQ(QApplication::focusWidget(), Edit("eventIdEdit"));
    Alt('C');
    Type(c.Course);
    Alt('P');
    Type(c.Player);
    EXPECT_EQ(Text("strokesEdit"), c.Strokes) << c.Player;
    EXPECT_EQ(Text("handicapEdit"), c.Hcp);
    EXPECT_FALSE(Text("playerEdit").isEmpty());
    Press(Qt::Key_F12);
  }
  Press(Qt::Key_F9);
  Type("E1");
  EXPECT_EQ(Text("eventEdit"), "Spring Cup");
  EXPECT_EQ(Text("dateEdit"), "2026-05-10");
  EXPECT_EQ(Text("courseIdEdit"), "MB");
  EXPECT_EQ(Text("courseEdit"), "Mill Brook");
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kParRow, 1), "4");
  EXPECT_EQ(Grid("backNineGrid")->cellText(kParRow, HoleGrid::kTotalColumn), "36");
  Alt('C');
  Type("X");  // MBX: no such course
  EXPECT_EQ(Text("courseEdit"), "");
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kParRow, 1), "");
  EXPECT_EQ(Find<app::StatusPanel>(&editor_, "statusPanel")->text(), "New round added");
  EXPECT_FALSE(Edit("findEdit")->isEnabled());
  Alt('P');
  Type("smi");
  QCompleter* completer = Edit("playerIdEdit")->completer();
  ASSERT_NE(completer, nullptr);
  EXPECT_EQ(completer->completionCount(), 1);
  QTest::keyClick(completer->popup(), Qt::Key_Down);
  QTest::keyClick(completer->popup(), Qt::Key_Return);
  EXPECT_EQ(Text("playerIdEdit"), "JS");
  EXPECT_EQ(Text("playerEdit"), "John Smith");
  Edit("playerIdEdit")->selectAll();
  Type("QQ");
  EXPECT_EQ(Text("playerEdit"), "");
  EXPECT_EQ(Edit("playerEdit")->placeholderText(), "QQ is not in the player list");
  Edit("playerIdEdit")->setText("AB");
  EXPECT_EQ(Edit("playerEdit")->placeholderText(), "");
}

// A score cell takes digits and the letters for 10 and more; anything else is refused at once
// with a word in the status line. Putts mark a green in regulation; greens are one at most.
TEST_F(RoundEditorTest, CellsCompleteByTheirRuleAndRefuseWhatTheyCannotHold) {
  const struct {
    const char* Keys;
    int Column;  // where the cursor is afterwards
    const char* Stored;
  } cases[] = {{"4", 2, "4"},  {"1", 1, ""}, {"12", 2, "12"}, {"B", 2, "11"},
               {"a", 2, "10"}, {"/", 1, ""}, {" ", 1, ""}};
  for (const auto& c : cases) {
    StartCard("E1", "JS", "10:30", c.Keys);
    EXPECT_EQ(Cursor("frontNineGrid"), QPoint(c.Column, kScoreRow)) << c.Keys;
    EXPECT_EQ(Grid("frontNineGrid")->cellText(kScoreRow, 1), c.Stored) << c.Keys;
    const QString status = Find<app::StatusPanel>(&editor_, "statusPanel")->text();
    EXPECT_EQ(status.startsWith(QString("\"%1\" cannot be in a score").arg(c.Keys)),
              QString("/ ").contains(c.Keys))
        << status.toStdString();
    Press(Qt::Key_F12);
  }
  StartCard("E1", "JS", "10:30", "45");  // hole 1 (par 4) in 4, hole 2 (par 4) in 5
  Grid("frontNineGrid")->moveCursorTo(kScoreRow, 1);
  Type("3");  // typing replaces the cell's text
  Grid("frontNineGrid")->moveCursorTo(kPuttsRow, 1);
  Type("x12");
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kPuttsRow, 1), "1");
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, 1), "1");  // 3 - 4 - 1 < -1
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, 2), "");   // 5 - 4 - 2 = -1
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, 3), "");   // no score, no green
  Grid("frontNineGrid")->moveCursorTo(kPuttsRow, 2);
  Type("5");  // 5 - 4 - 5 < -1
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, 2), "1");
  Grid("frontNineGrid")->moveCursorTo(kPuttsRow, 2);
  Type("2");  // corrected back: the mark goes again
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, 2), "");
  Grid("frontNineGrid")->moveCursorTo(kGreenRow, 2);
  Type("7");
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, 2), "1");
  EXPECT_EQ(Grid("frontNineGrid")->cellText(kGreenRow, HoleGrid::kTotalColumn), "2");
  Press(Qt::Key_Return);
  EXPECT_TRUE(Has(File(), "Score=3,5\r\n")) << File();
  EXPECT_TRUE(Has(File(), "Putts=1,2\r\n")) << File();
}

// The files allow these slips, so a post asks; No keeps the card as typed, Yes posts it.
TEST_F(RoundEditorTest, APostAsksAboutUnknownIdsOtherDatesAndSecondRounds) {
  dir_.Write("ROUNDS.DAT",
             "[260510-0900-AB]\r\nID=260510-0900-AB\r\nPlayerID=AB\r\n"
             "EventID=E1\r\nDate=2026-05-10\r\nStart=09:00\r\nScore=4\r\n");
  Rounds().LoadFromFile(dir_.File("ROUNDS.DAT"));
  const struct {
    const char* Event;
    const char* Player;
    const char* Date;  // empty: the event's
    const char* Question;
    const char* Posted;
  } cases[] = {
      {"E1", "QQ", "2026-05-10", "Player QQ is not in the player list. Post anyway?",
       "[260510-1030-QQ]"},
      {"E9", "JS", "2026-05-10", "Event E9 is not in the event list. Post anyway?",
       "[260510-1030-JS]"},
      {"E1", "JS", "2026-05-11",
       "The round's date 2026-05-11 is not the date of event E1, 2026-05-10. Post anyway?",
       "[260511-1030-JS]"},
      {"E1", "AB", "2026-05-10",
       "Player AB already has a round in event E1: 260510-0900-AB.\rBoth will count in its "
       "results. Post anyway?",
       "[260510-1030-AB]"},
  };
  for (const auto& c : cases) {
    for (const bool answer : {false, true}) {
      StartCard("", c.Player);
      Edit("eventIdEdit")->setText(c.Event);
      Edit("dateEdit")->setText(c.Date);
      Alt('O');
      Type("4");
      prompts_->Answers = {answer};
      Press(Qt::Key_Return);
      EXPECT_TRUE(prompts_->Shown.contains(QString("Confirm: ") + c.Question))
          << prompts_->Shown.join("\n").toStdString();
      EXPECT_EQ(Posting(), !answer) << c.Question;
      EXPECT_EQ(Has(File(), c.Posted), answer) << c.Question;
      prompts_->Shown.clear();
      if (Posting()) Press(Qt::Key_F12);
      if (!answer) continue;
      prompts_->Answers = {true};
      Find<QAction>(&editor_, "deleteAction")->trigger();
    }
  }
}

// A bad date or time, or a file that cannot be written, stops the post and keeps the card;
// a later post that can be written succeeds.
TEST_F(RoundEditorTest, AFailedPostKeepsTheCard) {
  const struct {
    const char* Field;
    const char* Text;
    const char* Message;
  } cases[] = {{"dateEdit", "2026-02-30", "'2026-02-30' is not a valid date"},
               {"startEdit", "", "'' is not a valid time"},
               {"startEdit", "25:99", "'25:99' is not a valid time"},
               {nullptr, nullptr, "missing/ROUNDS.DAT"}};
  for (const auto& c : cases) {
    StartCard("E1", "JS", "10:30", "4");
    if (c.Field) Edit(c.Field)->setText(c.Text);
    if (!c.Field) Settings().DataDir = dir_.File("missing") + "/";
    prompts_->Shown.clear();
    Press(Qt::Key_Return);
    ASSERT_EQ(prompts_->Shown.size(), 1) << c.Message;
    EXPECT_TRUE(prompts_->Shown.back().contains(c.Message)) << prompts_->Shown.back().toStdString();
    EXPECT_TRUE(Posting());
    EXPECT_EQ(Grid("frontNineGrid")->cellText(kScoreRow, 1), "4");
    EXPECT_FALSE(FileExists(dir_.File("ROUNDS.DAT")));
    if (c.Field) Press(Qt::Key_F12);
  }
  Settings().DataDir = dir_.Path();
  Press(Qt::Key_Return);
  EXPECT_FALSE(Posting());
  EXPECT_TRUE(Has(File(), "[260510-1030-JS]\r\n"));
}

TEST_F(RoundEditorTest, NewAfterAPostStartsTheNextCardOfTheEvent) {
  StartCard("E1", "JS", "09:40", "4");
  Press(Qt::Key_Return);
  ASSERT_FALSE(Posting());
  EXPECT_TRUE(Edit("findEdit")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(&editor_, "nextButton")->isEnabled());

  Press(Qt::Key_F9);
  EXPECT_EQ(Text("eventIdEdit"), "E1");
  EXPECT_EQ(Text("courseIdEdit"), "MB");
  EXPECT_EQ(Text("dateEdit"), "2026-05-10");
  EXPECT_EQ(Text("startEdit"), "09:40");  // as every round shows it, not in the long time format
  EXPECT_EQ(QApplication::focusWidget(), Edit("playerIdEdit"));
  EXPECT_FALSE(Find<QPushButton>(&editor_, "nextButton")->isEnabled());
  Type("AB");
  EXPECT_EQ(Text("playerIdEdit"), "AB");
  EXPECT_EQ(Text("playerEdit"), "Ann Brown");

  // The same player again at the same tee time: the ID is taken, and the message says what
  // makes it.
  Press(Qt::Key_F12);
  StartCard("", "JS", "09:40", "5");
  Press(Qt::Key_Return);
  ASSERT_EQ(prompts_->Shown.size(), 1);
  EXPECT_EQ(prompts_->Shown[0],
            "Cardwise: The ID 260510-0940-JS belongs to another round.\rChange the start time: "
            "the ID is made from date, start time and player.");
  EXPECT_TRUE(Posting());
}

// A whole card from the keyboard alone, posted with Enter, written as a hand-made file would
// hold it and ranked by "recalc events" exactly as that file's card.
TEST_F(RoundEditorTest, AWholeCardByKeysOnly) {
  StartCard("E1", "JS", "10:30", "45365435");  // eight holes
  HoleGrid* out = Grid("frontNineGrid");
  EXPECT_EQ(out->Look(kScoreRow, 9, "").Text, "-");
  EXPECT_EQ(out->cellText(kScoreRow, HoleGrid::kTotalColumn), "");
  Type("4");
  EXPECT_EQ(out->cellText(kScoreRow, HoleGrid::kTotalColumn), "39");
  EXPECT_EQ(Label("scoreLabel"), "");  // only with all eighteen
  TypeNine({"222212222", "110100101", "101110011"});
  EXPECT_EQ(Cursor("frontNineGrid"), QPoint(1, kStatsRow));
  Type("bunker");
  Alt('I');
  TypeNine({"444553444", "222222122", "111000111", "110011001"});
  EXPECT_EQ(Label("scoreLabel"), "76");
  EXPECT_EQ(Label("netLabel"), "64");
  EXPECT_EQ(Find<QLabel>(&editor_, "scoreLabel")->palette().color(QPalette::WindowText),
            Color(ColorKey::Tot1));
  // Hole 3 is a par 3: 2 is a birdie; hole 4 a par 5: 11 is "other".
  EXPECT_EQ(out->Look(kScoreRow, 3, "2").Background, Color(ColorKey::Score_1));
  EXPECT_EQ(out->Look(kScoreRow, 4, "11").Background, Color(ColorKey::Score3));
  EXPECT_EQ(out->Look(kLenRow, 1, "").Background, QColor(255, 255, 0));
  Press(Qt::Key_Return);
  ASSERT_FALSE(Posting()) << prompts_->Shown.join("\n").toStdString();
  ASSERT_TRUE(prompts_->Shown.isEmpty()) << prompts_->Shown.join("\n").toStdString();

  const std::string card =
      std::string("[260510-1030-JS]\r\nID=260510-1030-JS\r\nPlayerID=JS\r\nPlayer=John Smith\r\n") +
      "CourseID=MB\r\nCourse=Mill Brook\r\nEventID=E1\r\nEvent=Spring Cup\r\nHcp=12.4\r\n" +
      "Strokes=12\r\nDate=2026-05-10\r\nStart=10:30:00\r\n" +
      "Score=4,5,3,6,5,4,3,5,4,4,4,4,5,5,3,4,4,4\r\n" +
      "Greens=1,1,0,1,0,0,1,0,1,1,1,1,0,0,0,1,1,1\r\n" +
      "Fairways=1,0,1,1,1,0,0,1,1,1,1,0,0,1,1,0,0,1\r\n" +
      "Putts=2,2,2,2,1,2,2,2,2,2,2,2,2,2,2,1,2,2\r\n" + "CPar=" + kPar72 + "\r\n" +
      "CHcp=" + kIndex + "\r\n" + "Stats=bunker" + std::string(17, ';') + "\r\n";
  const std::string written = File();
  for (const char* key : {"ID=", "PlayerID=", "Hcp=", "Strokes=", "Date=", "Start=", "Score=",
                          "Greens=", "Fairways=", "Putts=", "CPar=", "Stats="}) {
    const std::size_t at = card.find(std::string("\n") + key);
    const std::string line = card.substr(at + 1, card.find('\n', at + 1) - at);
    EXPECT_TRUE(Has(written, line)) << line << " in\n" << written;
  }

  RoundList byHand;
  byHand.LoadFromFile(dir_.Write("HAND.DAT", card));
  Event expected = *Events().FindRecord("E1");
  CalcResults(expected, byHand);
  Database database = ProcessDatabase();
  ASSERT_TRUE(RecalcAllEvents(database, dir_.File("EVENTS.DAT")).ok());
  EXPECT_EQ(Events().FindRecord("E1")->Results, expected.Results);
  ASSERT_EQ(expected.Results.size(), 1u);
  EXPECT_TRUE(Has(expected.Results[0], "JS;260510-1030-JS")) << expected.Results[0];
}

// The course editor: the card typed into its hole grids, the tee colour, and the frame's
// differences (an emptied ID removes a new course).

class CourseEditorTest : public AppTest {
 protected:
  CourseEditorTest() {
    Settings().DataDir = dir_.Path();
    Courses().LoadFromFile(dir_.Write("COURSES.DAT", kCourses));
    ShowActive(&editor_);
  }

  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(&editor_, name); }
  HoleGrid* Out() { return Find<HoleGrid>(&editor_, "frontNineGrid"); }
  bool Posting() { return Find<QPushButton>(&editor_, "postButton")->isVisible(); }
  std::string File() { return dir_.Read("COURSES.DAT"); }
  void Show(const char* id) { Edit("findEdit")->setText(id); }
  // Enters the front-nine grid (the cursor goes to the first length) and moves to a cell.
  void EnterCell(int row, int column) {
    Out()->setFocus();
    EXPECT_EQ(Out()->currentRow(), kLenRow);
    Out()->moveCursorTo(row, column);
  }

  app::CourseEditor editor_;
};

TEST_F(CourseEditorTest, HoleCellsCompleteByTheirRowAndMoveOn) {
  const struct {
    int Row, Column;
    const char* Keys;
    int ThenRow, ThenColumn;  // the cursor afterwards
    const char* Stored;
  } cases[] = {
      {kLenRow, 1, "34", kLenRow, 1, ""}, {kLenRow, 1, "345", kLenRow, 2, "345"},
      {kHcpRow, 1, "1", kHcpRow, 1, ""},  {kHcpRow, 1, "14", kHcpRow, 2, "14"},
      {kHcpRow, 1, "7", kHcpRow, 2, "7"}, {kParRow, 9, "5", kHcpRow, 1, "5"},
      {kHcpRow, 9, "9", kHcpRow, 9, "9"},  // the last cell: the cursor stays
  };
  for (const auto& c : cases) {
    Show("MB");
    EnterCell(c.Row, c.Column);
    Type(c.Keys);
    EXPECT_EQ(Out()->currentRow(), c.ThenRow) << c.Keys;
    EXPECT_EQ(Out()->currentColumn(), c.ThenColumn) << c.Keys;
    if (*c.Stored) {
      EXPECT_EQ(Out()->cellText(c.Row, c.Column), c.Stored) << c.Keys;
    }
    EXPECT_TRUE(Posting());
    Press(Qt::Key_F12);
  }
}

TEST_F(CourseEditorTest, SumsFollowTheCardAndAPostWritesIt) {
  Show("MB");
  EnterCell(kLenRow, 1);
  Type("350362141");
  EXPECT_EQ(Out()->cellText(kLenRow, HoleGrid::kTotalColumn), "853");
  EnterCell(kParRow, 1);
  Type("5");
  EXPECT_EQ(Out()->cellText(kParRow, HoleGrid::kTotalColumn), "37");
  Out()->moveCursorTo(kHcpRow, 1);
  Type("7");
  EXPECT_EQ(Out()->cellText(kHcpRow, HoleGrid::kTotalColumn), "") << "stroke indexes have no sum";
  Press(Qt::Key_Return);
  EXPECT_FALSE(Posting());
  EXPECT_TRUE(Has(File(), "Par=5,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n")) << File();
  EXPECT_TRUE(Has(File(), "Len=350,362,141\r\n")) << File();
}

}  // namespace
}  // namespace cardwise::testing
