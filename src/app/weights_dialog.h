#pragma once
// The weights dialog ("Tour Event Result Weights"): one row per event of a tour with its weight,
// "1" where the tour has none; OK stores the weights joined by ";", Cancel changes nothing.

#include <QDialog>
#include <string>
#include <vector>

#include "results/tour.h"

class QTableWidget;

namespace cardwise::app {

class WeightsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WeightsDialog(QWidget* parent = nullptr);

  // Shows the tour's events as `checks` make them (SetCheckedEvents), each with its weight. On
  // OK, true: the tour takes those events and the weights of the rows; on Cancel it is left as
  // it was.
  bool editWeights(Tour& tour, const std::vector<EventCheck>& checks);

 private:
  void createWidgets();
  void showRows(const std::string& eventIDs, const std::string& weights);
  std::string takeWeights() const;

  QTableWidget* weightsTable = nullptr;
};

}  // namespace cardwise::app
