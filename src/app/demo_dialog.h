#pragma once
// The demo-data dialog: switch to the demo data and back (results/demo_data.h). A switch is
// written to the settings at once; one that cannot be made (the demo files are missing and
// cannot be copied into the data folder) is one message box and changes nothing.

#include <QDialog>

class QPushButton;

namespace cardwise::app {

class DemoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DemoDialog(QWidget* parent = nullptr);
  // "Load Demo": switches to the demo data (the user is told when that failed).
  void loadDemo();

 protected:
  // Both switches are offered again each time the dialog opens.
  void showEvent(QShowEvent* event) override;

 private:
  void createWidgets();
  void unloadDemo();

  QPushButton* load_ = nullptr;
  QPushButton* unload_ = nullptr;
};

}  // namespace cardwise::app
