#pragma once
// The one status line of the program. The core reports progress ("Saving JS ...", "JS saved.")
// through ShowStatus; whoever shows it (the app's current status panel, the CLI's stderr)
// installs a sink. With no sink installed the text goes nowhere.

#include <functional>
#include <string>

namespace cardwise {

using StatusSink = std::function<void(const std::string&)>;

// Installs the sink that receives every later status text; returns the one it replaces, so a
// caller that installs a sink for a while can put the previous one back.
StatusSink SetStatusSink(StatusSink sink);

// Sends the text to the current sink.
void ShowStatus(const std::string& text);

}  // namespace cardwise
