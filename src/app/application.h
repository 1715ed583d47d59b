#pragma once
// The program's shell: start-up in its fixed order (splash, windows created once, settings,
// folders, data files, button images), the windows that live until the end, and shutdown
// (settings and window positions written; nothing else).

#include <QString>

#include "results/database.h"
#include "settings/settings.h"

namespace cardwise::app {

class TFmain;
class TFPlayer;
class TFRound;
class TFCourse;
class TFhtml;
class TFdemo;
class TFabout;
class TFsetup;

// The windows, each created once at start-up in this order and alive until shutdown.
struct AppWindows {
  TFmain* Main = nullptr;
  TFRound* Round = nullptr;
  TFPlayer* Player = nullptr;
  TFCourse* Course = nullptr;
  TFhtml* Html = nullptr;
  TFdemo* Demo = nullptr;
  TFabout* About = nullptr;
  TFsetup* Setup = nullptr;
};
AppWindows& Windows();

// Where the settings live (from --ini, $CARDWISE_INI or the default), set at start-up.
const SettingsPaths& AppPaths();
void SetAppPaths(const SettingsPaths& paths);

// Creates the windows and runs the start-up steps; returns false when start-up stopped (the
// user was told why). `showSplash` is false in tests.
bool StartUp(bool showSplash);
// Writes the settings and window positions; the message box names the file that failed.
void ShutDown();

// The whole program: arguments ("--ini FILE"), QApplication, StartUp, the event loop, ShutDown.
int RunApplication(int argc, char** argv);

}  // namespace cardwise::app
