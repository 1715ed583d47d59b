#pragma once
// The program's shell: start-up in its fixed order (splash, the windows of window_registry.h
// created once, settings, folders, data files, button images) and shutdown (settings and window
// positions written; nothing else).

#include "app/app_settings.h"
#include "app/window_registry.h"

namespace cardwise::app {

// Creates the windows and runs the start-up steps; returns false when start-up stopped (the
// user was told why). `showSplash` is false in tests.
bool startUp(bool showSplash);
// Writes the settings and window positions; the message box names the file that failed.
void shutDown();

// The whole program: arguments ("--ini FILE"), QApplication, startUp, the event loop, shutDown.
int runApplication(int argc, char** argv);

}  // namespace cardwise::app
