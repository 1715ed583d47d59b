#pragma once
// The event editor ("Add/Edit Events"): the record editor frame over the event list with the
// event's name, date, course, page header, "Make Web-Page", its type, its format and teams
// (team_fields.h) and its results grid.
//
// "Results / Sort" posts an edit first, computes the results from the rounds (gross, net and
// Stableford types) or sorts the typed ones (manual types), shows them and enters the edit state,
// so that the next post writes them. "Copy players" puts the player column on the clipboard,
// "Paste players" (manual types only) fills a new field of players from it. A post writes the
// grid's rows over the event's lines and never shortens the list. "Divisions" holds the
// ascending handicap limits of the event's divisions; the player column then shows each line's
// division. File / "Draw..." opens the draw window, "Print cards..." prints the draw's cards.

#include "app/record_editor.h"
#include "app/results_grid.h"
#include "results/event.h"

class QButtonGroup;
class QGridLayout;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace cardwise::app {

class TeamFields;

class EventEditor : public RecordEditor {
  Q_OBJECT

 public:
  explicit EventEditor(QWidget* parent = nullptr);

  static const QStringList& typeNames();

  void calculateResults();
  void setToday();
  void copyPlayers();
  void pastePlayers();
  // "Draw...": posts an edit, then opens the draw window on the event.
  void openDraw();
  // "Print cards...": the print dialog with the scorecards of the event's draw.
  void printCards();

 protected:
  void showFields(int index) override;
  void clearFields() override;
  bool storeFields(int index) override;
  std::string pagePathOf(int index) override;
  void newRecordShown() override;

 private:
  void createFields();
  void createTypeGroup(QGridLayout* form, int row);
  void createMenuItems();
  void setUpGrid();
  void enterGrid();
  void changeType();
  void enablePastePlayers();
  void lookUpCourse();
  QString playerWithDivision(const QString& id);

  QLineEdit* eventEdit = nullptr;
  QLineEdit* eventDateEdit = nullptr;
  QLineEdit* courseIdEdit = nullptr;
  QLineEdit* courseEdit = nullptr;  // the course's name, or why there is none
  QLineEdit* headerEdit = nullptr;
  QLineEdit* divisionsEdit = nullptr;
  QCheckBox* makePagesBox = nullptr;
  QButtonGroup* typeGroup = nullptr;
  TeamFields* teamFields = nullptr;  // format, Best, allowance and teams
  ResultsGrid* resultsGrid = nullptr;
  QPushButton* resultsButton = nullptr;
  QAction* copyPlayersAction = nullptr;
  QAction* pastePlayersAction = nullptr;
  QAction* drawAction = nullptr;
  QAction* printCardsAction = nullptr;
  int lastType_ = 0;  // the type a new event starts with
};

}  // namespace cardwise::app
