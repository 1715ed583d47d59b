#pragma once
// The results grid of the event and tour editors: five columns, the titles in row 0 and one row
// per result (or standing) line, whose five ";"-separated fields fill the row. Column 0 shows the
// place, or the row number where the line has none; it is not typed, nor are the titles.
//
// Rows are added, never removed: a double-click (and, where the owner wants it, Down on the last
// row) adds an empty row when the last row has a result (column 1). Posting reads the rows back
// as lines.

#include <array>
#include <string>
#include <vector>

#include "app/entry_grid.h"

namespace cardwise::app {

struct ResultsGridLayout {
  std::array<int, 5> Widths{};  // pixels at the classic font; they grow with the font
  QSet<int> LeftAligned;        // the player (and round) columns
  bool DownAddsRow = false;
  int PlayerColumn = -1;  // shown with the player's name beside the ID
};

class ResultsGrid : public EntryGrid {
  Q_OBJECT

 public:
  static constexpr int kColumns = 5;

  explicit ResultsGrid(ResultsGridLayout layout, QWidget* parent = nullptr);

  void setTitles(const QStringList& titles);
  // The name shown beside a player ID in the player column (the cell itself keeps the ID);
  // empty for an ID no player has.
  std::function<QString(const QString& id)> PlayerName;
  // One row per line below the titles.
  void showLines(const std::vector<std::string>& lines);
  // Rows 1 to the last as lines: the five cells joined by ";".
  std::vector<std::string> lines() const;
  int lineCount() const { return rowCount() - 1; }
  // At least `count` rows below the titles; new rows are empty.
  void growTo(int count);
  // Adds an empty row when the last row has a result; false when it has none.
  bool addRow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitSizes();

  ResultsGridLayout layout_;
};

}  // namespace cardwise::app
