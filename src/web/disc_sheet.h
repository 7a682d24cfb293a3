#pragma once

#include <optional>
#include <string_view>

#include "web/web_surface.h"

namespace discada {

// Decodes a 24-bit uncompressed BMP, rows bottom-up or top-down, into a surface of `ratio` device
// pixels per window pixel; nothing when the bytes are no such picture.
std::optional<WebSurface> decodeBmp(std::string_view bytes, double ratio);

// The disc images the board copies its tiles from, for a screen of `ratio` device pixels per
// window pixel: the 1× sheet of 80 × 40 pixels, or from a ratio of 1.5 up the 2× sheet of
// 160 × 80, made the same way, so the discs' edges stay sharp. Both are the desktop's sheets.
WebSurface discSheet(double ratio);

}  // namespace discada
