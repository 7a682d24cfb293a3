#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"
#include "platform/pixel_scale.h"

namespace discada {

// The disc sheet in window pixels: two tiles of one cell side by side, the white disc's on the
// left and the black disc's on the right, each disc touching its tile's edges, pure red around
// both. Red is never copied onto the board.
constexpr std::int32_t kDiscTile = 40;
constexpr std::int32_t kWhiteTileX = 0;
constexpr std::int32_t kBlackTileX = kDiscTile;
constexpr Colour kSpriteTransparent = rgb(255, 0, 0);

// A sheet's device pixels, rows from the top.
struct SheetPixels {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
};

// The disc sheet drawn at a scale that has no sheet of its own: each tile scale.width(kDiscTile)
// device pixels square, beginning at scale.pixels of its window x. Each pixel is the mean of a
// grid of samples, so the discs' edges are smooth; where a disc covers a pixel only in part, the
// rest is the board's background, on which every disc lies. A pixel no disc reaches is pure red.
SheetPixels drawDiscSheet(PixelScale scale);

}  // namespace discada
