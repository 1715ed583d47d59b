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

const SettingsPaths& AppPaths() {
  return Paths();
}

void SetAppPaths(const SettingsPaths& paths) {
  Paths() = paths;
}

bool SaveSettingsNow(QWidget* parent) {
  const Status saved = SaveSettings(Settings(), Paths());
  if (!saved) Prompts().ShowError(parent, kTitle, ToQString(saved.message()));
  return saved.ok();
}

}  // namespace cardwise::app
