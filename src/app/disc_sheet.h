#pragma once

#include <QtGlobal>

#include "app/qt_surface.h"

namespace discada {

// The disc images the board copies its tiles from, drawn for a screen with `ratio` device pixels
// per window pixel: the 1× sheet of 80 × 40 pixels, or on a high-density screen the 2× sheet of
// 160 × 80, made the same way, so the discs' edges stay sharp.
QtSurface discSheet(qreal ratio);

}  // namespace discada
