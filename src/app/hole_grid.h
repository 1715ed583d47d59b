#pragma once
// The nine-hole grid of the course and round editors: 11 columns (the row titles, nine holes, the
// nine-hole total) and one row per per-hole value, with the hole numbers in row 0.
//
// Drawing is the owner's: for every cell the grid asks its CellLook function for the colours,
// weight and text, fills the cell and writes the text centred (left-aligned with a 1-pixel margin
// in column 0), 1 pixel below the top.
//
// Entry: while the grid has the focus the cell editor is always shown. The user can put the
// cursor only on hole cells (row 0 and columns 0 and 10 are titles and totals); the program can
// put it anywhere with SetCursor. Every keystroke passes the cell's text to the Adjust function
// (which may replace it: a letter for a score), then to the row's completion rule; a complete
// cell is stored, reported by cellCompleted, and the cursor moves on by itself: to the next hole,
// after hole 9 of a row to the first hole of the next row, and not past the last row that
// completes.

#include <QPointer>
#include <QTableWidget>
#include <functional>
#include <vector>

namespace cardwise::app {

// When a typed cell is complete: at `MinLength` characters or more, except that one character
// "1" waits for a second when `OneWaits` is set (stroke index and score: "1" may begin "14").
// MinLength 0: never (free text).
struct CompletionRule {
  int MinLength = 1;
  bool OneWaits = false;
  bool Complete(const QString& text) const;
};

struct HoleRow {
  QString Title;  // column 0: "Len", "Par", ...
  CompletionRule Rule;
};

struct CellLook {
  QColor Background;
  QColor Font = Qt::black;
  bool Bold = false;
  QString Text;  // what the cell shows; its own text unless the owner says otherwise
};

class THoleGrid : public QTableWidget {
  Q_OBJECT

 public:
  static constexpr int kTotalColumn = 10;

  // `firstHole` 1 or 10; `totalTitle` "Out" or "In"; `rows` from row 1 down.
  THoleGrid(int firstHole, const QString& totalTitle, std::vector<HoleRow> rows,
            QWidget* parent = nullptr);

  // The look of a cell with its current text; the default is black on white.
  std::function<CellLook(int row, int column, const QString& text)> Look;
  // The text to keep of a keystroke's result, given the cell and the text typed so far.
  std::function<QString(int row, int column, const QString& text)> Adjust;

  int FirstHole() const { return firstHole_; }
  QString Text(int row, int column) const;
  // Sets a cell's text, in the open cell editor too.
  void SetText(int row, int column, const QString& text);
  // The cell editor's text goes into its cell now (a post reads the grid while a cell is typed).
  void CommitEdit();
  // Moves the cursor to any cell, titles and totals included.
  void SetCursor(int row, int column);
  bool Active() const { return active_; }

 signals:
  // The grid received the focus from outside (the owner enters its edit state and places the
  // cursor) and lost it again.
  void entered();
  void left();
  void cellCompleted(int row, int column);
  void cellEdited(int row, int column);
  void holeDoubleClicked(int row, int column);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Enter goes on to the window, whose default button it presses.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class HoleGridDelegate;
  void createCells(const QString& totalTitle);
  void fitCellSizes();
  void focusMoved(QWidget* from, QWidget* to);
  bool contains(QWidget* widget) const;
  void editorTextEdited(QWidget* editor, int row, int column, const QString& text);
  void moveOn(int row, int column);
  void openEditor();
  void leaveBy(bool forward);
  // The open cell editor; null while no cell is being typed.
  QWidget* cellEditor() const;

  int firstHole_;
  std::vector<HoleRow> rows_;
  bool active_ = false;
  QPointer<QWidget> editor_;
};

}  // namespace cardwise::app
