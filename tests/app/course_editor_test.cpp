// The course editor: the card typed into its hole grids, the tee colour, and the frame's
// differences (an emptied ID removes a new course).

#include "app/course_editor.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/qt_text.h"
#include "app_fixture.h"
#include "records/dates.h"
#include "records/round.h"
#include "results/event.h"
#include "settings/colors.h"

namespace cardwise::testing {
namespace {

using app::HoleGrid;

constexpr const char* kCourses =
    "[MB]\r\nID=MB\r\nCourse=Mill Brook\r\nTee=Yellow\r\nLenRGB=ffff00\r\nCR=70.1\r\n"
    "Slope=125.0\r\nPar=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5\r\n"
    "[PL]\r\nID=PL\r\nCourse=Plain Links\r\n";

enum { kLenRow = 1, kParRow, kHcpRow };

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
  QColor Tee() { return Edit("teeEdit")->palette().color(QPalette::Base); }
  void Show(const char* id) { Edit("findEdit")->setText(id); }
  // Enters the front-nine grid (the cursor goes to the first length) and moves to a cell.
  void EnterCell(int row, int column) {
    Out()->setFocus();
    EXPECT_EQ(Out()->currentRow(), kLenRow);
    Out()->moveCursorTo(row, column);
  }

  app::CourseEditor editor_;
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

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
