#pragma once
// The about window: name, version, memory and disk figures, the home page link.

#include <QDialog>

class QLabel;

namespace cardwise::app {

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

 protected:
  // The figures are read afresh each time the window is shown.
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* addLabel(const char* name, const QString& text = {});
  void createWidgets();
  void showFigures();
  void openHomePage();

  QLabel* programName_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* memLoad_ = nullptr;
  QLabel* mem_ = nullptr;
  QLabel* disk_ = nullptr;
  QLabel* info_ = nullptr;
  QLabel* www_ = nullptr;
};

}  // namespace cardwise::app
