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

TRecordEditor::TRecordEditor(EditorTraits traits, std::unique_ptr<RecordListAdapter> list,
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
  BrowseMode();
}

TRecordEditor::~TRecordEditor() = default;

// ---- construction

QAction* TRecordEditor::menuItem(QMenu* menu, const char* name, const QString& caption,
                                 const QKeySequence& keys, void (TRecordEditor::*slot)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(keys);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void TRecordEditor::createMenus() {
  createFileMenu();
  createEditMenu();
  createRecordMenu();
  MIhelp = menuBar()->addAction("&Help");
  MIhelp->setObjectName("MIhelp");
  connect(MIhelp, &QAction::triggered, this, &TRecordEditor::DoHelp);
}

void TRecordEditor::createFileMenu() {
  fileMenu_ = menuBar()->addMenu("&File");
  MIfmerge = menuItem(fileMenu_, "MIfmerge", "&Merge...", {}, &TRecordEditor::DoMerge);
  MIfopen = menuItem(fileMenu_, "MIfopen", "&Open...", {}, &TRecordEditor::DoOpen);
  MIfsave = menuItem(fileMenu_, "MIfsave", "&Save As...", {}, &TRecordEditor::DoSaveAs);
  MIfclose = menuItem(fileMenu_, "MIfclose", "&Close", QKeySequence(Qt::CTRL | Qt::Key_F4),
                      &TRecordEditor::DoClose);
}

void TRecordEditor::createEditMenu() {
  QMenu* edit = editMenu_ = menuBar()->addMenu("&Edit");
  MIeundo = menuItem(edit, "MIeundo", "&Undo", QKeySequence(Qt::ALT | Qt::Key_Backspace),
                     &TRecordEditor::DoUndo);
  MIecopy = menuItem(edit, "MIecopy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_Insert),
                     &TRecordEditor::DoCopy);
  MIepaste = menuItem(edit, "MIepaste", "Paste", QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                      &TRecordEditor::DoPaste);
  MIepaste->setToolTip("Paste Clipboard " + traits_.Title + " data");
  edit->setToolTipsVisible(true);
}

void TRecordEditor::createRecordMenu() {
  QMenu* menu = menuBar()->addMenu(traits_.MenuTitle);
  using Keys = QKeySequence;
  MIpfirst = menuItem(menu, "MIpfirst", "&First", Keys(Qt::Key_F5), &TRecordEditor::DoFirst);
  MIpprev = menuItem(menu, "MIpprev", "&Previous", Keys(Qt::Key_F6), &TRecordEditor::DoPrev);
  MIpnext = menuItem(menu, "MIpnext", "&Next", Keys(Qt::Key_F7), &TRecordEditor::DoNext);
  MIplast = menuItem(menu, "MIplast", "&Last", Keys(Qt::Key_F8), &TRecordEditor::DoLast);
  MIpnew = menuItem(menu, "MIpnew", "New", Keys(Qt::Key_F9), &TRecordEditor::DoNew);
  MIpedit = menuItem(menu, "MIpedit", "Edit", {}, &TRecordEditor::DoFlagEdit);
  MIpdelete =
      menuItem(menu, "MIpdelete", "Delete", Keys(Qt::CTRL | Qt::Key_Delete), &TRecordEditor::DoDel);
  MIppost = menuItem(menu, "MIppost", "Post", Keys(Qt::Key_F11), &TRecordEditor::DoPost);
  MIpcancel = menuItem(menu, "MIpcancel", "Cancel", Keys(Qt::Key_F12), &TRecordEditor::DoUndo);
}

void TRecordEditor::createWidgets() {
  Eid = new QLineEdit;
  Eid->setObjectName("Eid");
  Eid->setToolTip("The ID should be short");
  UpperCaseInput(Eid);
  Eid->setReadOnly(true);
  Efid = new QLineEdit;
  Efid->setObjectName("Efid");
  UpperCaseInput(Efid);
  SB = new QScrollBar(Qt::Vertical);
  SB->setObjectName("SB");
  auto speedButton = [](const char* name, const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
  };
  SBnew = speedButton("SBnew", "Add", traits_.NewHint);
  SBdel = speedButton("SBdel", "Del", traits_.DelHint);
  SBwww = speedButton("SBwww", "Browse", traits_.BrowseHint);
  BBpost = new QPushButton("Post");
  BBpost->setObjectName("BBpost");
  BBpost->setToolTip(traits_.PostHint);
  BBpost->setDefault(true);
  Pstatus = new StatusPanel;
  fields_ = new QWidget;
}

void TRecordEditor::createLayout() {
  auto* idLabel = new QLabel(traits_.IdLabel);
  idLabel->setBuddy(Eid);
  auto* findLabel = new QLabel(traits_.FindLabel);
  findLabel->setBuddy(Efid);
  auto* idRow = new QHBoxLayout;
  idRow->addWidget(idLabel);
  idRow->addWidget(Eid);
  idRow->addSpacing(fontMetrics().averageCharWidth() * 4);
  idRow->addWidget(findLabel);
  idRow->addWidget(Efid);
  auto* middle = new QHBoxLayout;
  middle->addWidget(fields_, 1);
  middle->addWidget(SB);
  // Add and Post take turns in one place; each keeps its room while hidden so the window,
  // which has a fixed size, does not jump.
  auto* buttons = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{SBnew, BBpost}) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
  }
  buttons->addWidget(SBnew);
  buttons->addWidget(SBdel);
  buttons->addWidget(SBwww);
  buttons->addStretch(1);
  buttons->addWidget(BBpost);
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->addLayout(idRow);
  column->addLayout(middle, 1);
  column->addLayout(buttons);
  column->addWidget(Pstatus);
  setCentralWidget(central);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TRecordEditor::connectSignals() {
  connect(Efid, &QLineEdit::textChanged, this, &TRecordEditor::DoFind);
  connect(SB, &QScrollBar::valueChanged, this, &TRecordEditor::SBScroll);
  connect(SBnew, &QToolButton::clicked, this, &TRecordEditor::DoNew);
  connect(SBdel, &QToolButton::clicked, this, &TRecordEditor::DoDel);
  connect(SBwww, &QToolButton::clicked, this, &TRecordEditor::DoBrowse);
  connect(BBpost, &QPushButton::clicked, this, &TRecordEditor::DoPost);
  Eid->installEventFilter(this);
  Efid->installEventFilter(this);
}

void TRecordEditor::UpperCaseInput(QLineEdit* field) {
  field->setValidator(new CaseValidator(field, true));
}

void TRecordEditor::LowerCaseInput(QLineEdit* field) {
  field->setValidator(new CaseValidator(field, false));
}

void TRecordEditor::WatchField(QLineEdit* field) {
  connect(field, &QLineEdit::textChanged, this, &TRecordEditor::DoFlagEdit);
  field->installEventFilter(this);
}

void TRecordEditor::ApplyButtonImages(bool trueColor) {
  const int first = trueColor ? 0 : 1;
  const std::pair<QAbstractButton*, int> images[] = {{SBnew, 0}, {SBdel, 2}, {BBpost, 4}};
  for (const auto& [button, index] : images) {
    const QIcon icon = DialogImage(index + first);
    button->setIcon(icon);
    if (!icon.availableSizes().isEmpty()) button->setIconSize(icon.availableSizes().first());
  }
}

// ---- window events

void TRecordEditor::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (!isActiveWindow()) {
    // The window that takes over is already the active one here.
    for (QWidget* next = QApplication::activeWindow(); next; next = next->parentWidget())
      if (next == this) skipNextActivate_ = true;
    return;
  }
  if (!std::exchange(skipNextActivate_, false)) FormActivate();
}

void TRecordEditor::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!tabLeadsToFields_) LeadTabToFields();
  FormActivate();
}

void TRecordEditor::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QAbstractButton* button = enter ? DefaultButton() : nullptr;
  if (button && button->isVisible() && button->isEnabled())
    button->click();
  else
    QMainWindow::keyPressEvent(event);
}

// Tab goes from the ID straight to the record's own fields, and the find box comes last. The
// subclass's fields exist only once its constructor is done, hence the first showing.
void TRecordEditor::LeadTabToFields() {
  tabLeadsToFields_ = true;
  QList<QWidget*> fields, others;
  for (QWidget* next = Eid->nextInFocusChain(); next != Eid; next = next->nextInFocusChain()) {
    if (next == Efid || next->window() != this || !(next->focusPolicy() & Qt::TabFocus)) continue;
    (fields_->isAncestorOf(next) ? fields : others) << next;
  }
  const QList<QWidget*> order = QList<QWidget*>{Eid} + fields + others + QList<QWidget*>{Efid};
  for (qsizetype i = 1; i < order.size(); ++i)
    setTabOrder(order[i - 1], order[i]);
}

QAbstractButton* TRecordEditor::DefaultButton() {
  return edited_ ? BBpost : nullptr;
}

// A line edit claims Ctrl+Insert, Shift+Insert, Alt+Backspace and Ctrl+Delete for itself; the
// frame's menu items with those shortcuts come first, as the menus promise.
bool TRecordEditor::eventFilter(QObject* watched, QEvent* event) {
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
