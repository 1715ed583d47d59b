#include "app/hole_grid.h"

#include <QLineEdit>
#include <algorithm>

namespace cardwise::app {

namespace {

constexpr int kHoleColumns = 9;
constexpr int kMinRowHeight = 16;
constexpr int kMinHoleWidth = 24;
constexpr int kMinTitleWidth = 30;
constexpr int kMinTotalWidth = 36;

}  // namespace

QString keepAccepted(const QString& text, CellChars chars) {
  if (chars == CellChars::Any) return text;
  QString kept;
  for (const QChar c : text) {
    const bool letter = c.unicode() < 128 && c.isLetter();
    if (c.isDigit() && c.unicode() < 128)
      kept += c;
    else if (letter && chars == CellChars::DigitsAndLetters)
      kept += c;
  }
  return kept;
}

bool CompletionRule::isComplete(const QString& text) const {
  if (MinLength <= 0) return false;
  if (OneWaits && text == "1") return false;
  return text.size() >= MinLength;
}

HoleGrid::HoleGrid(int firstHole, const QString& totalTitle, std::vector<HoleRow> rows,
                   QWidget* parent)
    : EntryGrid(static_cast<int>(rows.size()) + 1, kTotalColumn + 1, parent),
      firstHole_(firstHole),
      rows_(std::move(rows)) {
  LeftAligned = {0};
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  createCells(totalTitle);
  fitCellSizes();
  setCurrentCell(1, 1);
}

void HoleGrid::createCells(const QString& totalTitle) {
  for (int row = 0; row < rowCount(); ++row)
    for (int column = 0; column <= kTotalColumn; ++column)
      setCellEditable(row, column, row > 0 && column > 0 && column < kTotalColumn);
  setCellText(0, 0, "Hole");
  for (int column = 1; column <= kHoleColumns; ++column)
    setCellText(0, column, QString::number(firstHole_ + column - 1));
  setCellText(0, kTotalColumn, totalTitle);
  for (int row = 1; row < rowCount(); ++row)
    setCellText(row, 0, rows_[static_cast<std::size_t>(row - 1)].Title);
}

// The classic sizes, grown where the desktop's font needs more room.
void HoleGrid::fitCellSizes() {
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int titleWidth = kMinTitleWidth;
  for (const HoleRow& row : rows_)
    titleWidth = std::max(titleWidth, metrics.horizontalAdvance(row.Title) + 4);
  const int holeWidth = std::max(kMinHoleWidth, metrics.horizontalAdvance("888") + 4);
  const int totalWidth = std::max(kMinTotalWidth, metrics.horizontalAdvance("8888") + 6);
  const int rowHeight = std::max(kMinRowHeight, metrics.height() + 3);
  setColumnWidth(0, titleWidth);
  for (int column = 1; column <= kHoleColumns; ++column)
    setColumnWidth(column, holeWidth);
  setColumnWidth(kTotalColumn, totalWidth);
  for (int row = 0; row < rowCount(); ++row)
    setRowHeight(row, rowHeight);
  const int frame = 2 * frameWidth();
  setFixedSize(titleWidth + kHoleColumns * holeWidth + totalWidth + frame,
               rowCount() * rowHeight + frame);
}

void HoleGrid::editorTextEdited(QWidget* editor, int row, int column, const QString& typed) {
  const CellChars chars = rows_[static_cast<std::size_t>(row - 1)].Chars;
  const QString text = keepAccepted(typed, chars);
  if (text != typed) {
    QString left = typed;
    for (const QChar c : text)
      left.remove(left.indexOf(c), 1);
    emit refused(row, column, left);
  }
  EntryGrid::editorTextEdited(editor, row, column, text);
  const QString kept = Adjust ? Adjust(row, column, text) : text;
  if (auto* line = qobject_cast<QLineEdit*>(editor); line && kept != typed) line->setText(kept);
  if (!rows_[static_cast<std::size_t>(row - 1)].Rule.isComplete(kept)) return;
  setCellText(row, column, kept);
  emit cellCompleted(row, column);
  moveOn(row, column);
}

void HoleGrid::moveOn(int row, int column) {
  if (column < kHoleColumns)
    moveCursorTo(row, column + 1);
  else if (row < rowCount() - 1)
    moveCursorTo(row + 1, 1);
}

}  // namespace cardwise::app
