// The frame's windows side: construction (menus, controls, layout), button images, and the
// window events (activation, the default button, shortcuts over line edits).

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <utility>

#include "app/button_images.h"
#include "app/record_editor.h"
#include "app/status_panel.h"

namespace cardwise::app {

namespace {

// Upper- or lower-cases whatever is typed, so IDs and find texts are always upper case.
class CaseValidator : public QValidator {
 public:
  CaseValidator(QObject* parent, bool upper) : QValidator(parent), upper_(upper) {}
  State validate(QString& input, int&) const override {
    input = upper_ ? input.toUpper() : input.toLower();
    return Acceptable;
  }

 private:
  bool upper_;
};

}  // namespace

RecordEditor::RecordEditor(EditorTraits traits, std::unique_ptr<RecordListAdapter> list,
                           QWidget* parent)
    : QMainWindow(parent), traits_(std::move(traits)), list_(std::move(list)) {
  setWindowTitle(traits_.Caption);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowContextHelpButtonHint);
  createMenus();
  createWidgets();
  createLayout();
  connectSignals();
  browseMode();
}

RecordEditor::~RecordEditor() = default;

// ---- construction

QAction* RecordEditor::menuItem(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& keys, void (RecordEditor::*slot)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(keys);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void RecordEditor::createMenus() {
  createFileMenu();
  createEditMenu();
  createRecordMenu();
  helpAction = menuBar()->addAction("&Help");
  helpAction->setObjectName("helpAction");
  connect(helpAction, &QAction::triggered, this, &RecordEditor::showHelp);
}

void RecordEditor::createFileMenu() {
  fileMenu_ = menuBar()->addMenu("&File");
  mergeAction = menuItem(fileMenu_, "mergeAction", "&Merge...", {}, &RecordEditor::merge);
  openAction = menuItem(fileMenu_, "openAction", "&Open...", {}, &RecordEditor::openFile);
  saveAsAction = menuItem(fileMenu_, "saveAsAction", "&Save As...", {}, &RecordEditor::saveAs);
  closeAction = menuItem(fileMenu_, "closeAction", "&Close", QKeySequence(Qt::CTRL | Qt::Key_F4),
                         &RecordEditor::closeFile);
}

void RecordEditor::createEditMenu() {
  QMenu* edit = editMenu_ = menuBar()->addMenu("&Edit");
  undoAction = menuItem(edit, "undoAction", "&Undo", QKeySequence(Qt::ALT | Qt::Key_Backspace),
                        &RecordEditor::undo);
  copyAction = menuItem(edit, "copyAction", "Copy", QKeySequence(Qt::CTRL | Qt::Key_Insert),
                        &RecordEditor::copyRecord);
  pasteAction = menuItem(edit, "pasteAction", "Paste", QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                         &RecordEditor::pasteRecords);
  pasteAction->setToolTip("Paste Clipboard " + traits_.Title + " data");
  edit->setToolTipsVisible(true);
}

void RecordEditor::createRecordMenu() {
  QMenu* menu = menuBar()->addMenu(traits_.MenuTitle);
  using Keys = QKeySequence;
  firstAction = menuItem(menu, "firstAction", "&First", Keys(Qt::Key_F5), &RecordEditor::showFirst);
  previousAction =
      menuItem(menu, "previousAction", "&Previous", Keys(Qt::Key_F6), &RecordEditor::showPrevious);
  nextAction = menuItem(menu, "nextAction", "&Next", Keys(Qt::Key_F7), &RecordEditor::showNext);
  lastAction = menuItem(menu, "lastAction", "&Last", Keys(Qt::Key_F8), &RecordEditor::showLast);
  newAction = menuItem(menu, "newAction", "New", Keys(Qt::Key_F9), &RecordEditor::addNew);
  editAction = menuItem(menu, "editAction", "Edit", {}, &RecordEditor::markEdited);
  deleteAction = menuItem(menu, "deleteAction", "Delete", Keys(Qt::CTRL | Qt::Key_Delete),
                          &RecordEditor::deleteRecord);
  postAction = menuItem(menu, "postAction", "Post", Keys(Qt::Key_F11), &RecordEditor::post);
  cancelAction = menuItem(menu, "cancelAction", "Cancel", Keys(Qt::Key_F12), &RecordEditor::undo);
}

void RecordEditor::createWidgets() {
  idEdit = new QLineEdit;
  idEdit->setObjectName("idEdit");
  idEdit->setToolTip("The ID should be short");
  upperCaseInput(idEdit);
  idEdit->setReadOnly(true);
  findEdit = new QLineEdit;
  findEdit->setObjectName("findEdit");
  upperCaseInput(findEdit);
  scrollBar = new QScrollBar(Qt::Vertical);
  scrollBar->setObjectName("scrollBar");
  auto speedButton = [](const char* name, const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
  };
  newButton = speedButton("newButton", "Add", traits_.NewHint);
  deleteButton = speedButton("deleteButton", "Del", traits_.DelHint);
  webButton = speedButton("webButton", "Browse", traits_.BrowseHint);
  postButton = new QPushButton("Post");
  postButton->setObjectName("postButton");
  postButton->setToolTip(traits_.PostHint);
  postButton->setDefault(true);
  statusPanel = new StatusPanel;
  fields_ = new QWidget;
}

void RecordEditor::createLayout() {
  auto* idLabel = new QLabel(traits_.IdLabel);
  idLabel->setBuddy(idEdit);
  auto* findLabel = new QLabel(traits_.FindLabel);
  findLabel->setBuddy(findEdit);
  auto* idRow = new QHBoxLayout;
  idRow->addWidget(idLabel);
  idRow->addWidget(idEdit);
  idRow->addSpacing(fontMetrics().averageCharWidth() * 4);
  idRow->addWidget(findLabel);
  idRow->addWidget(findEdit);
  auto* middle = new QHBoxLayout;
  middle->addWidget(fields_, 1);
  middle->addWidget(scrollBar);
  // Add and Post take turns in one place; each keeps its room while hidden so the window,
  // which has a fixed size, does not jump.
  auto* buttons = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{newButton, postButton}) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
  }
  buttons->addWidget(newButton);
  buttons->addWidget(deleteButton);
  buttons->addWidget(webButton);
  buttons->addStretch(1);
  buttons->addWidget(postButton);
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->addLayout(idRow);
  column->addLayout(middle, 1);
  column->addLayout(buttons);
  column->addWidget(statusPanel);
  setCentralWidget(central);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void RecordEditor::connectSignals() {
  connect(findEdit, &QLineEdit::textChanged, this, &RecordEditor::findTyped);
  connect(scrollBar, &QScrollBar::valueChanged, this, &RecordEditor::scrollTo);
  connect(newButton, &QToolButton::clicked, this, &RecordEditor::addNew);
  connect(deleteButton, &QToolButton::clicked, this, &RecordEditor::deleteRecord);
  connect(webButton, &QToolButton::clicked, this, &RecordEditor::browse);
  connect(postButton, &QPushButton::clicked, this, &RecordEditor::post);
  idEdit->installEventFilter(this);
  findEdit->installEventFilter(this);
}

void RecordEditor::upperCaseInput(QLineEdit* field) {
  field->setValidator(new CaseValidator(field, true));
}

void RecordEditor::lowerCaseInput(QLineEdit* field) {
  field->setValidator(new CaseValidator(field, false));
}

void RecordEditor::watchField(QLineEdit* field) {
  connect(field, &QLineEdit::textChanged, this, &RecordEditor::markEdited);
  field->installEventFilter(this);
}

void RecordEditor::applyButtonImages(bool trueColor) {
  const int first = trueColor ? 0 : 1;
  const std::pair<QAbstractButton*, int> images[] = {
      {newButton, 0}, {deleteButton, 2}, {postButton, 4}};
  for (const auto& [button, index] : images) {
    const QIcon icon = dialogImage(index + first);
    button->setIcon(icon);
    if (!icon.availableSizes().isEmpty()) button->setIconSize(icon.availableSizes().first());
  }
}

// ---- window events

void RecordEditor::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (!isActiveWindow()) {
    // The window that takes over is already the active one here.
    for (QWidget* next = QApplication::activeWindow(); next; next = next->parentWidget())
      if (next == this) skipNextActivate_ = true;
    return;
  }
  if (!std::exchange(skipNextActivate_, false)) activate();
}

void RecordEditor::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!tabLeadsToFields_) leadTabToFields();
  activate();
}

void RecordEditor::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QAbstractButton* button = enter ? DefaultButton() : nullptr;
  if (button && button->isVisible() && button->isEnabled())
    button->click();
  else
    QMainWindow::keyPressEvent(event);
}

// Tab goes from the ID straight to the record's own fields, and the find box comes last. The
// subclass's fields exist only once its constructor is done, hence the first showing.
void RecordEditor::leadTabToFields() {
  tabLeadsToFields_ = true;
  QList<QWidget*> fields, others;
  for (QWidget* next = idEdit->nextInFocusChain(); next != idEdit;
       next = next->nextInFocusChain()) {
    if (next == findEdit || next->window() != this || !(next->focusPolicy() & Qt::TabFocus))
      continue;
    (fields_->isAncestorOf(next) ? fields : others) << next;
  }
  const QList<QWidget*> order =
      QList<QWidget*>{idEdit} + fields + others + QList<QWidget*>{findEdit};
  for (qsizetype i = 1; i < order.size(); ++i)
    setTabOrder(order[i - 1], order[i]);
}

QAbstractButton* RecordEditor::DefaultButton() {
  return edited_ ? postButton : nullptr;
}

// A line edit claims Ctrl+Insert, Shift+Insert, Alt+Backspace and Ctrl+Delete for itself; the
// frame's menu items with those shortcuts come first, as the menus promise.
bool RecordEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* action : findChildren<QAction*>())
      if (action->isEnabled() && action->shortcut() == pressed) {
        event->ignore();
        return true;
      }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace cardwise::app
