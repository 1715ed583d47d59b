#include "app/entry_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace cardwise::app {

// Draws the cells as the grid's owner says, and makes the cell editor: a frameless line edit
// whose keystrokes go to the grid, and on which Tab leaves the grid instead of moving between
// cells, and Enter goes on to the window with the cell left open.
class EntryGridDelegate : public QStyledItemDelegate {
 public:
  explicit EntryGridDelegate(EntryGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

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
    const bool left = grid_->LeftAligned.contains(index.column());
    const int align = (left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop;
    painter->drawText(option.rect.adjusted(1, 1, -1, 0), align, look.Text);
    painter->restore();
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("cellEditor");
    editor->setFrame(false);
    // The cell being typed stands out from its neighbours: a frame in the selection colour.
    editor->setStyleSheet(
        "QLineEdit { border: 2px solid palette(highlight); padding: 0px; margin: 0px; }");
    editor->setAlignment(grid_->LeftAligned.contains(index.column()) ? Qt::AlignLeft
                                                                     : Qt::AlignCenter);
    const int row = index.row();
    const int column = index.column();
    EntryGrid* grid = grid_;
    QObject::connect(editor, &QLineEdit::textEdited, grid,
                     [grid, editor, row, column](const QString& text) {
                       grid->editorTextEdited(editor, row, column, text);
                     });
    editor->installEventFilter(grid);
    grid->editor_ = editor;
    return editor;
  }

  // The text is selected, so that typing replaces it.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    QStyledItemDelegate::setEditorData(editor, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->selectAll();
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
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        grid_->commitEdit();
        return false;
      }
      // Left at the start and Right at the end of a cell's text go to the next cell.
      auto* line = qobject_cast<QLineEdit*>(object);
      if (line && !line->hasSelectedText()) {
        if ((key == Qt::Key_Right && line->cursorPosition() == line->text().size()) ||
            (key == Qt::Key_Left && line->cursorPosition() == 0))
          return grid_->stepCursor(key == Qt::Key_Right);
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  EntryGrid* grid_;
};

EntryGrid::EntryGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
  setItemDelegate(new EntryGridDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(qApp, &QApplication::focusChanged, this, &EntryGrid::focusMoved);
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    if (item(row, column) && (item(row, column)->flags() & Qt::ItemIsEditable))
      emit doubleClickedAt(row, column);
  });
}

// The focus leaves the cell editor while the base class destroys it, when this grid is no
// longer one: the focus watch must end before that.
EntryGrid::~EntryGrid() {
  disconnect(qApp, &QApplication::focusChanged, this, &EntryGrid::focusMoved);
}

QString EntryGrid::cellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

void EntryGrid::setCellText(int row, int column, const QString& text) {
  if (!item(row, column)) setItem(row, column, new QTableWidgetItem);
  item(row, column)->setText(text);
  auto* editor = qobject_cast<QLineEdit*>(cellEditor());
  if (editor && currentRow() == row && currentColumn() == column && editor->text() != text)
    editor->setText(text);
}

// Cells that are not editable are not enabled either, so that neither the mouse nor the arrow
// keys put the cursor there.
void EntryGrid::setCellEditable(int row, int column, bool editable) {
  if (!item(row, column)) setItem(row, column, new QTableWidgetItem);
  item(row, column)->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsEditable : Qt::NoItemFlags);
}

QWidget* EntryGrid::cellEditor() const {
  return state() == QAbstractItemView::EditingState ? editor_.data() : nullptr;
}

void EntryGrid::commitEdit() {
  if (auto* editor = qobject_cast<QLineEdit*>(cellEditor()))
    setCellText(currentRow(), currentColumn(), editor->text());
}

bool EntryGrid::stepCursor(bool right) {
  const QModelIndex next = moveCursor(right ? MoveRight : MoveLeft, Qt::NoModifier);
  if (next.isValid() && next != currentIndex()) setCurrentIndex(next);
  return true;
}

void EntryGrid::moveCursorTo(int row, int column) {
  if (currentRow() == row && currentColumn() == column)
    openEditor();
  else
    setCurrentCell(row, column);
}

void EntryGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  openEditor();
}

void EntryGrid::openEditor() {
  if (!active_ || state() == QAbstractItemView::EditingState) return;
  const QModelIndex index = currentIndex();
  if (index.isValid() && (index.flags() & Qt::ItemIsEditable)) edit(index);
}

bool EntryGrid::contains(QWidget* widget) const {
  return widget && (widget == this || isAncestorOf(widget));
}

void EntryGrid::focusMoved(QWidget* from, QWidget* to) {
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

void EntryGrid::editorTextEdited(QWidget*, int row, int column, const QString&) {
  emit cellEdited(row, column);
}

// Tab and Shift+Tab in a cell go to the next or previous control of the window.
void EntryGrid::leaveBy(bool forward) {
  commitEdit();
  QWidget* next = this;
  do {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  } while (next != this && (contains(next) || !(next->focusPolicy() & Qt::TabFocus) ||
                            !next->isVisible() || !next->isEnabled()));
  if (next != this) next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void EntryGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    event->ignore();
  else
    QTableWidget::keyPressEvent(event);
}

bool EntryGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched == editor_) {
    emit doubleClickedAt(currentRow(), currentColumn());
    return true;
  }
  return QTableWidget::eventFilter(watched, event);
}

}  // namespace cardwise::app
