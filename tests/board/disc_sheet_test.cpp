#include "board/disc_sheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "board/dsc_board.h"

namespace discada {
namespace {

// The pixel (x, y) of a 24-bit bitmap stored bottom-up, as the desktop's disc sheets are.
struct Bitmap {
    std::string bytes;
    std::int32_t width() const { return word(18); }
    std::int32_t height() const { return word(22); }
    Colour pixel(std::int32_t x, std::int32_t y) const {
        const std::int32_t stride = (width() * 3 + 3) / 4 * 4;
        const auto at = static_cast<std::size_t>(word(10) + (height() - 1 - y) * stride + 3 * x);
        return rgb(byte(at + 2), byte(at + 1), byte(at));
    }
    std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes.at(at)); }
    std::int32_t word(std::size_t at) const {
        return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24;
    }
};

Bitmap readBitmap(const std::string& name) {
    std::ifstream in(std::string(DISCADA_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return {{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
}

Colour at(const SheetPixels& sheet, int x, int y) {
    return sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x];
}

bool isGrey(Colour c) {
    return redOf(c) == greenOf(c) && greenOf(c) == blueOf(c);
}

// Whether an edge of the disc's shapes passes by pixel (x, y) of the compiled sheet: a neighbour
// of another kind (red beside grey) or of a grey more than the face's shading apart.
bool nearAnEdge(const Bitmap& sheet, int x, int y) {
    const Colour here = sheet.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            // Beyond the sheet lies no disc.
            const bool inside = nx >= 0 && ny >= 0 && nx < sheet.width() && ny < sheet.height();
            const Colour near = inside ? sheet.pixel(nx, ny) : kSpriteTransparent;
            if ((near == kSpriteTransparent) != (here == kSpriteTransparent)) return true;
            if (std::abs(redOf(near) - redOf(here)) > 2) return true;
        }
    }
    return false;
}

// Drawn at one and two device pixels a window pixel, every pixel away from the edges of the
// disc's shapes is the compiled sheet's own: the two descriptions of the discs agree exactly.
TEST(DiscSheet, DrawnAtTheCompiledScalesMatchesTheSheetsPixelForPixelAwayFromTheEdges) {
    for (const std::int32_t scale : {1, 2}) {
        const Bitmap sheet = readBitmap(scale == 1 ? "disc_sheet.bmp" : "disc_sheet@2x.bmp");
        const SheetPixels drawn = drawDiscSheet(PixelScale(scale, 1));
        ASSERT_EQ(sheet.width(), drawn.width);
        ASSERT_EQ(sheet.height(), drawn.height);
        for (std::int32_t y = 0; y < drawn.height; ++y) {
            for (std::int32_t x = 0; x < drawn.width; ++x) {
                if (nearAnEdge(sheet, x, y)) continue;
                ASSERT_EQ(at(drawn, x, y), sheet.pixel(x, y))
                    << "scale " << scale << ", pixel (" << x << ", " << y << ")";
            }
        }
    }
}

// At 1.25 device pixels a window pixel, 50 pixels a tile: the rim crosses pixel (4, 10) of the
// black disc's tile, which mixes the disc's outline with the board's background; the centres
// keep the face greys and the corners stay red.
TEST(DiscSheet, AtAFractionalScaleTheRimIsMixedWithTheBoardAndTheFacesKeepTheirGreys) {
    const SheetPixels drawn = drawDiscSheet(PixelScale::ofRatio(1.25));
    ASSERT_EQ(drawn.width, 100);
    ASSERT_EQ(drawn.height, 50);
    const Colour rim = at(drawn, 50 + 4, 10);
    EXPECT_GT(redOf(rim), 0);
    EXPECT_LT(redOf(rim), redOf(kBoardBackground));
    EXPECT_GT(blueOf(rim), greenOf(rim)) << "violet, not grey";
    EXPECT_EQ(at(drawn, 0, 0), kSpriteTransparent);
    EXPECT_EQ(at(drawn, 99, 49), kSpriteTransparent);
    const Colour white = at(drawn, 12, 12);
    EXPECT_TRUE(isGrey(white));
    EXPECT_GE(redOf(white), 245);
    const Colour black = at(drawn, 75, 25);
    EXPECT_TRUE(isGrey(black));
    EXPECT_GE(redOf(black), 58);
    EXPECT_LE(redOf(black), 68);
}

}  // namespace
}  // namespace discada
