#include "app/status_panel.h"

#include <QApplication>

#include "app/qt_text.h"
#include "platform/status_sink.h"

namespace cardwise::app {

namespace {
StatusPanel* current = nullptr;
}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {
  setObjectName("statusPanel");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  setMinimumHeight(fontMetrics().height() + 6);
}

StatusPanel::~StatusPanel() {
  if (current == this) current = nullptr;
}

void StatusPanel::MakeCurrent() {
  current = this;
}

StatusPanel* StatusPanel::Current() {
  return current;
}

void StatusPanel::SetStatus(const QString& text, const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::Window,
                  color.isValid() ? color : QApplication::palette().color(QPalette::Button));
  setPalette(colors);
  setText(text);
  repaint();
}

void StatusPanel::installCoreSink() {
  SetStatusSink([](const std::string& text) {
    if (current) current->SetStatus(toQString(text));
  });
}

}  // namespace cardwise::app
