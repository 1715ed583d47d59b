#include "app/print/card_painter.h"

#include <QPageSize>
#include <QPainter>

#include <algorithm>

namespace cardwise {

namespace {

constexpr double kMarginMm = 10, kInsetMm = 4, kCaptionMm = 16, kMaxRowMm = 12, kSignatureMm = 14;
constexpr int kCardsPerPage = 2;

QString qText(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lengths on the device: millimetres to device pixels.
class Ruler {
 public:
  explicit Ruler(const QPaintDevice& device) : perMm_(device.logicalDpiX() / 25.4) {}
  double operator()(double mm) const { return mm * perMm_; }

 private:
  double perMm_;
};

void setFont(QPainter& painter, double points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  painter.setFont(font);
}

// One line of text in the rectangle's top band of `height`, left or right aligned.
void drawLine(QPainter& painter, const QRectF& band, const QString& text, Qt::Alignment side) {
  painter.drawText(band, side | Qt::AlignVCenter, text);
}

void paintHead(QPainter& painter, const Ruler& mm, const Card& card, QRectF& area) {
  const auto band = [&](double height) {
    const QRectF line(area.left(), area.top(), area.width(), mm(height));
    area.setTop(area.top() + mm(height));
    return line;
  };
  setFont(painter, 13, true);
  QRectF line = band(8);
  drawLine(painter, line, qText(card.Event), Qt::AlignLeft);
  setFont(painter, 10, false);
  drawLine(painter, line, qText(card.Date), Qt::AlignRight);
  drawLine(painter, band(6), qText(card.Course), Qt::AlignLeft);
  setFont(painter, 12, true);
  line = band(8);
  drawLine(painter, line, qText(card.Player), Qt::AlignLeft);
  setFont(painter, 10, false);
  drawLine(painter, line,
           QStringLiteral("Time %1   Tee %2   Hcp %3   Strokes %4")
               .arg(qText(card.Time), qText(card.Tee), qText(card.Hcp), qText(card.Strokes)),
           Qt::AlignRight);
  drawLine(painter, band(6), QStringLiteral("Marker: ") + qText(card.Marker), Qt::AlignLeft);
  area.setTop(area.top() + mm(2));
}

// Out, In and Total are shaded, as the sums of a card.
bool IsSumColumn(std::size_t column) {
  return column == 9 || column == 19 || column == 20;
}

void paintRow(QPainter& painter, const Ruler& mm, const CardRow& row, const QRectF& line,
              bool heading) {
  const double cellWidth = (line.width() - mm(kCaptionMm)) / kCardColumns;
  QRectF cell(line.left(), line.top(), mm(kCaptionMm), line.height());
  painter.fillRect(cell, heading ? QColor(220, 220, 220) : QColor(245, 245, 245));
  painter.drawRect(cell);
  setFont(painter, 8, true);
  painter.drawText(cell.adjusted(mm(1), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   qText(row.Caption));
  setFont(painter, row.Caption == "Strokes" ? 11 : 7.5, heading);
  for (std::size_t column = 0; column < row.Cells.size(); ++column) {
    cell = QRectF(line.left() + mm(kCaptionMm) + column * cellWidth, line.top(), cellWidth,
                  line.height());
    if (heading || (IsSumColumn(column) && !row.ForWriting))
      painter.fillRect(cell, QColor(heading ? 220 : 240, heading ? 220 : 240, heading ? 220 : 240));
    painter.drawRect(cell);
    painter.drawText(cell, Qt::AlignCenter, qText(row.Cells[column]));
  }
}

// The rows share the height above the signatures, up to 12 mm each: room to write the score.
void paintTable(QPainter& painter, const Ruler& mm, const Card& card, QRectF& area) {
  const double room = (area.height() - mm(kSignatureMm)) / static_cast<double>(card.Rows.size());
  const double height = std::min(mm(kMaxRowMm), room);
  for (std::size_t i = 0; i < card.Rows.size(); ++i) {
    const QRectF line(area.left(), area.top(), area.width(), height);
    paintRow(painter, mm, card.Rows[i], line, i == 0);
    area.setTop(area.top() + height);
  }
}

void paintSignatures(QPainter& painter, const Ruler& mm, QRectF area) {
  const double half = area.width() / 2;
  setFont(painter, 8, false);
  const QString captions[] = {QStringLiteral("Player's signature"),
                              QStringLiteral("Marker's signature")};
  for (int i = 0; i < 2; ++i) {
    const double left = area.left() + i * half;
    const double base = area.bottom() - mm(5);
    painter.drawLine(QPointF(left, base), QPointF(left + half - mm(8), base));
    painter.drawText(QRectF(left, base, half, mm(5)), Qt::AlignLeft | Qt::AlignVCenter,
                     captions[i]);
  }
}

void paintCard(QPainter& painter, const Ruler& mm, const Card& card, const QRectF& box) {
  QRectF area = box.adjusted(mm(kInsetMm), mm(kInsetMm), -mm(kInsetMm), -mm(kInsetMm));
  painter.setPen(QPen(Qt::black, mm(0.25)));
  paintHead(painter, mm, card, area);
  paintTable(painter, mm, card, area);
  paintSignatures(painter, mm, area);
}

void paintCutLine(QPainter& painter, const Ruler& mm, double y, double width) {
  painter.setPen(QPen(Qt::gray, mm(0.2), Qt::DashLine));
  painter.drawLine(QPointF(0, y), QPointF(width, y));
}

}  // namespace

QPageLayout cardPageLayout(const std::string& paper) {
  const QPageSize size(paper == "Letter" ? QPageSize::Letter : QPageSize::A4);
  return QPageLayout(size, QPageLayout::Portrait,
                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                     QPageLayout::Millimeter);
}

void paintCards(QPainter& painter, QPagedPaintDevice& device, const std::vector<Card>& cards) {
  const Ruler mm(device);
  const double width = device.width(), cardHeight = device.height() / double(kCardsPerPage);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const int slot = static_cast<int>(i % kCardsPerPage);
    if (i > 0 && slot == 0) device.newPage();
    if (slot > 0) paintCutLine(painter, mm, slot * cardHeight, width);
    paintCard(painter, mm, cards[i], QRectF(0, slot * cardHeight, width, cardHeight));
  }
}

}  // namespace cardwise
