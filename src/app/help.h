#pragma once
// Where the help pages are (docs/help/*.htm, shipped with the program), by topic: "CONTENTS",
// "MAKEPAGES", "DEMODATA", "PLAYER", ... openHelp (prompts.h) opens one in the web browser.

#include <QString>

namespace cardwise::app {

// The help page of the topic: <topic in lower case>.htm in share/doc/cardwise/help/ beside the
// program's bin folder (docs/help/ of the source tree when run from the build folder); the contents
// page for an unknown topic.
QString helpPagePath(const QString& topic);

// The product's home page: the contents page of the help (a file: URL); empty without help.
QString homePageUrl();

}  // namespace cardwise::app
