#pragma once
// The status line along the bottom of a window. One panel is current: the one of the window
// activated last; every status text of the core (ShowStatus) goes there and is painted at once.

#include <QColor>
#include <QLabel>

namespace cardwise::app {

class StatusPanel : public QLabel {
  Q_OBJECT

 public:
  explicit StatusPanel(QWidget* parent = nullptr);
  ~StatusPanel() override;

  // Makes this panel the one that receives the core's status texts.
  void makeCurrent();
  static StatusPanel* current();

  // Sets the text and the background (an invalid colour: the window's normal colour), and
  // repaints at once so long operations show their progress.
  void setStatus(const QString& text, const QColor& color = QColor());

  // Routes the core's ShowStatus to the current panel. Called once at start-up.
  static void installCoreSink();
};

}  // namespace cardwise::app
