#include "app/qt_text.h"

#include "platform/codepage.h"

namespace cardwise::app {

QString ToQString(std::string_view windows1252) {
  return QString::fromStdString(Windows1252ToUtf8(windows1252));
}

std::string FromQString(const QString& text) { return Utf8ToWindows1252(text.toStdString()); }

}  // namespace cardwise::app
