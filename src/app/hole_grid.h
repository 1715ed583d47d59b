#pragma once
// The nine-hole grid of the course and round editors: 11 columns (the row titles, nine holes, the
// nine-hole total) and one row per per-hole value, with the hole numbers in row 0. Only the hole
// cells take the user's cursor.
//
// Every keystroke first loses the characters its row does not take (reported by refused), then
// passes the cell's text to the Adjust function (which may replace it: a letter
// for a score), then to the row's completion rule; a complete cell is stored, reported by
// cellCompleted, and the cursor moves on by itself: to the next hole, after hole 9 of a row to
// the first hole of the next row, and not past the last row.

#include <vector>

#include "app/entry_grid.h"

namespace cardwise::app {

// When a typed cell is complete: at `MinLength` characters or more, except that one character
// "1" waits for a second when `OneWaits` is set (stroke index and score: "1" may begin "14").
// MinLength 0: never (free text).
struct CompletionRule {
  int MinLength = 1;
  bool OneWaits = false;
  bool isComplete(const QString& text) const;
};

// The characters a row's cells take; anything else typed or pasted is refused at once.
enum class CellChars { Digits, DigitsAndLetters, Any };

struct HoleRow {
  QString Title;  // column 0: "Len", "Par", ...
  CompletionRule Rule;
  CellChars Chars = CellChars::Digits;
};

// `text` without the characters `chars` does not take.
QString keepAccepted(const QString& text, CellChars chars);

class HoleGrid : public EntryGrid {
  Q_OBJECT

 public:
  static constexpr int kTotalColumn = 10;

  // `firstHole` 1 or 10; `totalTitle` "Out" or "In"; `rows` from row 1 down.
  HoleGrid(int firstHole, const QString& totalTitle, std::vector<HoleRow> rows,
           QWidget* parent = nullptr);

  // The text to keep of a keystroke's result, given the cell and the text typed so far.
  std::function<QString(int row, int column, const QString& text)> Adjust;

  int firstHole() const { return firstHole_; }

 signals:
  void cellCompleted(int row, int column);
  // Characters typed or pasted into a cell that its row does not take, and were left out.
  void refused(int row, int column, const QString& characters);

 protected:
  void editorTextEdited(QWidget* editor, int row, int column, const QString& text) override;

 private:
  void createCells(const QString& totalTitle);
  void fitCellSizes();
  void moveOn(int row, int column);

  int firstHole_;
  std::vector<HoleRow> rows_;
};

}  // namespace cardwise::app
