#pragma once
// The folder step of start-up, shared by the app and cardwise-cli.

#include <string>

#include "platform/status.h"
#include "settings/settings.h"

namespace cardwise {

// The folder of the files shipped with the program, ending with "/", holding "demo/" (the demo
// data files) and "template/" (the page templates): share/cardwise/ beside the bin folder of the
// executable when installed, else the source tree's data/ folder for a program inside the build
// folder it was built in; empty when neither exists.
std::string ShippedFilesDir();

// Creates DataDir, TemplateDir and HtmlRootDir, in this order, with all missing parents. A data
// or template folder that did not exist before gets the shipped demo data or templates copied
// into it (never over a file that is there). A folder that cannot be created is passed over.
// Fails with "Unable to create directory" when one of the three settings is empty; the folders
// before it are made.
Status PrepareFolders(const AppSettings& settings);
// The same with the shipped files taken from `shippedDir` ("" copies nothing).
Status PrepareFolders(const AppSettings& settings, const std::string& shippedDir);

}  // namespace cardwise
