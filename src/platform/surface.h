#pragma once

#include <string_view>

#include "platform/colour.h"
#include "platform/rect.h"

namespace discada {

// A pixel surface the board and the status panel paint on. Coordinates are the window's client
// pixels; an implementation may draw at a higher device resolution.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void fillRect(const Rect& area, Colour colour) = 0;
    // Copies `source` of the sprite sheet `sprites` to (x, y), skipping the pixels of colour
    // `transparent`.
    virtual void copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                                 Colour transparent) = 0;
    // Draws UTF-8 text black on white, left- and top-aligned in `area`, broken only at
    // newlines and clipped to `area`.
    virtual void drawText(const Rect& area, std::string_view text) = 0;
};

}  // namespace discada
