#include "app/qt_text.h"

#include "platform/codepage.h"

namespace cardwise::app {

QString toQString(std::string_view windows1252) {
  return QString::fromStdString(Windows1252ToUtf8(windows1252));
}

std::string fromQString(const QString& text) {
  return Utf8ToWindows1252(text.toStdString());
}

QColor toQColor(ColorValue value) {
  return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

ColorValue fromQColor(const QColor& color) {
  return static_cast<ColorValue>(color.red()) | static_cast<ColorValue>(color.green()) << 8 |
         static_cast<ColorValue>(color.blue()) << 16;
}

}  // namespace cardwise::app
