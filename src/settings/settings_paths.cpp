#include "settings/settings_paths.h"

#include "platform/env.h"
#include "platform/user_store.h"

namespace cardwise {
namespace {

// `base` + "/" + `rest`, without doubling the separator when `base` already ends with one.
std::string JoinPath(std::string base, const std::string& rest) {
  while (!base.empty() && base.back() == '/')
    base.pop_back();
  return base + "/" + rest;
}

// An XDG base folder: the variable when it is set to an absolute path (relative values are
// ignored, as the XDG base-directory rules ask), else $HOME + `fallback`.
std::string XdgHome(const char* variable, const char* fallback) {
  const std::string value = EnvOr(variable);
  if (!value.empty() && value.front() == '/') return value;
  return JoinPath(EnvOr("HOME", "/"), fallback);
}

}  // namespace

SettingsPaths ResolveSettingsPaths(const std::string& iniOption) {
  SettingsPaths paths;
  paths.SettingsFile = iniOption;
  if (paths.SettingsFile.empty()) paths.SettingsFile = EnvOr("CARDWISE_INI");
  if (paths.SettingsFile.empty()) {
    paths.SettingsFile = JoinPath(XdgHome("XDG_CONFIG_HOME", ".config"), "cardwise/cardwise.ini");
  }
  paths.UserStore = UserStore::DefaultPath();
  return paths;
}

std::string DefaultDataHome() {
  return JoinPath(XdgHome("XDG_DATA_HOME", ".local/share"), "cardwise/");
}

std::string DefaultDemoWebRoot() {
  return DefaultDataHome() + "Web-Demo/";
}

}  // namespace cardwise
