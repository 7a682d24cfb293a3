#pragma once

#include <QtGlobal>

#include "app/qt_surface.h"

namespace discada {

// The disc images the board copies its tiles from, at a screen's `ratio` device pixels per window
// pixel: the 1× sheet of 80 × 40 pixels or the 2× sheet of 160 × 80, made the same way, and at
// any other ratio a sheet drawn at that ratio with smooth edges, so that no disc is stretched.
QtSurface discSheet(qreal ratio);

}  // namespace discada
