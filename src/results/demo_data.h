#pragma once
// Switching the whole database to the demo data in the data folder (copied there from the
// shipped files when missing), and back to the user's own files.
//
// The demo files are "DEMOP.DAT", "DEMOC.DAT", "DEMOR.DAT", "DEMOE.DAT" and "DEMOT.DAT" in
// DataDir. While they are loaded the web site goes to DefaultDemoWebRoot(). The names and web
// root in force before are kept in the settings file's section "DemoUnload" (keys "Round",
// "Course", "Event", "Player", "Tour", "HtmlRootDir"), which is written when the demo is loaded
// from the user's data and never removed.

#include <string>

#include "platform/status.h"
#include "results/database.h"
#include "settings/settings.h"

namespace cardwise {

inline constexpr const char* kDemoUnloadSection = "DemoUnload";
inline constexpr const char* kDemoRoundFName = "DEMOR.DAT";

struct DemoSwitch {
  Status Outcome = Status::Ok();  // the settings file could not be read or written
  LoadReports Reports;            // the five files loaded, by DataKind
};

// "Load Demo": first copies each demo file that DataDir lacks from the "demo/" folder of the
// shipped files (ShippedFilesDir(), or `shippedDir`), never over a file that is there; then,
// unless RoundFName already is "DEMOR.DAT" (exact), writes the section "DemoUnload" into the
// settings file; sets HtmlRootDir to the demo web root; then for rounds, players, courses,
// events and tours in this order empties the list, sets the file name setting to the demo file
// and loads it; the knockouts' file name becomes "DEMOK.DAT" (the demo ships no knockouts, so
// none is copied, and the knockouts are read where they are used). When a demo file can be neither
// found nor copied, or the section cannot be written, nothing is switched (the settings and lists
// stay as they were) and Outcome says why.
DemoSwitch LoadDemo(Database database, AppSettings& settings, const std::string& settingsFile);
DemoSwitch LoadDemo(Database database, AppSettings& settings, const std::string& settingsFile,
                    const std::string& shippedDir);

// "Unload Demo": the values of "DemoUnload" (each defaulting to the value in force) become
// the six file name settings and HtmlRootDir; the five lists are emptied and loaded from them
// in the order rounds, players, courses, events, tours. Without the section the current files
// are simply loaded again.
DemoSwitch UnloadDemo(Database database, AppSettings& settings, const std::string& settingsFile);

}  // namespace cardwise
