#pragma once
// The edge between the core's texts and colour values and Qt's QString and QColor.

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

#include "settings/colors.h"

namespace cardwise::app {

QString toQString(std::string_view windows1252);
// A character outside Windows-1252 becomes "?".
std::string fromQString(const QString& text);

// The core's colour values are 0x00BBGGRR.
QColor toQColor(ColorValue value);
ColorValue fromQColor(const QColor& color);

}  // namespace cardwise::app
