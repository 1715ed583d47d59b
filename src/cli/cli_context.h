#pragma once
// What every cardwise-cli command works on, and the exit statuses it returns.
//
// Exit status: 0 success; 1 the job failed or found problems (the message says which file
// and line); 2 the command line was wrong.

#include <iosfwd>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace cardwise {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// What every command works on: the loaded settings and the streams.
struct CliContext {
  AppSettings& Settings;
  SettingsPaths Paths;
  std::vector<std::string> Args;  // the command's own arguments
  std::ostream& Out;
  std::ostream& Err;
};

}  // namespace cardwise
