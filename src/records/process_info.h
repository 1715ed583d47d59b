#pragma once
// Process-wide values taken from the environment once at start-up (InitProcessInfo), before any
// window exists, and read everywhere afterwards.

#include <string>
#include <string_view>

#include "records/version.h"

namespace cardwise {

struct ProcessInfo {
  std::string ProgramDir;    // folder of the executable, ending with "/"
  std::string BaseName;      // always "cardwise"
  std::string TempDir;       // $TEMP, $TMP, $TMPDIR or "/tmp/", ending with "/"
  std::string UserName;      // $USER, else $USR, else "USER"; at most 6 characters
  std::string FullUserName;  // first comma field of $USERNAME (else of the account's full
                             // name), DOS letters converted; at most 18 characters
  std::string ComputerName;  // $CNAME, else the host name; at most 8 characters
  std::string ExeBuildDate;  // the executable's modification date "yymmdd", else today's
                             // date in the user's short date format
  std::string ProductName = "Not Set Yet";  // at most 32 characters
  std::string VersionText;                  // "Ver. " + version + " Rel " + ExeBuildDate
};

// The product's name and version as the web pages and the about window print them.
inline constexpr const char* kProductName = "Cardwise/32";
inline constexpr const char* kProductVersion = CARDWISE_VERSION;

// Fills the process-wide values from the environment and runs SetVersion("Not Set Yet", "0.0").
void InitProcessInfo();
const ProcessInfo& Process();

// Registers the product name (trimmed, at most 32 characters) and version; the version text
// becomes "Ver. " + version + " Rel " + ExeBuildDate, at most 24 characters.
void SetVersion(const std::string& productName, const std::string& version);

// What --version prints, the texts the about window shows: program + " (" + product name +
// ") " + version text, as in "cardwise-cli (Cardwise/32) Ver. 1.72 Rel 261206".
std::string VersionLine(std::string_view program);

// For tests: builds the values from the current environment without storing them.
ProcessInfo ReadProcessInfo();

}  // namespace cardwise
