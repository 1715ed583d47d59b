#pragma once
// Where the settings live on this platform.

#include <string>

namespace cardwise {

struct SettingsPaths {
  std::string SettingsFile;  // the INI settings file
  std::string UserStore;     // the per-user store
};

// The settings file is `iniOption` when it is not empty (the --ini option), else $CARDWISE_INI,
// else $XDG_CONFIG_HOME/cardwise/cardwise.ini (~/.config when unset). The per-user store is
// UserStore::DefaultPath(). An empty or relative XDG variable counts as unset.
SettingsPaths ResolveSettingsPaths(const std::string& iniOption);

// $XDG_DATA_HOME/cardwise/ (~/.local/share/cardwise/ when unset): the parent of the default
// Data/, Template/, Web-Docs/ and Web-Demo/ folders.
std::string DefaultDataHome();

// DefaultDataHome() + "Web-Demo/": the web root used while the demo data are loaded.
std::string DefaultDemoWebRoot();

}  // namespace cardwise
