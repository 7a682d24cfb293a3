#pragma once

#include <QRect>

#include "platform/rect.h"

namespace discada {

// The game's half-open rectangle as Qt's, which counts its width and height.
inline QRect toQRect(const Rect& area) {
    return QRect(area.x1, area.y1, area.width(), area.height());
}

}  // namespace discada
