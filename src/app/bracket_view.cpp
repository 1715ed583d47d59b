#include "app/bracket_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace cardwise::app {

namespace {

constexpr int kBoxWidth = 200;
constexpr int kColumnGap = 28;
constexpr int kMargin = 8;

}  // namespace

BracketView::BracketView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void BracketView::setBracket(const std::vector<MatchBox>& matches, const QStringList& roundNames) {
  const MatchBox* before = currentMatch();
  const int round = before ? before->Round : 1, match = before ? before->Match : 1;
  matches_ = matches;
  roundNames_ = roundNames;
  current_ = indexOf(round, match);
  if (current_ < 0 && !matches_.empty()) current_ = 0;
  updateGeometry();
  resize(sizeHint());
  update();
}

const MatchBox* BracketView::currentMatch() const {
  return current_ >= 0 && current_ < static_cast<int>(matches_.size()) ? &matches_[current_]
                                                                       : nullptr;
}

void BracketView::setCurrentMatch(int round, int match) {
  if (const int index = indexOf(round, match); index >= 0) current_ = index;
  update();
}

int BracketView::indexOf(int round, int match) const {
  for (std::size_t i = 0; i < matches_.size(); ++i)
    if (matches_[i].Round == round && matches_[i].Match == match) return static_cast<int>(i);
  return -1;
}

// Round 1's boxes stand one under the other; a later match stands level with the middle of
// the two it follows.
QRect BracketView::boxRect(int round, int match) const {
  const int height = 2 * fontMetrics().height() + 8, gap = fontMetrics().height() / 2;
  const int span = 1 << (round - 1);
  const int firstTop = (match - 1) * span * (height + gap);
  const int lastTop = firstTop + (span - 1) * (height + gap);
  const int top = kMargin + fontMetrics().height() + 6 + (firstTop + lastTop) / 2;
  return {kMargin + (round - 1) * (kBoxWidth + kColumnGap), top, kBoxWidth, height};
}

QSize BracketView::sizeHint() const {
  const int rounds = static_cast<int>(roundNames_.size());
  if (rounds == 0) return {kBoxWidth, 100};
  const QRect last = boxRect(1, 1 << (rounds - 1));
  return {kMargin * 2 + rounds * (kBoxWidth + kColumnGap), last.bottom() + kMargin};
}

void BracketView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int round = 1; round <= static_cast<int>(roundNames_.size()); ++round) {
    const QRect top = boxRect(round, 1);
    painter.drawText(QRect(top.left(), kMargin, kBoxWidth, fontMetrics().height()),
                     Qt::AlignHCenter, roundNames_[round - 1]);
  }
  for (const MatchBox& box : matches_) {
    paintJoin(painter, box);
    paintBox(painter, box);
  }
}

void BracketView::paintBox(QPainter& painter, const MatchBox& box) const {
  const QRect rect = boxRect(box.Round, box.Match);
  const bool current = currentMatch() == &box;
  painter.setPen(QPen(current ? palette().highlight().color() : palette().mid().color(),
                      current && hasFocus() ? 3 : 1));
  painter.setBrush(box.Winner >= 0 ? palette().alternateBase() : palette().base());
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  const int line = fontMetrics().height();
  const QString players[] = {box.PlayerA, box.PlayerB};
  for (int k = 0; k < 2; ++k) {
    QFont font = this->font();
    font.setBold(box.Winner == k);
    painter.setFont(font);
    painter.setPen(palette().text().color());
    const QRect row(rect.left() + 6, rect.top() + 4 + k * line, rect.width() - 12, line);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                     players[k].isEmpty() ? QStringLiteral("-") : players[k]);
    if (box.Winner == k) painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, box.Result);
  }
  painter.setFont(font());
}

void BracketView::paintJoin(QPainter& painter, const MatchBox& box) const {
  if (box.Round >= static_cast<int>(roundNames_.size())) return;
  const QRect from = boxRect(box.Round, box.Match);
  const QRect to = boxRect(box.Round + 1, (box.Match + 1) / 2);
  const int middle = from.right() + kColumnGap / 2;
  painter.setPen(palette().mid().color());
  painter.drawPolyline(
      QPolygon({QPoint(from.right(), from.center().y()), QPoint(middle, from.center().y()),
                QPoint(middle, to.center().y()), QPoint(to.left(), to.center().y())}));
}

void BracketView::moveCurrent(int roundStep, int matchStep) {
  const MatchBox* box = currentMatch();
  if (!box) return;
  int round = box->Round + roundStep, match = box->Match + matchStep;
  if (roundStep > 0) match = (box->Match + 1) / 2;
  if (roundStep < 0) match = box->Match * 2 - 1;
  setCurrentMatch(round, match);
}

void BracketView::keyPressEvent(QKeyEvent* event) {
  const MatchBox* box = currentMatch();
  switch (event->key()) {
    case Qt::Key_Up:
      return moveCurrent(0, -1);
    case Qt::Key_Down:
      return moveCurrent(0, 1);
    case Qt::Key_Left:
      return moveCurrent(-1, 0);
    case Qt::Key_Right:
      return moveCurrent(1, 0);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (box) emit matchActivated(box->Round, box->Match);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void BracketView::mousePressEvent(QMouseEvent* event) {
  for (const MatchBox& box : matches_) {
    if (!boxRect(box.Round, box.Match).contains(event->position().toPoint())) continue;
    setCurrentMatch(box.Round, box.Match);
    emit matchActivated(box.Round, box.Match);
    return;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace cardwise::app
