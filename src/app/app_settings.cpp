#include "app/app_settings.h"

#include "app/prompts.h"
#include "app/qt_text.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";

SettingsPaths& Paths() {
  static SettingsPaths paths;
  return paths;
}

}  // namespace

const SettingsPaths& appPaths() {
  return Paths();
}

void setAppPaths(const SettingsPaths& paths) {
  Paths() = paths;
}

bool saveSettingsNow(QWidget* parent) {
  const Status saved = SaveSettings(Settings(), Paths());
  if (!saved) Prompts().showError(parent, kTitle, toQString(saved.message()));
  return saved.ok();
}

}  // namespace cardwise::app
