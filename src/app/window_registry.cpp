#include "app/window_registry.h"

namespace cardwise::app {

AppWindows& Windows() {
  static AppWindows windows;
  return windows;
}

}  // namespace cardwise::app
