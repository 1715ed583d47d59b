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
    {"BBround", "&Rounds", "Add/Edit a scorecard", 0},
    {"BBplayer", "&Players", "Add/Edit player information", 2},
    {"BBcourse", "&Courses", "Add/Edit golfcourse information", 4},
    {"BBevent", "&Events", "Add/Edit event information", 6},
    {"BBtour", "&Tours", "Add/Edit tour information", 8},
};
constexpr int kWebImage = 10;

// Non-modal windows come to the front when they are already open.
void ShowWindow(QWidget* window) {
  if (!window) return;
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

// A list read from no file holds only the placeholder of a new record.
template <class List>
bool HoldsRecords(const List& list) {
  return list.Count() > 1 || (list.Count() == 1 && list.RecordAt(0).ID != kPlaceholderID);
}

// A batch command under the hourglass; one box lists the records it left as they were (or
// says why it could not save).
void RunBatch(QWidget* parent, const std::function<BatchReport()>& command) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const BatchReport report = command();
  QApplication::restoreOverrideCursor();
  if (!report.Outcome)
    return Prompts().ShowError(parent, kTitle, ToQString(report.Outcome.message()));
  QStringList lines;
  for (const std::string& message : report.Messages())
    lines << ToQString(message);
  if (lines.isEmpty()) return;
  Prompts().ShowError(
      parent, kTitle,
      ProblemListing("These records hold lines that could not be read and were left as "
                     "they were; all others were recalculated and saved:",
                     lines));
}

}  // namespace

TFmain::TFmain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TFmain");
  setWindowTitle("Cardwise in Web format");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(MainImage(0));
  SetVersion(kProductName, kProductVersion);
  createMenus();
  createWidgets();
  createTimer();
  setOwnImages(false);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  status_->MakeCurrent();
  showClock();
}

QAction* TFmain::AddAction(QMenu* menu, const char* name, const QString& caption,
                           void (TFmain::*slot)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  if (slot) connect(action, &QAction::triggered, this, slot);
  menu->addAction(action);
  return action;
}

void TFmain::createMenus() {
  createFileMenu();
  createDatabaseMenu();
  createHelpMenu();
}

void TFmain::createFileMenu() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setToolTipsVisible(true);
  AddAction(file, "MIload", "Load more Rounds...", &TFmain::loadMoreRounds);
  AddAction(file, "MIfimport", "Import CARDWS DX files...", &TFmain::showImport);
  file->addSeparator();
  AddAction(file, "MIfdemo", "Demo-data...", &TFmain::showDemo);
  AddAction(file, "MIfsetup", "&Setup...", &TFmain::showSetup);
  iconsItem_ = AddAction(file, "MIficons", "True color icons", &TFmain::toggleIcons);
  iconsItem_->setCheckable(true);
  file->addSeparator();
  connect(AddAction(file, "MIfexit", "E&xit", nullptr), &QAction::triggered, this, &TFmain::close);
}

void TFmain::createDatabaseMenu() {
  QMenu* database = menuBar()->addMenu("&Database");
  AddAction(database, "MIduhcp", "Update players hcp", &TFmain::updatePlayersHcp);
  AddAction(database, "MIde", "Recalc all events", &TFmain::recalcEvents);
  AddAction(database, "MIdt", "Recalc all tours", &TFmain::recalcTours);
}

void TFmain::createHelpMenu() {
  QMenu* help = menuBar()->addMenu("&Help");
  AddAction(help, "MIhcontents", "Contents", &TFmain::showContents);
  help->addSeparator();
  AddAction(help, "MIhindex", "Cardwise Home Page...", &TFmain::showHomePage);
  help->addSeparator();
  AddAction(help, "MIhabout", "About", &TFmain::showAbout);
}

QToolButton* TFmain::AddButton(const char* name, const QString& caption, const QString& hint) {
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

void TFmain::createWidgets() {
  auto* grid = new QGridLayout;
  int cell = 0;
  for (const EditorButton& entry : kEditorButtons) {
    QToolButton* button = AddButton(entry.Name, entry.Caption, entry.Hint);
    grid->addWidget(button, cell / 3, cell % 3);
    ++cell;
  }
  connect(findChild<QToolButton*>("BBround"), &QToolButton::clicked, this, &TFmain::showRounds);
  connect(findChild<QToolButton*>("BBplayer"), &QToolButton::clicked, this, &TFmain::showPlayers);
  connect(findChild<QToolButton*>("BBcourse"), &QToolButton::clicked, this, &TFmain::showCourses);
  connect(findChild<QToolButton*>("BBevent"), &QToolButton::clicked, this, &TFmain::showEvents);
  connect(findChild<QToolButton*>("BBtour"), &QToolButton::clicked, this, &TFmain::showTours);
  QToolButton* web = AddButton("BBhtml", "&Web", "Make html files, to view through a web-browser");
  web->setIcon(MainImage(kWebImage));
  connect(web, &QToolButton::clicked, this, &TFmain::showWeb);
  grid->addWidget(web, cell / 3, cell % 3);

  status_ = new StatusPanel(this);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(createFirstSteps());
  layout->addLayout(grid);
  layout->addWidget(status_);
  setCentralWidget(central);
  findChild<QToolButton*>("BBround")->setFocus();
}

// What a first start offers: look around in the demo data, bring in the DOS program's files, or
// begin with the club's own courses and players.
QWidget* TFmain::createFirstSteps() {
  firstSteps_ = new QWidget(this);
  firstSteps_->setObjectName("firstSteps");
  auto* layout = new QVBoxLayout(firstSteps_);
  auto* text =
      new QLabel("There are no players, courses or scorecards yet. To begin:", firstSteps_);
  layout->addWidget(text);
  const struct {
    const char* Name;
    const char* Caption;
    void (TFmain::*Slot)();
  } steps[] = {
      {"loadDemoButton", "&Look around in the demo data", &TFmain::loadDemo},
      {"importButton", "&Import the DOS program's files...", &TFmain::showImport},
      {"beginButton", "&Begin with the club's courses and players", &TFmain::beginWithCourses}};
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

void TFmain::ShowDatabaseState() {
  const bool demo = Settings().RoundFName == kDemoRoundFName;
  setWindowTitle(demo ? "Cardwise in Web format - demo data" : "Cardwise in Web format");
  const bool empty = !HoldsRecords(Players()) && !HoldsRecords(Courses()) &&
                     !HoldsRecords(Rounds()) && !HoldsRecords(Events()) && !HoldsRecords(Tours());
  firstSteps_->setVisible(empty);
}

void TFmain::loadDemo() {
  if (Windows().Demo) Windows().Demo->BBloadClick();
  ShowDatabaseState();
}

void TFmain::beginWithCourses() {
  showCourses();
  if (Windows().Course) Windows().Course->DoNew();
}

void TFmain::createTimer() {
  timer_ = new QTimer(this);
  timer_->setObjectName("Timer");
  timer_->setInterval(kClockInterval);
  connect(timer_, &QTimer::timeout, this, &TFmain::showClock);
  timer_->start();
}

void TFmain::ApplyButtonImages(bool trueColor) {
  setOwnImages(trueColor);
  const AppWindows& windows = Windows();
  for (TRecordEditor* editor : std::initializer_list<TRecordEditor*>{
           windows.Round, windows.Player, windows.Course, windows.Event, windows.Tour})
    if (editor) editor->ApplyButtonImages(trueColor);
  SetIconsChecked(trueColor);
}

void TFmain::setOwnImages(bool trueColor) {
  for (const EditorButton& entry : kEditorButtons)
    if (auto* button = findChild<QToolButton*>(entry.Name))
      button->setIcon(MainImage(entry.Image + (trueColor ? 0 : 1)));
}

void TFmain::SetIconsChecked(bool trueColor) {
  iconsItem_->setChecked(trueColor);
}

void TFmain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    status_->MakeCurrent();
    ShowDatabaseState();
  }
  QMainWindow::changeEvent(event);
}

void TFmain::closeEvent(QCloseEvent* event) {
  if (!SettleEveryEdit()) return event->ignore();
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QCoreApplication::quit();
}

void TFmain::showRounds() {
  ShowWindow(Windows().Round);
}

void TFmain::showPlayers() {
  ShowWindow(Windows().Player);
}

void TFmain::showCourses() {
  ShowWindow(Windows().Course);
}

void TFmain::showEvents() {
  ShowWindow(Windows().Event);
}

void TFmain::showTours() {
  ShowWindow(Windows().Tour);
}

void TFmain::showImport() {
  ShowWindow(Windows().Import);
}

void TFmain::showWeb() {
  if (Windows().Html) Windows().Html->exec();
}

void TFmain::loadMoreRounds() {
  const QString file = Prompts().OpenFileName(
      this, "Load more Rounds", QString::fromLocal8Bit(Settings().DataDir.c_str()) + "r*.dat",
      "Cardwise data (*.dat)");
  if (file.isEmpty()) return;
  LoadReport report;
  {
    const EditorsListChange change;
    if (!change.Ready()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    report = Rounds().LoadFromFile(file.toLocal8Bit().toStdString());
    QApplication::restoreOverrideCursor();
  }
  ShowLoadProblems(this, std::span(&report, 1));
}

void TFmain::showDemo() {
  if (Windows().Demo) Windows().Demo->exec();
  ShowDatabaseState();
}

void TFmain::showSetup() {
  ShowWindow(Windows().Setup);
}

void TFmain::toggleIcons() {
  Settings().TrueColorIcons = iconsItem_->isChecked();
  ApplyButtonImages(Settings().TrueColorIcons);
}

void TFmain::updatePlayersHcp() {
  RunBatch(this, [] {
    TDatabase database = ProcessDatabase();
    return UpdatePlayersHcp(database, DataFilePath(Settings(), kPlayersFile));
  });
}

void TFmain::recalcEvents() {
  RunBatch(this, [] {
    return RecalcAllEvents(Events(), Rounds(), DataFilePath(Settings(), kEventsFile));
  });
}

void TFmain::recalcTours() {
  RunBatch(this, [] {
    TDatabase database = ProcessDatabase();
    return RecalcAllTours(database, DataFilePath(Settings(), kToursFile));
  });
}

void TFmain::showContents() {
  OpenHelp("CONTENTS");
}

void TFmain::showHomePage() {
  OpenHelp("CONTENTS");
}

void TFmain::showAbout() {
  if (Windows().About) Windows().About->exec();
}

void TFmain::showClock() {
  const DateTime now = Now();
  status_->SetStatus(ToQString(ShortDateText(now) + " " + LongTimeText(now)) + "  " +
                     QString::fromLocal8Bit(EnvOr("USER").c_str()));
}

}  // namespace cardwise::app
