#pragma once
// The weights dialog ("Tour Event Result Weights"): one row per event of a tour with its weight,
// "1" where the tour has none; OK stores the weights joined by ";", Cancel changes nothing.

#include <QDialog>
#include <string>

class QTableWidget;

namespace cardwise::app {

class TFtourwt : public QDialog {
  Q_OBJECT

 public:
  explicit TFtourwt(QWidget* parent = nullptr);

  // `eventIDs` as a tour keeps them ("E1;E2;"); true, with `weights` replaced, on OK.
  bool EditWeights(const std::string& eventIDs, std::string& weights);

 private:
  void createWidgets();
  void ShowRows(const std::string& eventIDs, const std::string& weights);
  std::string TakeWeights() const;

  QTableWidget* SG = nullptr;
};

}  // namespace cardwise::app
