#pragma once
// The help pages (docs/help/*.htm, shipped with the program) opened in the web browser at a
// topic: "CONTENTS", "MAKEPAGES", "DEMODATA", "PLAYER", ...

#include <QString>

namespace cardwise::app {

// The help page of the topic: <topic in lower case>.htm in share/doc/cardwise/help/ beside the
// program's bin folder (docs/help/ of the source tree when run from the build folder); the contents
// page for an unknown topic.
QString HelpPagePath(const QString& topic);
void OpenHelp(const QString& topic);

}  // namespace cardwise::app
