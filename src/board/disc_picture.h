#pragma once

#include <cstdint>

#include "board/cell.h"
#include "platform/colour.h"

namespace discada {

// The disc sheet the board copies its tiles from: the white disc's tile on the left, the black
// disc's on the right, each disc filling its square tile, pure red around both discs.
constexpr std::int32_t kDiscTileSize = 40;
constexpr std::int32_t kWhiteTileX = 0;
constexpr std::int32_t kBlackTileX = kDiscTileSize;
constexpr std::int32_t kDiscSheetWidth = 2 * kDiscTileSize;
constexpr Colour kSpriteTransparent = rgb(255, 0, 0);

// One pixel of a disc image: the disc's grey level there, and how much of the pixel the disc
// covers, from 0 (none: the pixel shows what lies below) to 255 (all of it).
struct DiscPixel {
    std::uint8_t level = 0;
    std::uint8_t coverage = 0;
    bool operator==(const DiscPixel&) const = default;
};

// The disc of `colour` (black or white) over the square [x, x + size) x [y, y + size) of its
// tile, in tile pixels from the tile's corner, averaged over samples x samples points of the
// square: one sample takes its centre, as the sheets of the desktop programs are drawn
// (src/app/resources/make_disc_sheet.py), so a screen of any density gets the same discs.
DiscPixel discPixel(DiscColor colour, double x, double y, double size, std::int32_t samples);

}  // namespace discada
