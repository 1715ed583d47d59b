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

class WeightsDialog;

class TourEditor : public RecordEditor {
  Q_OBJECT

 public:
  explicit TourEditor(QWidget* parent = nullptr);

  static const QStringList& typeNames();

  void activate() override;
  void calculateResults();
  void showWeights();
  void saveAsEvent();
  // The weights dialog, a window of the tour editor's own.
  WeightsDialog* weightsDialog();

 protected:
  void showFields(int index) override;
  void clearFields() override;
  bool storeFields(int index) override;
  std::string pagePathOf(int index) override;

 private:
  void createFields();
  void createTypeGroup(QGridLayout* form, int row);
  void createButtons(QGridLayout* form, int row);
  void createMenuItems();
  void fillEventList();
  void showChecks(const Tour& tour);
  void setUpGrid();
  void takeScreen(Tour& tour);
  std::vector<EventCheck> eventChecks() const;
  void enterGrid();
  bool saveAsEventID(Tour& tour, const std::string& eventID);

  QLineEdit* tourEdit = nullptr;
  QButtonGroup* typeGroup = nullptr;
  QLineEdit* playerCountEdit = nullptr;
  QLineEdit* worstEdit = nullptr;
  QLineEdit* folderEdit = nullptr;
  QLineEdit* headerEdit = nullptr;
  QLineEdit* mandatoryEventsEdit = nullptr;
  QListWidget* eventList = nullptr;
  ResultsGrid* resultsGrid = nullptr;
  QPushButton* resultsButton = nullptr;
  QPushButton* weightsButton = nullptr;
  QAction* saveAsEventAction = nullptr;
  WeightsDialog* weights_ = nullptr;
};

}  // namespace cardwise::app
