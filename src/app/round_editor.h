#pragma once
// The round editor ("Add/Edit Round"), where scorecards are entered: the record editor frame over
// the round list with the event, course and player IDs (each looked up as it is typed), date,
// tee time, handicap and strokes received, the card in two hole grids ("Score OUT", "Score IN")
// and three large labels with score, nett and Stableford points that follow every keystroke.
//
// The round's ID is never typed: a post makes it from date, tee time and player. "New" starts
// the next card from the event, course, date and tee time of the round posted last, with the
// focus in the player field. Navigation posts an edited round first; Enter moves to the next
// round while browsing ("Next" is the default button) and posts while editing.
//
// The grids move on by themselves: a score is complete at one digit other than "1" or at two
// ("A" to "Z" stand for 10 to 35), a length at three, the other rows at one; a cell takes only
// what its row can hold. The putts decide "Green": a count that means the green was reached in
// regulation marks it, a corrected count that does not clears it; greens and fairways above 1
// become 1. Unknown IDs are flagged as they are typed, and a post asks before it files a round
// of an unknown player, course or event, on another day than its event, or a second round of a
// player in one event.
// A double-click adds 1 to a cell of either grid.

#include <QString>

#include "app/hole_grid.h"
#include "app/record_editor.h"
#include "records/round.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cardwise::app {

// The colour rules of the card and the labels: a score against par ("Back" when either is 0,
// else the score colour of the difference, clamped to -2..3), and a total against its reference
// ("Total" when either is 0, else the total font colours for under, equal and over).
ColorValue scoreColor(int score, int par);
ColorValue totalColor(int value, int reference);

class RoundEditor : public RecordEditor {
  Q_OBJECT

 public:
  explicit RoundEditor(QWidget* parent = nullptr);

  void updateStrokes();
  void setToday();
  void setTimeNow();

 protected:
  void showFields(int index) override;
  void clearFields() override;
  bool storeFields(int index) override;
  std::string pagePathOf(int index) override;
  bool postRecord() override;
  QAbstractButton* DefaultButton() override;
  void newRecordShown() override;
  void modeChanged(bool editing) override;

 private:
  void createFields();
  void createIdFields(QGridLayout* form);
  void createCardFields(QGridLayout* form);
  void createResultLabels(QGridLayout* form);
  HoleGrid* createGrid(int firstHole, const QString& totalTitle);
  void connectLookups();

  void lookUpEvent();
  void lookUpCourse();
  void lookUpPlayer();
  void receiveStrokes();
  void enterGrid(HoleGrid* grid);
  void updateTotals(HoleGrid* grid, int row, int column);
  void completeCell(HoleGrid* grid, int row, int column);
  void applyGreenRule(HoleGrid* grid, int column);
  void reportRefused(int row, const QString& characters);
  QString cellEditText(int row, int column, const QString& text) const;
  CellLook cellLook(const HoleGrid* grid, int row, int column, const QString& text);

  bool confirmIds();
  bool confirmEventRound(int index, DateTime date, DateTime start);
  // The ID of another round of the probe's player in the event, under another ID than the
  // probe's; empty when there is none.
  static std::string otherRoundInEvent(int index, const std::string& eventID, const Round& probe);

  void showGrids(const Round& round);
  void showTotals(const Round& round);
  void showResults(const Round& round);
  void readGrids(Round& round);
  // Reads the cells into the shown round and refreshes the totals and the three labels.
  void takeCells();

  QLineEdit* eventIdEdit = nullptr;
  QLineEdit* eventEdit = nullptr;
  QLineEdit* courseIdEdit = nullptr;
  QLineEdit* courseEdit = nullptr;
  QLineEdit* playerIdEdit = nullptr;
  QLineEdit* playerEdit = nullptr;
  QLineEdit* dateEdit = nullptr;
  QLineEdit* startEdit = nullptr;
  QLineEdit* handicapEdit = nullptr;
  QLineEdit* strokesEdit = nullptr;
  HoleGrid* frontNineGrid = nullptr;
  HoleGrid* backNineGrid = nullptr;
  QLabel* scoreLabel = nullptr;
  QLabel* netLabel = nullptr;
  QLabel* pointsLabel = nullptr;
  QPushButton* nextButton = nullptr;

  // What the next "New" starts from: the round posted last.
  struct Remembered {
    std::string EventID, CourseID;
    DateTime Date = 0, Start = 0;
  } last_;
};

}  // namespace cardwise::app
