#pragma once
// A palette colour as Qt draws it.

#include <QColor>

#include "core/Colour.h"

namespace varelo {

inline QColor ToQColor(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

}  // namespace varelo
