#include "app/results_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "app/editor_fields.h"
#include "app/qt_text.h"

namespace cardwise::app {

namespace {

constexpr int kPlaceColumn = 0;
constexpr int kResultColumn = 1;
constexpr int kMinRowHeight = 16;

// The five fields of a line; the fifth keeps whatever follows the fourth separator.
QStringList Fields(const std::string& line) {
  QStringList fields = toQString(line).split(';');
  while (fields.size() > ResultsGrid::kColumns)
    fields[ResultsGrid::kColumns - 1] += ";" + fields.takeAt(ResultsGrid::kColumns);
  while (fields.size() < ResultsGrid::kColumns)
    fields << QString();
  return fields;
}

}  // namespace

ResultsGrid::ResultsGrid(ResultsGridLayout layout, QWidget* parent)
    : EntryGrid(1, kColumns, parent), layout_(std::move(layout)) {
  LeftAligned = layout_.LeftAligned;
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Look = [this](int row, int column, const QString& text) {
    CellLook look;
    look.Text = text;
    if (row > 0 && column == layout_.PlayerColumn && PlayerName && !text.isEmpty()) {
      const QString name = PlayerName(text.trimmed());
      if (!name.isEmpty()) look.Text += "  " + name;
    }
    look.Bold = row == 0 || column == kPlaceColumn || column == kResultColumn;
    look.Background = settingsColor(row == 0 ? ColorKey::Green : ColorKey::Back);
    return look;
  };
  for (int column = 0; column < kColumns; ++column)
    setCellEditable(0, column, false);
  fitSizes();
}

// The classic widths, grown in proportion where the desktop's font is wider.
void ResultsGrid::fitSizes() {
  const double scale = std::max(1.0, fontMetrics().averageCharWidth() / 5.0);
  int width = 0;
  for (int column = 0; column < kColumns; ++column) {
    const int pixels = static_cast<int>(layout_.Widths[column] * scale);
    setColumnWidth(column, pixels);
    width += pixels;
  }
  verticalHeader()->setDefaultSectionSize(std::max(kMinRowHeight, fontMetrics().height() + 3));
  setFixedWidth(width + 2 * frameWidth() + verticalScrollBar()->sizeHint().width());
}

void ResultsGrid::setTitles(const QStringList& titles) {
  for (int column = 0; column < kColumns && column < titles.size(); ++column)
    setCellText(0, column, titles[column]);
}

void ResultsGrid::growTo(int count) {
  const int first = rowCount();
  if (count + 1 <= first) return;
  setRowCount(count + 1);
  for (int row = first; row <= count; ++row)
    for (int column = 0; column < kColumns; ++column) {
      setCellText(row, column, QString());
      setCellEditable(row, column, column != kPlaceColumn);
    }
}

void ResultsGrid::showLines(const std::vector<std::string>& lines) {
  setRowCount(1);
  growTo(static_cast<int>(lines.size()));
  for (int row = 1; row <= lineCount(); ++row) {
    const QStringList fields = Fields(lines[static_cast<std::size_t>(row - 1)]);
    for (int column = 0; column < kColumns; ++column)
      setCellText(row, column, fields[column]);
    if (fields[kPlaceColumn].isEmpty()) setCellText(row, kPlaceColumn, QString::number(row));
  }
}

std::vector<std::string> ResultsGrid::lines() const {
  std::vector<std::string> lines;
  for (int row = 1; row <= lineCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < kColumns; ++column)
      cells << cellText(row, column);
    lines.push_back(fromQString(cells.join(';')));
  }
  return lines;
}

bool ResultsGrid::addRow() {
  if (lineCount() > 0 && cellText(lineCount(), kResultColumn).isEmpty()) return false;
  growTo(lineCount() + 1);
  return true;
}

void ResultsGrid::keyPressEvent(QKeyEvent* event) {
  if (layout_.DownAddsRow && event->key() == Qt::Key_Down && currentRow() == lineCount()) {
    commitEdit();
    addRow();
  }
  EntryGrid::keyPressEvent(event);
}

}  // namespace cardwise::app
