#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/about_window.h"
#include "app/button_images.h"
#include "app/course_editor.h"
#include "app/demo_dialog.h"
#include "app/event_editor.h"
#include "app/import_window.h"
#include "app/knockout_window.h"
#include "app/list_change.h"
#include "app/player_editor.h"
#include "app/problem_list.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/round_editor.h"
#include "app/setup_dialog.h"
#include "app/status_panel.h"
#include "app/tour_editor.h"
#include "app/web_dialog.h"
#include "app/window_registry.h"
#include "platform/env.h"
#include "records/dates.h"
#include "records/process_info.h"
#include "results/database.h"
#include "results/demo_data.h"
#include "results/recalc.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";
constexpr int kClockInterval = 15000;  // ms

// The editor buttons and the image each takes (true colour; the plain image follows it).
struct EditorButton {
  const char* Name;
  const char* Caption;
  const char* Hint;
  int Image;
};

const EditorButton kEditorButtons[] = {
    {"roundsButton", "&Rounds", "Add/Edit a scorecard", 0},
    {"playersButton", "&Players", "Add/Edit player information", 2},
    {"coursesButton", "&Courses", "Add/Edit golfcourse information", 4},
    {"eventsButton", "&Events", "Add/Edit event information", 6},
    {"toursButton", "&Tours", "Add/Edit tour information", 8},
};
constexpr int kWebImage = 10;

// Non-modal windows come to the front when they are already open.
void showWindow(QWidget* window) {
  if (!window) return;
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

// A list read from no file holds only the placeholder of a new record.
template <class List>
bool holdsRecords(const List& list) {
  return list.Count() > 1 || (list.Count() == 1 && list.RecordAt(0).ID != kPlaceholderID);
}

// A batch command under the hourglass; one box lists the records it left as they were (or
// says why it could not save).
void runBatch(QWidget* parent, const std::function<BatchReport()>& command) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const BatchReport report = command();
  QApplication::restoreOverrideCursor();
  if (!report.Outcome)
    return Prompts().showError(parent, kTitle, toQString(report.Outcome.message()));
  QStringList lines;
  for (const std::string& message : report.Messages())
    lines << toQString(message);
  if (lines.isEmpty()) return;
  Prompts().showError(
      parent, kTitle,
      problemListing("These records hold lines that could not be read and were left as "
                     "they were; all others were recalculated and saved:",
                     lines));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainWindow");
  setWindowTitle("Cardwise in Web format");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(mainImage(0));
  SetVersion(kProductName, kProductVersion);
  createMenus();
  createWidgets();
  createTimer();
  setOwnImages(false);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  status_->makeCurrent();
  showClock();
}

QAction* MainWindow::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                 void (MainWindow::*slot)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  if (slot) connect(action, &QAction::triggered, this, slot);
  menu->addAction(action);
  return action;
}

void MainWindow::createMenus() {
  createFileMenu();
  createDatabaseMenu();
  createHelpMenu();
}

void MainWindow::createFileMenu() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setToolTipsVisible(true);
  addMenuItem(file, "loadAction", "Load more Rounds...", &MainWindow::loadMoreRounds);
  addMenuItem(file, "importAction", "Import CARDWS DX files...", &MainWindow::showImport);
  addMenuItem(file, "knockoutsAction", "&Knockouts...", &MainWindow::showKnockouts);
  file->addSeparator();
  addMenuItem(file, "demoAction", "Demo-data...", &MainWindow::showDemo);
  addMenuItem(file, "setupAction", "&Setup...", &MainWindow::showSetup);
  iconsItem_ = addMenuItem(file, "iconsAction", "True color icons", &MainWindow::toggleIcons);
  iconsItem_->setCheckable(true);
  file->addSeparator();
  connect(addMenuItem(file, "exitAction", "E&xit", nullptr), &QAction::triggered, this,
          &MainWindow::close);
}

void MainWindow::createDatabaseMenu() {
  QMenu* database = menuBar()->addMenu("&Database");
  addMenuItem(database, "updateHandicapsAction", "Update players hcp",
              &MainWindow::updatePlayersHcp);
  addMenuItem(database, "recalcEventsAction", "Recalc all events", &MainWindow::recalcEvents);
  addMenuItem(database, "recalcToursAction", "Recalc all tours", &MainWindow::recalcTours);
}

void MainWindow::createHelpMenu() {
  QMenu* help = menuBar()->addMenu("&Help");
  addMenuItem(help, "contentsAction", "Contents", &MainWindow::showContents);
  help->addSeparator();
  addMenuItem(help, "homePageAction", "Cardwise Home Page...", &MainWindow::showHomePage);
  help->addSeparator();
  addMenuItem(help, "aboutAction", "About", &MainWindow::showAbout);
}

QToolButton* MainWindow::addEditorButton(const char* name, const QString& caption,
                                         const QString& hint) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setIconSize(QSize(50, 54));
  button->setMinimumSize(96, 88);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

void MainWindow::createWidgets() {
  auto* grid = new QGridLayout;
  int cell = 0;
  for (const EditorButton& entry : kEditorButtons) {
    QToolButton* button = addEditorButton(entry.Name, entry.Caption, entry.Hint);
    grid->addWidget(button, cell / 3, cell % 3);
    ++cell;
  }
  connect(findChild<QToolButton*>("roundsButton"), &QToolButton::clicked, this,
          &MainWindow::showRounds);
  connect(findChild<QToolButton*>("playersButton"), &QToolButton::clicked, this,
          &MainWindow::showPlayers);
  connect(findChild<QToolButton*>("coursesButton"), &QToolButton::clicked, this,
          &MainWindow::showCourses);
  connect(findChild<QToolButton*>("eventsButton"), &QToolButton::clicked, this,
          &MainWindow::showEvents);
  connect(findChild<QToolButton*>("toursButton"), &QToolButton::clicked, this,
          &MainWindow::showTours);
  QToolButton* web =
      addEditorButton("webButton", "&Web", "Make html files, to view through a web-browser");
  web->setIcon(mainImage(kWebImage));
  connect(web, &QToolButton::clicked, this, &MainWindow::showWeb);
  grid->addWidget(web, cell / 3, cell % 3);

  status_ = new StatusPanel(this);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(createFirstSteps());
  layout->addLayout(grid);
  layout->addWidget(status_);
  setCentralWidget(central);
  findChild<QToolButton*>("roundsButton")->setFocus();
}

// What a first start offers: look around in the demo data, bring in the DOS program's files, or
// begin with the club's own courses and players.
QWidget* MainWindow::createFirstSteps() {
  firstSteps_ = new QWidget(this);
  firstSteps_->setObjectName("firstSteps");
  auto* layout = new QVBoxLayout(firstSteps_);
  auto* text =
      new QLabel("There are no players, courses or scorecards yet. To begin:", firstSteps_);
  layout->addWidget(text);
  const struct {
    const char* Name;
    const char* Caption;
    void (MainWindow::*Slot)();
  } steps[] = {
      {"loadDemoButton", "&Look around in the demo data", &MainWindow::loadDemo},
      {"importButton", "&Import the DOS program's files...", &MainWindow::showImport},
      {"beginButton", "&Begin with the club's courses and players", &MainWindow::beginWithCourses}};
  for (const auto& step : steps) {
    auto* button = new QPushButton(step.Caption, firstSteps_);
    button->setObjectName(step.Name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, step.Slot);
    layout->addWidget(button);
  }
  firstSteps_->hide();
  return firstSteps_;
}

void MainWindow::showDatabaseState() {
  const bool demo = Settings().RoundFName == kDemoRoundFName;
  setWindowTitle(demo ? "Cardwise in Web format - demo data" : "Cardwise in Web format");
  const bool empty = !holdsRecords(Players()) && !holdsRecords(Courses()) &&
                     !holdsRecords(Rounds()) && !holdsRecords(Events()) && !holdsRecords(Tours());
  firstSteps_->setVisible(empty);
}

void MainWindow::loadDemo() {
  if (Windows().demoDialog) Windows().demoDialog->loadDemo();
  showDatabaseState();
}

void MainWindow::beginWithCourses() {
  showCourses();
  if (Windows().courseEditor) Windows().courseEditor->addNew();
}

void MainWindow::createTimer() {
  timer_ = new QTimer(this);
  timer_->setObjectName("Timer");
  timer_->setInterval(kClockInterval);
  connect(timer_, &QTimer::timeout, this, &MainWindow::showClock);
  timer_->start();
}

void MainWindow::applyButtonImages(bool trueColor) {
  setOwnImages(trueColor);
  const AppWindows& windows = Windows();
  for (RecordEditor* editor : std::initializer_list<RecordEditor*>{
           windows.roundEditor, windows.playerEditor, windows.courseEditor, windows.eventEditor,
           windows.tourEditor})
    if (editor) editor->applyButtonImages(trueColor);
  setIconsChecked(trueColor);
}

void MainWindow::setOwnImages(bool trueColor) {
  for (const EditorButton& entry : kEditorButtons)
    if (auto* button = findChild<QToolButton*>(entry.Name))
      button->setIcon(mainImage(entry.Image + (trueColor ? 0 : 1)));
}

void MainWindow::setIconsChecked(bool trueColor) {
  iconsItem_->setChecked(trueColor);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    status_->makeCurrent();
    showDatabaseState();
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!settleEveryEdit()) return event->ignore();
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QCoreApplication::quit();
}

void MainWindow::showRounds() {
  showWindow(Windows().roundEditor);
}

void MainWindow::showPlayers() {
  showWindow(Windows().playerEditor);
}

void MainWindow::showCourses() {
  showWindow(Windows().courseEditor);
}

void MainWindow::showEvents() {
  showWindow(Windows().eventEditor);
}

void MainWindow::showTours() {
  showWindow(Windows().tourEditor);
}

void MainWindow::showImport() {
  showWindow(Windows().importWindow);
}

void MainWindow::showKnockouts() {
  showWindow(Windows().knockoutWindow);
}

void MainWindow::showWeb() {
  if (Windows().webDialog) Windows().webDialog->exec();
}

void MainWindow::loadMoreRounds() {
  const QString file = Prompts().openFileName(
      this, "Load more Rounds", QString::fromLocal8Bit(Settings().DataDir.c_str()) + "r*.dat",
      "Cardwise data (*.dat)");
  if (file.isEmpty()) return;
  LoadReport report;
  {
    const EditorsListChange change;
    if (!change.isReady()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    report = Rounds().LoadFromFile(file.toLocal8Bit().toStdString());
    QApplication::restoreOverrideCursor();
  }
  showLoadProblems(this, std::span(&report, 1));
}

void MainWindow::showDemo() {
  if (Windows().demoDialog) Windows().demoDialog->exec();
  showDatabaseState();
}

void MainWindow::showSetup() {
  showWindow(Windows().setupDialog);
}

void MainWindow::toggleIcons() {
  Settings().TrueColorIcons = iconsItem_->isChecked();
  applyButtonImages(Settings().TrueColorIcons);
}

void MainWindow::updatePlayersHcp() {
  runBatch(this, [] {
    Database database = ProcessDatabase();
    return UpdatePlayersHcp(database, DataFilePath(Settings(), kPlayersFile));
  });
}

void MainWindow::recalcEvents() {
  runBatch(this, [] {
    Database database = ProcessDatabase();
    return RecalcAllEvents(database, DataFilePath(Settings(), kEventsFile));
  });
}

void MainWindow::recalcTours() {
  runBatch(this, [] {
    Database database = ProcessDatabase();
    return RecalcAllTours(database, DataFilePath(Settings(), kToursFile));
  });
}

void MainWindow::showContents() {
  openHelp("CONTENTS");
}

void MainWindow::showHomePage() {
  openHelp("CONTENTS");
}

void MainWindow::showAbout() {
  if (Windows().aboutWindow) Windows().aboutWindow->exec();
}

void MainWindow::showClock() {
  const DateTime now = Now();
  status_->setStatus(toQString(ShortDateText(now) + " " + LongTimeText(now)) + "  " +
                     QString::fromLocal8Bit(EnvOr("USER").c_str()));
}

}  // namespace cardwise::app
