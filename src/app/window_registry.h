#pragma once
// The windows of the program, each created once at start-up (StartUp, application.h) and alive
// until shutdown. Only declared here: a window that opens another includes that one's header,
// and no window needs the header of the window that opens it.

#include <vector>

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

// The windows in the order of their creation.
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
  // Round, Player, Course, Event and Tour as record editors, in that order.
  std::vector<TRecordEditor*> Editors;
};
AppWindows& Windows();

}  // namespace cardwise::app
