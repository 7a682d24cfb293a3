#pragma once

#include <optional>
#include <string_view>

#include "web/web_surface.h"

namespace discada {

// Decodes a 24-bit uncompressed BMP, rows bottom-up or top-down, into a surface of `ratio` device
// pixels per window pixel; nothing when the bytes are no such picture.
std::optional<WebSurface> decodeBmp(std::string_view bytes, double ratio);

// The disc images the board copies its tiles from, for a screen of `ratio` device pixels per
// window pixel: at 1 and 2 the desktop's sheets of 80 x 40 and 160 x 80 pixels, at any other
// ratio the sheet the desktop programs draw for it (drawDiscSheet), so no edge is ever stretched.
WebSurface discSheet(double ratio);

}  // namespace discada
