#include "app/splash_window.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace cardwise::app {

namespace {

constexpr int kSide = 235;

void paintSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kSide);
  sky.setColorAt(0, QColor(0x6f, 0xb4, 0xf0));
  sky.setColorAt(0.55, QColor(0xd8, 0xee, 0xff));
  sky.setColorAt(0.56, QColor(0x5a, 0xb0, 0x4a));
  sky.setColorAt(1, QColor(0x1f, 0x6e, 0x2a));
  p.fillRect(QRect(0, 0, kSide, kSide), sky);
}

void paintGreen(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x6c, 0xd0, 0x5c));
  p.drawEllipse(QRectF(40, 150, 160, 44));
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(112, 166, 16, 7));
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(QPointF(120, 170), QPointF(120, 68));
  QPainterPath flag;
  flag.moveTo(121, 68);
  flag.lineTo(168, 82);
  flag.lineTo(121, 96);
  flag.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe0, 0x20, 0x20));
  p.drawPath(flag);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(150, 176, 10, 10));
}

void paintTitle(QPainter& p) {
  QFont font = p.font();
  font.setPointSize(22);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0x10, 0x30, 0x60));
  p.drawText(QRect(0, 14, kSide, 40), Qt::AlignCenter, "Cardwise");
  font.setPointSize(9);
  font.setBold(false);
  p.setFont(font);
  p.drawText(QRect(0, 46, kSide, 20), Qt::AlignCenter, "golf statistics on the web");
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("SplashWindow");
  setFixedSize(kSide, kSide);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::showNow() {
  show();
  repaint();
  QApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paintSky(painter);
  paintGreen(painter);
  paintTitle(painter);
  painter.setPen(QPen(QColor(0x20, 0x40, 0x20), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(1, 1, kSide - 2, kSide - 2));
}

}  // namespace cardwise::app
