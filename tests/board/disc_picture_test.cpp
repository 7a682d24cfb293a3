#include "board/disc_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

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

TEST(DiscPicture, OneSampleAPixelDrawsTheDesktopSheetsPixelForPixel) {
    for (const std::int32_t scale : {1, 2}) {
        const Bitmap sheet = readBitmap(scale == 1 ? "disc_sheet.bmp" : "disc_sheet@2x.bmp");
        ASSERT_EQ(sheet.width(), kDiscSheetWidth * scale);
        ASSERT_EQ(sheet.height(), kDiscTileSize * scale);
        const std::int32_t tile = kDiscTileSize * scale;
        for (std::int32_t y = 0; y < sheet.height(); ++y) {
            for (std::int32_t x = 0; x < sheet.width(); ++x) {
                const DiscColor colour = x / tile == kWhiteTileX / kDiscTileSize ? kWhite : kBlack;
                const DiscPixel drawn = discPixel(colour, static_cast<double>(x % tile) / scale,
                                                  static_cast<double>(y) / scale, 1.0 / scale, 1);
                const Colour shown = sheet.pixel(x, y);
                const DiscPixel expected =
                    shown == kSpriteTransparent ? DiscPixel{} : DiscPixel{redOf(shown), 255};
                ASSERT_EQ(drawn, expected)
                    << "scale " << scale << ", pixel (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(DiscPicture, SampledPixelsShadeTheRimAndKeepTheFaceGreys) {
    // At 1.25 device pixels a tile pixel, 50 pixels a tile: the disc's rim crosses pixel (4, 10),
    // the centre is wholly on the disc, the corner not at all.
    constexpr double kSize = 1 / 1.25;
    const DiscPixel rim = discPixel(kBlack, 4 * kSize, 10 * kSize, kSize, 4);
    EXPECT_GT(rim.coverage, 0);
    EXPECT_LT(rim.coverage, 255);
    EXPECT_EQ(rim.level, 0);
    EXPECT_EQ(discPixel(kWhite, 0, 0, kSize, 4).coverage, 0);
    const DiscPixel white = discPixel(kWhite, 12 * kSize, 12 * kSize, kSize, 4);
    EXPECT_EQ(white.coverage, 255);
    EXPECT_GE(white.level, 245);
    const DiscPixel black = discPixel(kBlack, 25 * kSize, 25 * kSize, kSize, 4);
    EXPECT_EQ(black.coverage, 255);
    EXPECT_GE(black.level, 58);
    EXPECT_LE(black.level, 68);
}

}  // namespace
}  // namespace discada
