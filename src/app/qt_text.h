#pragma once
// The edge between the core's Windows-1252 texts and Qt's QString.

#include <QString>

#include <string>
#include <string_view>

namespace cardwise::app {

QString ToQString(std::string_view windows1252);
// A character outside Windows-1252 becomes "?".
std::string FromQString(const QString& text);

}  // namespace cardwise::app
