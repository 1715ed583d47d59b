#include "app/status_panel.h"

#include <QApplication>

#include "app/qt_text.h"
#include "platform/status_sink.h"

namespace cardwise::app {

namespace {
StatusPanel* currentPanel = nullptr;
}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {
  setObjectName("statusPanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  setMinimumHeight(fontMetrics().height() + 6);
}

StatusPanel::~StatusPanel() {
  if (currentPanel == this) currentPanel = nullptr;
}

void StatusPanel::makeCurrent() {
  currentPanel = this;
}

StatusPanel* StatusPanel::current() {
  return currentPanel;
}

void StatusPanel::setStatus(const QString& text, const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::Window,
                  color.isValid() ? color : QApplication::palette().color(QPalette::Button));
  setPalette(colors);
  setText(text);
  repaint();
}

void StatusPanel::installCoreSink() {
  SetStatusSink([](const std::string& text) {
    if (currentPanel) currentPanel->setStatus(toQString(text));
  });
}

}  // namespace cardwise::app
