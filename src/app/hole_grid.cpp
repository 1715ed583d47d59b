#include "app/hole_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <algorithm>

namespace cardwise::app {

namespace {

constexpr int kHoleColumns = 9;
constexpr int kMinRowHeight = 16;
constexpr int kMinHoleWidth = 24;
constexpr int kMinTitleWidth = 30;
constexpr int kMinTotalWidth = 36;

}  // namespace

bool CompletionRule::Complete(const QString& text) const {
  if (MinLength <= 0) return false;
  if (OneWaits && text == "1") return false;
  return text.size() >= MinLength;
}

// Draws the cells as the grid's owner says, and makes the cell editor: a frameless line edit
// whose keystrokes go to the grid, and on which Tab leaves the grid instead of moving between
// cells (the cursor moves on by itself).
class HoleGridDelegate : public QStyledItemDelegate {
 public:
  explicit HoleGridDelegate(THoleGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QString text = index.data().toString();
    const CellLook look = grid_->Look ? grid_->Look(index.row(), index.column(), text)
                                      : CellLook{Qt::white, Qt::black, false, text};
    painter->save();
    painter->fillRect(option.rect, look.Background);
    QFont font = option.font;
    font.setBold(look.Bold);
    painter->setFont(font);
    painter->setPen(look.Font);
    const int align = (index.column() == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop;
    painter->drawText(option.rect.adjusted(1, 1, -1, 0), align, look.Text);
    painter->restore();
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("cellEditor");
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignCenter);
    editor->setTextMargins(0, 0, 0, 0);
    const int row = index.row();
    const int column = index.column();
    THoleGrid* grid = grid_;
    QObject::connect(editor, &QLineEdit::textEdited, grid, [grid, editor, row, column](
                                                               const QString& text) {
      grid->editorTextEdited(editor, row, column, text);
    });
    editor->installEventFilter(grid);
    grid->editor_ = editor;
    return editor;
  }

  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex&) const override {
    editor->setGeometry(option.rect);
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        grid_->leaveBy(key == Qt::Key_Tab);
        return true;
      }
      // Enter is the window's (post, or the next record): the cell stays open.
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        grid_->CommitEdit();
        return false;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  THoleGrid* grid_;
};

THoleGrid::THoleGrid(int firstHole, const QString& totalTitle, std::vector<HoleRow> rows,
                     QWidget* parent)
    : QTableWidget(static_cast<int>(rows.size()) + 1, kTotalColumn + 1, parent),
      firstHole_(firstHole),
      rows_(std::move(rows)) {
  setItemDelegate(new HoleGridDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  setFocusPolicy(Qt::StrongFocus);
  createCells(totalTitle);
  fitCellSizes();
  setCurrentCell(1, 1);
  connect(qApp, &QApplication::focusChanged, this, &THoleGrid::focusMoved);
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    if (item(row, column)->flags() & Qt::ItemIsEditable) emit holeDoubleClicked(row, column);
  });
}

// Titles and totals are neither editable nor enabled, so that neither the mouse nor the arrow
// keys put the cursor there.
void THoleGrid::createCells(const QString& totalTitle) {
  for (int row = 0; row < rowCount(); ++row)
    for (int column = 0; column <= kTotalColumn; ++column) {
      auto* cell = new QTableWidgetItem;
      const bool hole = row > 0 && column > 0 && column < kTotalColumn;
      cell->setFlags(hole ? Qt::ItemIsEnabled | Qt::ItemIsEditable : Qt::NoItemFlags);
      setItem(row, column, cell);
    }
  item(0, 0)->setText("Hole");
  for (int column = 1; column <= kHoleColumns; ++column)
    item(0, column)->setText(QString::number(firstHole_ + column - 1));
  item(0, kTotalColumn)->setText(totalTitle);
  for (int row = 1; row < rowCount(); ++row)
    item(row, 0)->setText(rows_[static_cast<std::size_t>(row - 1)].Title);
}

// The classic sizes, grown where the desktop's font needs more room.
void THoleGrid::fitCellSizes() {
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int titleWidth = kMinTitleWidth;
  for (const HoleRow& row : rows_)
    titleWidth = std::max(titleWidth, metrics.horizontalAdvance(row.Title) + 4);
  const int holeWidth = std::max(kMinHoleWidth, metrics.horizontalAdvance("888") + 4);
  const int totalWidth = std::max(kMinTotalWidth, metrics.horizontalAdvance("8888") + 6);
  const int rowHeight = std::max(kMinRowHeight, metrics.height() + 3);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
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

QString THoleGrid::Text(int row, int column) const {
  return item(row, column)->text();
}

void THoleGrid::SetText(int row, int column, const QString& text) {
  item(row, column)->setText(text);
  auto* editor = qobject_cast<QLineEdit*>(cellEditor());
  if (editor && currentRow() == row && currentColumn() == column && editor->text() != text)
    editor->setText(text);
}

QWidget* THoleGrid::cellEditor() const {
  return state() == QAbstractItemView::EditingState ? editor_.data() : nullptr;
}

void THoleGrid::CommitEdit() {
  if (auto* editor = qobject_cast<QLineEdit*>(cellEditor()))
    item(currentRow(), currentColumn())->setText(editor->text());
}

void THoleGrid::SetCursor(int row, int column) {
  if (currentRow() == row && currentColumn() == column)
    openEditor();
  else
    setCurrentCell(row, column);
}

void THoleGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  openEditor();
}

void THoleGrid::openEditor() {
  if (!active_ || state() == QAbstractItemView::EditingState) return;
  const QModelIndex index = currentIndex();
  if (index.isValid() && (index.flags() & Qt::ItemIsEditable)) edit(index);
}

bool THoleGrid::contains(QWidget* widget) const {
  return widget && (widget == this || isAncestorOf(widget));
}

void THoleGrid::focusMoved(QWidget* from, QWidget* to) {
  const bool wasInside = contains(from);
  const bool isInside = contains(to);
  if (!wasInside && isInside) {
    active_ = true;
    emit entered();
    openEditor();
  } else if (wasInside && !isInside) {
    active_ = false;
    emit left();
  }
}

void THoleGrid::editorTextEdited(QWidget* editor, int row, int column, const QString& text) {
  emit cellEdited(row, column);
  const QString kept = Adjust ? Adjust(row, column, text) : text;
  if (auto* line = qobject_cast<QLineEdit*>(editor); line && kept != text) line->setText(kept);
  if (!rows_[static_cast<std::size_t>(row - 1)].Rule.Complete(kept)) return;
  item(row, column)->setText(kept);
  emit cellCompleted(row, column);
  moveOn(row, column);
}

void THoleGrid::moveOn(int row, int column) {
  if (column < kHoleColumns)
    SetCursor(row, column + 1);
  else if (row < rowCount() - 1)
    SetCursor(row + 1, 1);
}

// Tab and Shift+Tab in a cell go to the next or previous control of the window.
void THoleGrid::leaveBy(bool forward) {
  CommitEdit();
  QWidget* next = this;
  do {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  } while (next != this && (contains(next) || !(next->focusPolicy() & Qt::TabFocus) ||
                            !next->isVisible() || !next->isEnabled()));
  if (next != this) next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void THoleGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    event->ignore();
  else
    QTableWidget::keyPressEvent(event);
}

bool THoleGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched == editor_) {
    emit holeDoubleClicked(currentRow(), currentColumn());
    return true;
  }
  return QTableWidget::eventFilter(watched, event);
}

}  // namespace cardwise::app
