#include "app/button_images.h"

#include <QBitmap>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <array>

namespace cardwise::app {

namespace {

// The true-colour pictures are drawn on this colour and it is masked out afterwards, so that
// their soft edges blend into a dark outline instead of the button face.
const QColor kTransparent(0x11, 0x11, 0x11);

constexpr QSize kMainSize(50, 54);
constexpr QSize kDialogSize(30, 40);

// How one picture is painted: shaded and smooth (true colour) or flat with black outlines.
struct Style {
  bool TrueColor;

  QBrush Fill(const QColor& color, const QRectF& area) const {
    if (!TrueColor) return color;
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0, color.lighter(150));
    gradient.setColorAt(1, color.darker(130));
    return gradient;
  }
  QPen Outline(qreal width = 1.5) const {
    return TrueColor ? QPen(QColor(0x30, 0x30, 0x30), width) : QPen(Qt::black, 1);
  }
};

void drawScorecard(QPainter& p, const Style& s) {
  const QRectF card(8, 5, 32, 43);
  p.setPen(s.Outline());
  p.setBrush(s.Fill(QColor(0xf4, 0xf4, 0xe8), card));
  p.drawRect(card);
  p.fillRect(QRectF(9, 6, 31, 7), s.TrueColor ? QColor(0x2e, 0x9e, 0x3e) : QColor(Qt::darkGreen));
  p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
  for (int y = 19; y < 46; y += 6)
    p.drawLine(QPointF(10, y), QPointF(38, y));
  p.drawLine(QPointF(24, 14), QPointF(24, 46));
  p.setPen(QPen(Qt::red, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(27, 21, 8, 8));
  p.setPen(QPen(QColor(0xd0, 0x90, 0x10), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(30, 50), QPointF(46, 30));
  p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(30, 50), QPointF(32, 47.5));
}

void drawPerson(QPainter& p, const Style& s) {
  const QColor shirt = s.TrueColor ? QColor(0x2a, 0x6f, 0xd6) : QColor(Qt::blue);
  QPainterPath body;
  body.moveTo(9, 50);
  body.cubicTo(9, 30, 15, 28, 25, 28);
  body.cubicTo(35, 28, 41, 30, 41, 50);
  body.closeSubpath();
  p.setPen(s.Outline());
  p.setBrush(s.Fill(shirt, body.boundingRect()));
  p.drawPath(body);
  const QRectF head(16, 7, 18, 19);
  p.setBrush(s.Fill(QColor(0xf0, 0xc0, 0x90), head));
  p.drawEllipse(head);
  p.setBrush(s.Fill(QColor(0xe0, 0x20, 0x20), QRectF(15, 5, 20, 8)));
  p.drawChord(QRectF(15, 5, 20, 14), 0, 180 * 16);
  p.drawRect(QRectF(30, 10, 8, 2));
}

void drawFlag(QPainter& p, const Style& s) {
  const QRectF green(4, 38, 42, 13);
  p.setPen(s.Outline());
  p.setBrush(s.Fill(QColor(0x40, 0xc0, 0x40), green));
  p.drawEllipse(green);
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(21, 42, 8, 4));
  QPainterPath flag;
  flag.moveTo(25, 5);
  flag.lineTo(45, 12);
  flag.lineTo(25, 19);
  flag.closeSubpath();
  p.setBrush(s.Fill(QColor(0xe8, 0x20, 0x20), flag.boundingRect()));
  p.drawPath(flag);
  p.setPen(QPen(s.TrueColor ? QColor(0xe0, 0xe0, 0xe0) : QColor(Qt::white), 2));
  p.drawLine(QPointF(25, 4), QPointF(25, 44));
  p.setPen(s.Outline(1));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(33, 41, 6, 6));
}

void drawTrophy(QPainter& p, const Style& s) {
  const QColor gold = s.TrueColor ? QColor(0xf0, 0xc0, 0x20) : QColor(Qt::yellow);
  p.setPen(QPen(s.TrueColor ? gold.darker(140) : QColor(Qt::black), 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5, 10, 14, 16), 90 * 16, 180 * 16);
  p.drawArc(QRectF(31, 10, 14, 16), -90 * 16, 180 * 16);
  QPainterPath bowl;
  bowl.moveTo(11, 6);
  bowl.lineTo(39, 6);
  bowl.cubicTo(39, 24, 33, 32, 25, 32);
  bowl.cubicTo(17, 32, 11, 24, 11, 6);
  p.setPen(s.Outline());
  p.setBrush(s.Fill(gold, bowl.boundingRect()));
  p.drawPath(bowl);
  p.drawRect(QRectF(22, 32, 6, 8));
  p.setBrush(s.Fill(s.TrueColor ? QColor(0x80, 0x50, 0x20) : QColor(Qt::darkYellow),
                    QRectF(13, 40, 24, 10)));
  p.drawRect(QRectF(13, 40, 24, 10));
}

void drawCalendar(QPainter& p, const Style& s) {
  const QRectF sheet(5, 9, 40, 40);
  p.setPen(s.Outline());
  p.setBrush(s.Fill(Qt::white, sheet));
  p.drawRect(sheet);
  p.setBrush(s.Fill(QColor(0xd0, 0x20, 0x20), QRectF(5, 9, 40, 10)));
  p.drawRect(QRectF(5, 9, 40, 10));
  p.setBrush(QColor(0x90, 0x90, 0x90));
  for (int x : {14, 34})
    p.drawRoundedRect(QRectF(x - 2, 4, 4, 10), 2, 2);
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 5; ++column) {
      const bool marked = row == 2 && column == 3;
      p.setBrush(marked ? QColor(Qt::red) : QColor(0x60, 0x60, 0x60));
      p.drawRect(QRectF(9 + column * 7, 23 + row * 6.5, marked ? 5 : 4, marked ? 5 : 4));
    }
  }
}

void drawGlobe(QPainter& p, const Style& s) {
  const QRectF globe(5, 7, 40, 40);
  if (s.TrueColor) {
    QRadialGradient sea(QPointF(18, 18), 34);
    sea.setColorAt(0, QColor(0x90, 0xc8, 0xff));
    sea.setColorAt(1, QColor(0x10, 0x40, 0xa0));
    p.setBrush(sea);
  } else {
    p.setBrush(QColor(Qt::cyan));
  }
  p.setPen(s.Outline());
  p.drawEllipse(globe);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(s.TrueColor ? QColor(0xe0, 0xf0, 0xff) : QColor(Qt::blue), 1));
  p.drawEllipse(QRectF(16, 7, 18, 40));
  p.drawLine(QPointF(25, 7), QPointF(25, 47));
  for (qreal y : {17.0, 27.0, 37.0})
    p.drawLine(QPointF(7, y), QPointF(43, y));
}

void drawSheet(QPainter& p, const Style& s) {
  QPainterPath sheet;
  sheet.moveTo(4, 4);
  sheet.lineTo(18, 4);
  sheet.lineTo(24, 10);
  sheet.lineTo(24, 32);
  sheet.lineTo(4, 32);
  sheet.closeSubpath();
  p.setPen(s.Outline(1));
  p.setBrush(s.Fill(Qt::white, sheet.boundingRect()));
  p.drawPath(sheet);
  p.drawPolyline(QPolygonF({QPointF(18, 4), QPointF(18, 10), QPointF(24, 10)}));
}

void drawNew(QPainter& p, const Style& s) {
  drawSheet(p, s);
  const QColor plus = s.TrueColor ? QColor(0x20, 0xa0, 0x30) : QColor(Qt::darkGreen);
  p.setPen(QPen(plus, 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(20, 22), QPointF(20, 36));
  p.drawLine(QPointF(13, 29), QPointF(27, 29));
}

void drawDelete(QPainter& p, const Style& s) {
  drawSheet(p, s);
  p.setPen(QPen(s.TrueColor ? QColor(0xd8, 0x18, 0x18) : QColor(Qt::red), 4, Qt::SolidLine,
                Qt::RoundCap));
  p.drawLine(QPointF(14, 24), QPointF(26, 36));
  p.drawLine(QPointF(26, 24), QPointF(14, 36));
}

void drawPost(QPainter& p, const Style& s) {
  p.setPen(QPen(s.TrueColor ? QColor(0x20, 0xa0, 0x30) : QColor(Qt::darkGreen), 5, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(5, 21), QPointF(12, 29), QPointF(25, 11)}));
}

using Drawing = void (*)(QPainter&, const Style&);

QIcon Paint(QSize size, Drawing draw, bool trueColor) {
  QPixmap pixmap(size);
  pixmap.fill(trueColor ? kTransparent : QColor(Qt::transparent));
  {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, trueColor);
    draw(painter, Style{trueColor});
  }
  if (trueColor) pixmap.setMask(pixmap.createMaskFromColor(kTransparent, Qt::MaskInColor));
  return QIcon(pixmap);
}

// Each picture twice: even index true colour, odd index plain.
template <std::size_t N>
std::array<QIcon, 2 * N> paintSet(QSize size, const std::array<Drawing, N>& drawings) {
  std::array<QIcon, 2 * N> icons;
  for (std::size_t i = 0; i < N; ++i) {
    icons[2 * i] = Paint(size, drawings[i], true);
    icons[2 * i + 1] = Paint(size, drawings[i], false);
  }
  return icons;
}

template <std::size_t N>
QIcon Pick(const std::array<QIcon, N>& icons, int index) {
  return index >= 0 && index < static_cast<int>(N) ? icons[static_cast<std::size_t>(index)]
                                                   : QIcon();
}

}  // namespace

// Indexes 10 and 11 are the web button's globe, which keeps its picture in both sets.
QIcon mainImage(int index) {
  static const auto icons = paintSet<6>(
      kMainSize, {drawScorecard, drawPerson, drawFlag, drawTrophy, drawCalendar, drawGlobe});
  return Pick(icons, index);
}

QIcon dialogImage(int index) {
  static const auto icons = paintSet<3>(kDialogSize, {drawNew, drawDelete, drawPost});
  return Pick(icons, index);
}

}  // namespace cardwise::app
