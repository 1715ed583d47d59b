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
ColorValue ScoreColor(int score, int par);
ColorValue TotalColor(int value, int reference);

class TFRound : public TRecordEditor {
  Q_OBJECT

 public:
  explicit TFRound(QWidget* parent = nullptr);

  void DoCalcSlope();
  void DoSetToday();
  void DoSetTime();

 protected:
  void ShowFields(int index) override;
  void ClearFields() override;
  bool StoreFields(int index) override;
  std::string PagePathOf(int index) override;
  bool PostRecord() override;
  QAbstractButton* DefaultButton() override;
  void NewRecordShown() override;
  void ModeChanged(bool editing) override;

 private:
  void createFields();
  void createIdFields(QGridLayout* form);
  void createCardFields(QGridLayout* form);
  void createResultLabels(QGridLayout* form);
  THoleGrid* createGrid(int firstHole, const QString& totalTitle);
  void connectLookups();

  void EeventidChange();
  void EcourseidChange();
  void EplayerIDChange();
  void EnsChange();
  void DoSGEnter(THoleGrid* grid);
  void DoSGOne(THoleGrid* grid, int row, int column);
  void DoCellCompleted(THoleGrid* grid, int row, int column);
  void ApplyGreenRule(THoleGrid* grid, int column);
  void ReportRefused(int row, const QString& characters);
  QString DoSetEditText(int row, int column, const QString& text) const;
  CellLook DoDrawHoriz(const THoleGrid* grid, int row, int column, const QString& text);

  bool ConfirmIds();
  bool ConfirmEventRound(int index, DateTime date, DateTime start);
  // The ID of another round of the probe's player in the event, under another ID than the
  // probe's; empty when there is none.
  static std::string OtherRoundInEvent(int index, const std::string& eventID, const TRound& probe);

  void ShowGrids(const TRound& round);
  void ShowTotals(const TRound& round);
  void ShowResults(const TRound& round);
  void ReadGrids(TRound& round);
  // Reads the cells into the shown round and refreshes the totals and the three labels.
  void TakeCells();

  QLineEdit* Eeventid = nullptr;
  QLineEdit* Eevent = nullptr;
  QLineEdit* Ecourseid = nullptr;
  QLineEdit* Ecourse = nullptr;
  QLineEdit* EplayerID = nullptr;
  QLineEdit* Eplayer = nullptr;
  QLineEdit* Esdate = nullptr;
  QLineEdit* Estart = nullptr;
  QLineEdit* Ehcp = nullptr;
  QLineEdit* Ens = nullptr;
  THoleGrid* SGout = nullptr;
  THoleGrid* SGin = nullptr;
  QLabel* Lscore = nullptr;
  QLabel* Lnet = nullptr;
  QLabel* Lpts = nullptr;
  QPushButton* Bnext = nullptr;

  // What the next "New" starts from: the round posted last.
  struct Remembered {
    std::string EventID, CourseID;
    DateTime Date = 0, Start = 0;
  } last_;
};

}  // namespace cardwise::app
