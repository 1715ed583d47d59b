#pragma once
// The event editor ("Add/Edit Events"): the record editor frame over the event list with the
// event's name, date, course, page header, "Make Web-Page", its type and its results grid.
//
// "Results / Sort" posts an edit first, computes the results from the rounds (gross, net and
// Stableford types) or sorts the typed ones (manual types), shows them and enters the edit state,
// so that the next post writes them. "Copy players" puts the player column on the clipboard,
// "Paste players" (manual types only) fills a new field of players from it. A post writes the
// grid's rows over the event's lines and never shortens the list.

#include "app/record_editor.h"
#include "app/results_grid.h"
#include "results/event.h"

class QButtonGroup;
class QGridLayout;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace cardwise::app {

class TFEvent : public TRecordEditor {
  Q_OBJECT

 public:
  explicit TFEvent(QWidget* parent = nullptr);

  static const QStringList& TypeNames();

  void DoSetResults();
  void DoSetToday();
  void MIecopypClick();
  void MIepastepClick();

 protected:
  void ShowFields(int index) override;
  void ClearFields() override;
  bool StoreFields(int index) override;
  std::string PagePathOf(int index) override;
  void NewRecordShown() override;

 private:
  void createFields();
  void createTypeGroup(QGridLayout* form, int row);
  void createMenuItems();
  void SetUpGrid();
  void DoSGEnter();
  void DoTypeChanged();
  void EnablePastePlayers();
  void LookUpCourse();

  QLineEdit* Eevent = nullptr;
  QLineEdit* Eedate = nullptr;
  QLineEdit* EcourseID = nullptr;
  QLineEdit* Ecourse = nullptr;  // the course's name, or why there is none
  QLineEdit* Eheader = nullptr;
  QCheckBox* CBmake = nullptr;
  QButtonGroup* RGtype = nullptr;
  TResultsGrid* SG = nullptr;
  QPushButton* Bresults = nullptr;
  QAction* MIecopyp = nullptr;
  QAction* MIepastep = nullptr;
  int lastType_ = 0;  // the type a new event starts with
};

}  // namespace cardwise::app
