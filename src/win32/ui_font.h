#pragma once

#include <windows.h>

#include "win32/display_scale.h"

namespace discada {

// The font of the status panel and the move list: the face of the system's message boxes, which
// Windows links to a font with Japanese glyphs on every code page (the stock system font has
// none outside Japan), at `scale`. `lineHeight` is in logical pixels; 0 keeps the system's size.
// The caller deletes it.
HFONT createUiFont(LONG lineHeight, const DisplayScale& scale);

}  // namespace discada
