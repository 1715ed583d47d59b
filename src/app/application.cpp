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
std::vector<std::pair<WindowId, QWidget*>> PlacedWindows() {
  return {{WindowId::Main, windows.Main},     {WindowId::Player, windows.Player},
          {WindowId::Course, windows.Course}, {WindowId::Round, windows.Round},
          {WindowId::Event, windows.Event},   {WindowId::Tour, windows.Tour},
          {WindowId::Setup, windows.Setup},   {WindowId::Html, windows.Html}};
}

void CreateWindows() {
  windows.Main = new TFmain;
  windows.Round = new TFRound;
  windows.Player = new TFPlayer;
  windows.Course = new TFCourse;
  windows.Event = new TFEvent;
  windows.Tour = new TFTour;
  windows.Html = new TFhtml(windows.Main);
  windows.Weights = windows.Tour->WeightsDialog();
  windows.Import = new TFimport(windows.Main);
  windows.Demo = new TFdemo(windows.Main);
  windows.About = new TFabout(windows.Main);
  windows.Setup = new TFsetup(windows.Main);
  windows.Editors = {windows.Round, windows.Player, windows.Course, windows.Event, windows.Tour};
  // The main window switches its own buttons and the editors'.
  QObject::connect(windows.Setup, &TFsetup::IconsSwitched, windows.Main,
                   &TFmain::ApplyButtonImages);
}

// Destroyed in the reverse order of creation.
void DestroyWindows() {
  delete windows.Setup;
  delete windows.About;
  delete windows.Demo;
  delete windows.Import;
  delete windows.Html;
  delete windows.Tour;
  delete windows.Event;
  delete windows.Course;
  delete windows.Player;
  delete windows.Round;
  delete windows.Main;
  windows = AppWindows();
}

// A place saved on a screen that is no longer there is passed over, so that no window opens
// where it cannot be seen.
void ApplyWindowPositions() {
  for (const auto& [id, window] : PlacedWindows()) {
    const WindowPlace& place = Settings().Windows[static_cast<std::size_t>(id)];
    if (!window || !(place.Left || place.Top)) continue;
    const QPoint target(place.Left.value_or(window->x()), place.Top.value_or(window->y()));
    if (QGuiApplication::screenAt(target)) window->move(target);
  }
}

void StoreWindowPositions() {
  for (const auto& [id, window] : PlacedWindows()) {
    if (!window) continue;
    WindowPlace& place = Settings().Windows[static_cast<std::size_t>(id)];
    place.Left = window->x();
    place.Top = window->y();
  }
}

// The start-up steps after the windows exist; false when the folders could not be made, in
// which case no data file is loaded.
bool LoadEverything() {
  TFmain* main = windows.Main;
  if (Status loaded = LoadSettings(Settings(), AppPaths()); !loaded)
    Prompts().ShowError(main, kTitle, ToQString(loaded.message()));
  ApplyWindowPositions();
  FillCustomColors(Settings());
  main->SetIconsChecked(Settings().TrueColorIcons);
  if (Status folders = PrepareFolders(Settings()); !folders) {
    Prompts().ShowError(main, kTitle, ToQString(folders.message()));
    return false;
  }
  const LoadReports reports = LoadDatabase(ProcessDatabase(), Settings());
  ShowLoadProblems(main, reports);
  main->ApplyButtonImages(Settings().TrueColorIcons);
  main->ShowDatabaseState();
  return true;
}

// "--ini FILE"; other arguments are left to Qt.
std::string IniOption(int argc, char** argv) {
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
int AnswerInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) return std::cout << kUsage, 0;
    if (std::strcmp(argv[i], "--version") != 0) continue;
    SetVersion(kProductName, kProductVersion);
    return std::cout << VersionLine("cardwise") << "\n", 0;
  }
  return -1;
}

}  // namespace

bool StartUp(bool showSplash) {
  if (windows.Main) return true;  // start-up runs once; ShutDown ends it
  std::unique_ptr<TFsplash> splash;
  if (showSplash) {
    splash = std::make_unique<TFsplash>();
    splash->ShowNow();
  }
  QApplication::setApplicationName(kTitle);
  CreateWindows();
  StatusPanel::InstallCoreSink();
  return LoadEverything();
}

void ShutDown() {
  if (!windows.Main) return;
  StoreWindowPositions();
  SaveSettingsNow(windows.Main);
  DestroyWindows();
}

int RunApplication(int argc, char** argv) {
  const std::string ini = IniOption(argc, argv);
  InitProcessInfo();
  if (const int answered = AnswerInfoOption(argc, argv); answered >= 0) return answered;
  SetAppPaths(ResolveSettingsPaths(ini));
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(kDesktopFileName);
  StartUp(true);
  windows.Main->show();
  const int code = QApplication::exec();
  ShutDown();
  return code;
}

}  // namespace cardwise::app
