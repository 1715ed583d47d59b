#pragma once
// The tour editor ("Add/Edit Tours"): the record editor frame over the tour list with the tour's
// name, scoring type, worst results not counted, web folder and header, mandatory events, the
// check list of all events (the checked ones are the tour's: it keeps its own order, newly checked
// events joining at the end), the standings grid, the weights dialog and "Save as Event...".
//
// "Results" computes the standings from the events' results as they are in memory, with the
// tour as it stands on screen (checked events, type, worst count), shows them and enters the
// edit state, so that the next post writes them.

#include "app/record_editor.h"
#include "app/results_grid.h"
#include "results/tour.h"

class QButtonGroup;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace cardwise::app {

class TFtourwt;

class TFTour : public TRecordEditor {
  Q_OBJECT

 public:
  explicit TFTour(QWidget* parent = nullptr);

  static const QStringList& TypeNames();

  void FormActivate() override;
  void DoSetResults();
  void DoSetWeights();
  void MIfsaveaseidClick();
  // The weights dialog, a window of the tour editor's own.
  TFtourwt* WeightsDialog();

 protected:
  void ShowFields(int index) override;
  void ClearFields() override;
  bool StoreFields(int index) override;
  std::string PagePathOf(int index) override;

 private:
  void createFields();
  void createTypeGroup(QGridLayout* form, int row);
  void createButtons(QGridLayout* form, int row);
  void createMenuItems();
  void FillEventList();
  void ShowChecks(const TTour& tour);
  void SetUpGrid();
  void TakeScreen(TTour& tour);
  std::vector<EventCheck> EventChecks() const;
  void DoSGEnter();
  bool SaveAsEventID(TTour& tour, const std::string& eventID);

  QLineEdit* Etour = nullptr;
  QButtonGroup* RGtype = nullptr;
  QLineEdit* En = nullptr;
  QLineEdit* Ew = nullptr;
  QLineEdit* Edir = nullptr;
  QLineEdit* Eheader = nullptr;
  QLineEdit* Emeids = nullptr;
  QListWidget* CLBevents = nullptr;
  TResultsGrid* SG = nullptr;
  QPushButton* Bresult = nullptr;
  QPushButton* Bweights = nullptr;
  QAction* MIfsaveaseid = nullptr;
  TFtourwt* weights_ = nullptr;
};

}  // namespace cardwise::app
