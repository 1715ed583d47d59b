#pragma once
// The windows of the program, each created once at start-up (startUp, application.h) and alive
// until shutdown. Only declared here: a window that opens another includes that one's header,
// and no window needs the header of the window that opens it.

#include <vector>

namespace cardwise::app {

class MainWindow;
class RecordEditor;
class PlayerEditor;
class RoundEditor;
class CourseEditor;
class EventEditor;
class TourEditor;
class WeightsDialog;
class ImportWindow;
class KnockoutWindow;
class WebDialog;
class DemoDialog;
class AboutWindow;
class SetupDialog;

// The windows in the order of their creation.
struct AppWindows {
  MainWindow* mainWindow = nullptr;
  RoundEditor* roundEditor = nullptr;
  PlayerEditor* playerEditor = nullptr;
  CourseEditor* courseEditor = nullptr;
  EventEditor* eventEditor = nullptr;
  TourEditor* tourEditor = nullptr;
  WebDialog* webDialog = nullptr;
  WeightsDialog* weightsDialog = nullptr;
  ImportWindow* importWindow = nullptr;
  KnockoutWindow* knockoutWindow = nullptr;
  DemoDialog* demoDialog = nullptr;
  AboutWindow* aboutWindow = nullptr;
  SetupDialog* setupDialog = nullptr;
  // Round, Player, Course, Event and Tour as record editors, in that order.
  std::vector<RecordEditor*> Editors;
};
AppWindows& Windows();

}  // namespace cardwise::app
