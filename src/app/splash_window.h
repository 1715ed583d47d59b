#pragma once
// The splash picture shown while the program starts.

#include <QWidget>

namespace cardwise::app {

// A borderless 235 x 235 window centred on the screen, filled by one picture.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // Shows the window and paints it at once, before the event loop runs.
  void showNow();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace cardwise::app
