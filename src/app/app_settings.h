#pragma once
// Where the app's settings live, and writing them at once.

#include "settings/settings.h"

class QWidget;

namespace cardwise::app {

// Where the settings live (from --ini, $CARDWISE_INI or the default), set at start-up.
const SettingsPaths& appPaths();
void setAppPaths(const SettingsPaths& paths);

// Writes the settings file (under its lock, keeping the lines of others) and the per-user store
// now, so that cardwise-cli run beside the app works on the files and folders the app shows.
// Called where a window changes the settings (Setup's OK, the demo switch, the web dialog) and
// at shutdown; a failure is one message box naming the file. False when something could not be
// written.
bool saveSettingsNow(QWidget* parent);

}  // namespace cardwise::app
