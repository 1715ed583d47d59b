#pragma once
// The program's shell: start-up in its fixed order (splash, windows created once, settings,
// folders, data files, button images), the windows that live until the end, and shutdown
// (settings and window positions written; nothing else).

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "results/database.h"
#include "settings/settings.h"

class QWidget;

namespace cardwise::app {

class TFmain;
class TRecordEditor;
class TFPlayer;
class TFRound;
class TFCourse;
class TFEvent;
class TFTour;
class TFtourwt;
class TFimport;
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
  TFEvent* Event = nullptr;
  TFTour* Tour = nullptr;
  TFhtml* Html = nullptr;
  TFtourwt* Weights = nullptr;
  TFimport* Import = nullptr;
  TFdemo* Demo = nullptr;
  TFabout* About = nullptr;
  TFsetup* Setup = nullptr;
};
AppWindows& Windows();

// A change of the record lists from outside the editors (more rounds loaded, an import, a tour
// saved as an event) shifts the places the editors show. Made before the change, it has every
// editor post an edit in progress (Ready() is false when one could not: leave the lists alone)
// and remember the record it shows; at its end every editor shows that record again.
class EditorsListChange {
 public:
  EditorsListChange();
  ~EditorsListChange();
  EditorsListChange(const EditorsListChange&) = delete;
  EditorsListChange& operator=(const EditorsListChange&) = delete;
  bool Ready() const { return ready_; }

 private:
  std::vector<std::pair<TRecordEditor*, std::string>> shown_;
  bool ready_ = true;
};

// Before the program ends: every editor with an edit in progress is shown and asks Save /
// Discard / Cancel; false when the user cancelled (or a save failed), and the program goes on.
bool SettleEveryEdit();

// Where the settings live (from --ini, $CARDWISE_INI or the default), set at start-up.
const SettingsPaths& AppPaths();
void SetAppPaths(const SettingsPaths& paths);

// Writes the settings file (under its lock, keeping the lines of others) and the per-user store
// now, so that cardwise-cli run beside the app works on the files and folders the app shows.
// Called where a window changes the settings (Setup's OK, the demo switch, the web dialog); a
// failure is one message box naming the file. False when something could not be written.
bool SaveSettingsNow(QWidget* parent);

// Creates the windows and runs the start-up steps; returns false when start-up stopped (the
// user was told why). `showSplash` is false in tests.
bool StartUp(bool showSplash);
// Writes the settings and window positions; the message box names the file that failed.
void ShutDown();

// The whole program: arguments ("--ini FILE"), QApplication, StartUp, the event loop, ShutDown.
int RunApplication(int argc, char** argv);

}  // namespace cardwise::app
