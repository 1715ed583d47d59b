#pragma once
// The base of the editors' string grids (the hole grids of courses and rounds, the result grids
// of events and tours): cells drawn by the owner, and entry as in a card index.
//
// Drawing: for every cell the grid asks its Look function for the colours, weight and text,
// fills the cell and writes the text 1 pixel below the top, centred, or left-aligned with a
// 1-pixel margin in the columns the owner names.
//
// Entry: while the grid has the focus the cell editor is always shown, framed in the selection
// colour, with its text selected so that typing replaces it. The user can put the
// cursor only on editable cells (titles and totals are not); the program can put it anywhere
// with SetCursor. The arrow keys move between cells (Left and Right once the text cursor is at
// the start or end of the cell), Tab leaves the grid, Enter goes on to the window (whose default
// button it presses), a double-click is reported with its cell.

#include <QPointer>
#include <QSet>
#include <QTableWidget>
#include <functional>

namespace cardwise::app {

struct CellLook {
  QColor Background = Qt::white;
  QColor Font = Qt::black;
  bool Bold = false;
  QString Text;  // what the cell shows
};

class EntryGrid : public QTableWidget {
  Q_OBJECT

 public:
  EntryGrid(int rows, int columns, QWidget* parent = nullptr);
  ~EntryGrid() override;

  // The look of a cell with its current text; the default is its text black on white.
  std::function<CellLook(int row, int column, const QString& text)> Look;
  // Columns whose text is left-aligned (the others are centred).
  QSet<int> LeftAligned;

  QString cellText(int row, int column) const;
  // Sets a cell's text, in the open cell editor too; a cell that is not there yet is made.
  void setCellText(int row, int column, const QString& text);
  // Whether a cell can take typed text (and the user's cursor).
  void setCellEditable(int row, int column, bool editable);
  // The cell editor's text goes into its cell now (a post reads the grid while a cell is typed).
  void commitEdit();
  // Moves the cursor to any cell, titles and totals included.
  void moveCursorTo(int row, int column);
  bool isActive() const { return active_; }

 signals:
  // The grid received the focus from outside (the owner enters its edit state and places the
  // cursor), and lost it again.
  void entered();
  void left();
  // A keystroke in a cell, with the text so far.
  void cellEdited(int row, int column);
  void doubleClickedAt(int row, int column);

 protected:
  // Every keystroke in a cell; the default reports cellEdited.
  virtual void editorTextEdited(QWidget* editor, int row, int column, const QString& text);
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The open cell editor; null while no cell is being typed.
  QWidget* cellEditor() const;

 private:
  friend class EntryGridDelegate;
  void focusMoved(QWidget* from, QWidget* to);
  bool contains(QWidget* widget) const;
  void openEditor();
  void leaveBy(bool forward);
  // Moves the cursor one cell right or left, as the arrow key would; true (the key is used up).
  bool stepCursor(bool right);

  bool active_ = false;
  QPointer<QWidget> editor_;
};

}  // namespace cardwise::app
