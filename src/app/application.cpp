#include "app/application.h"

#include <QApplication>
#include <cstring>
#include <iostream>
#include <memory>
#include <utility>
#include <vector>

#include "app/about_window.h"
#include "app/app_settings.h"
#include "app/course_editor.h"
#include "app/demo_dialog.h"
#include "app/event_editor.h"
#include "app/import_window.h"
#include "app/knockout_window.h"
#include "app/main_window.h"
#include "app/player_editor.h"
#include "app/problem_list.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/round_editor.h"
#include "app/setup_dialog.h"
#include "app/splash_window.h"
#include "app/status_panel.h"
#include "app/tour_editor.h"
#include "app/web_dialog.h"
#include "app/weights_dialog.h"
#include "records/process_info.h"
#include "results/startup.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";

AppWindows& windows = Windows();

// The windows whose places the per-user store keeps.
std::vector<std::pair<WindowId, QWidget*>> placedWindows() {
  return {{WindowId::Main, windows.mainWindow},     {WindowId::Player, windows.playerEditor},
          {WindowId::Course, windows.courseEditor}, {WindowId::Round, windows.roundEditor},
          {WindowId::Event, windows.eventEditor},   {WindowId::Tour, windows.tourEditor},
          {WindowId::Setup, windows.setupDialog},   {WindowId::Html, windows.webDialog}};
}

void createWindows() {
  windows.mainWindow = new MainWindow;
  windows.roundEditor = new RoundEditor;
  windows.playerEditor = new PlayerEditor;
  windows.courseEditor = new CourseEditor;
  windows.eventEditor = new EventEditor;
  windows.tourEditor = new TourEditor;
  windows.webDialog = new WebDialog(windows.mainWindow);
  windows.weightsDialog = windows.tourEditor->weightsDialog();
  windows.importWindow = new ImportWindow(windows.mainWindow);
  windows.knockoutWindow = new KnockoutWindow(windows.mainWindow);
  windows.demoDialog = new DemoDialog(windows.mainWindow);
  windows.aboutWindow = new AboutWindow(windows.mainWindow);
  windows.setupDialog = new SetupDialog(windows.mainWindow);
  windows.Editors = {windows.roundEditor, windows.playerEditor, windows.courseEditor,
                     windows.eventEditor, windows.tourEditor};
  // The main window switches its own buttons and the editors'.
  QObject::connect(windows.setupDialog, &SetupDialog::iconsSwitched, windows.mainWindow,
                   &MainWindow::applyButtonImages);
}

// Destroyed in the reverse order of creation.
void destroyWindows() {
  delete windows.setupDialog;
  delete windows.aboutWindow;
  delete windows.demoDialog;
  delete windows.importWindow;
  delete windows.knockoutWindow;
  delete windows.webDialog;
  delete windows.tourEditor;
  delete windows.eventEditor;
  delete windows.courseEditor;
  delete windows.playerEditor;
  delete windows.roundEditor;
  delete windows.mainWindow;
  windows = AppWindows();
}

// A place saved on a screen that is no longer there is passed over, so that no window opens
// where it cannot be seen.
void applyWindowPositions() {
  for (const auto& [id, window] : placedWindows()) {
    const WindowPlace& place = Settings().Windows[static_cast<std::size_t>(id)];
    if (!window || !(place.Left || place.Top)) continue;
    const QPoint target(place.Left.value_or(window->x()), place.Top.value_or(window->y()));
    if (QGuiApplication::screenAt(target)) window->move(target);
  }
}

void storeWindowPositions() {
  for (const auto& [id, window] : placedWindows()) {
    if (!window) continue;
    WindowPlace& place = Settings().Windows[static_cast<std::size_t>(id)];
    place.Left = window->x();
    place.Top = window->y();
  }
}

// The start-up steps after the windows exist; false when the folders could not be made, in
// which case no data file is loaded.
bool loadEverything() {
  MainWindow* main = windows.mainWindow;
  if (Status loaded = LoadSettings(Settings(), appPaths()); !loaded)
    Prompts().showError(main, kTitle, toQString(loaded.message()));
  applyWindowPositions();
  fillCustomColors(Settings());
  main->setIconsChecked(Settings().TrueColorIcons);
  if (Status folders = PrepareFolders(Settings()); !folders) {
    Prompts().showError(main, kTitle, toQString(folders.message()));
    return false;
  }
  const LoadReports reports = LoadDatabase(ProcessDatabase(), Settings());
  showLoadProblems(main, reports);
  main->applyButtonImages(Settings().TrueColorIcons);
  main->showDatabaseState();
  return true;
}

// "--ini FILE"; other arguments are left to Qt.
std::string iniOption(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--ini") == 0) return argv[i + 1];
  return {};
}

// The desktop entry the window system matches the program's windows with.
const char kDesktopFileName[] = "org.hollowfen.Cardwise";

const char kUsage[] =
    "usage: cardwise [--ini FILE] [Qt options]\n"
    "\n"
    "The desktop program of Cardwise: players, courses, scorecards, events and tours, their\n"
    "results, standings and statistics, and the web site made from them.\n"
    "\n"
    "options:\n"
    "  --ini FILE            the settings file (else $CARDWISE_INI, else\n"
    "                        $XDG_CONFIG_HOME/cardwise/cardwise.ini)\n"
    "  --version             the program's name, version and build date\n"
    "  --help                this text\n";

// "--help" and "--version" are answered on stdout before any window exists (no display is
// needed); -1 when neither is given.
int answerInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return std::cout << kUsage, 0;
    if (std::strcmp(argv[i], "--version") != 0) continue;
    SetVersion(kProductName, kProductVersion);
    return std::cout << VersionLine("cardwise") << "\n", 0;
  }
  return -1;
}

}  // namespace

bool startUp(bool showSplash) {
  if (windows.mainWindow) return true;  // start-up runs once; shutDown ends it
  std::unique_ptr<SplashWindow> splash;
  if (showSplash) {
    splash = std::make_unique<SplashWindow>();
    splash->showNow();
  }
  QApplication::setApplicationName(kTitle);
  createWindows();
  StatusPanel::installCoreSink();
  return loadEverything();
}

void shutDown() {
  if (!windows.mainWindow) return;
  storeWindowPositions();
  saveSettingsNow(windows.mainWindow);
  destroyWindows();
}

int runApplication(int argc, char** argv) {
  const std::string ini = iniOption(argc, argv);
  InitProcessInfo();
  if (const int answered = answerInfoOption(argc, argv); answered >= 0) return answered;
  setAppPaths(ResolveSettingsPaths(ini));
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(kDesktopFileName);
  startUp(true);
  windows.mainWindow->show();
  const int code = QApplication::exec();
  shutDown();
  return code;
}

}  // namespace cardwise::app
