#pragma once

#include <string_view>

#include "platform/colour.h"
#include "platform/pixel_scale.h"
#include "platform/rect.h"

namespace discada {

// A pixel surface the board and the status panel paint on. Texts are placed in the window's
// client pixels; the board, whose lines must keep one width at any scale, places its pixels on
// the device itself.
class Surface {
public:
    virtual ~Surface() = default;

    // How many device pixels each window pixel of this surface covers.
    virtual PixelScale scale() const = 0;
    // Fills device pixels.
    virtual void fillPixels(const Rect& pixels, Colour colour) = 0;
    // Copies the device pixels `source` of the sprite sheet `sprites` onto the device pixels `to`,
    // skipping the pixels of colour `transparent`. Each pixel of `to` takes the sheet pixel under
    // its centre: a sheet made at this surface's scale is copied pixel for pixel.
    virtual void copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                                 Colour transparent) = 0;
    // Draws UTF-8 text black on white, left- and top-aligned in `area` (window pixels), broken
    // only at newlines and clipped to `area`.
    virtual void drawText(const Rect& area, std::string_view text) = 0;

    // Fills the device pixels nearest to `area`, given in window pixels.
    void fillRect(const Rect& area, Colour colour) { fillPixels(scale().pixels(area), colour); }
};

}  // namespace discada
