#pragma once
#include <QFont>
#include <QStringList>

namespace platform {

// The launcher's text font: 微软雅黑 where it exists, else a CJK font of the system so
// Chinese captions render on Linux too.
QStringList uiFontFamilies();
QFont uiFont(double pointSize, bool bold = false);

// A Latin font by name with the same CJK fallbacks behind it.
QFont latinFont(const QString& family, double pointSize, bool bold = false);

}  // namespace platform
