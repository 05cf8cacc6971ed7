#pragma once

#include <QColor>

#include "framework/ui/Color.h"

// The toolkit's colour for a packed Color, alpha included (Color's alpha 0
// is opaque, QColor's 255). For the framework's sources only.
inline QColor ToQColor(Color color) {
    return QColor(static_cast<int>(color.Red()), static_cast<int>(color.Green()),
                  static_cast<int>(color.Blue()), 255 - static_cast<int>(color.Alpha()));
}
