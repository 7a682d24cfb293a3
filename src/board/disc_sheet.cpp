#include "board/disc_sheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "board/dsc_board.h"

namespace discada {

namespace {

// Per side of a device pixel: 64 samples give each edge pixel one of 65 shades.
constexpr int kSamples = 8;

// The same discs as the sheets compiled into the programs (resources/make_disc_sheet.py): an
// outline, a top face lit from the upper left, and below it the disc's edge.
struct DiscLook {
    double outline;
    double faceBright;
    double faceDark;
    double edge;
};
constexpr DiscLook kWhiteDisc{128, 255, 245, 110};
constexpr DiscLook kBlackDisc{0, 68, 58, 150};

// The grey level of the disc at (x, y) window pixels from its tile's corner; nothing outside it.
std::optional<double> discLevel(const DiscLook& disc, double x, double y) {
    constexpr double kCentre = kDiscTile / 2.0;
    constexpr double kRadius = kDiscTile / 2.0;
    const double fromCentre = std::hypot(x - kCentre, y - kCentre);
    if (fromCentre > kRadius) return std::nullopt;
    if (fromCentre > kRadius - 1) return disc.outline;
    // The top face sits a little higher than the rim: what lies below it is the disc's edge.
    constexpr double kFaceRadius = kRadius - 3;
    constexpr double kFaceCentreY = kCentre - 2;
    if (std::hypot(x - kCentre, y - kFaceCentreY) > kFaceRadius) return disc.edge;
    constexpr double kLightX = kCentre - 0.5 * kRadius;
    constexpr double kLightY = kFaceCentreY - 0.5 * kRadius;
    const double t = std::min(1.0, std::hypot(x - kLightX, y - kLightY) / (1.5 * kFaceRadius));
    return disc.faceBright + (disc.faceDark - disc.faceBright) * t;
}

// Device pixel (column, row) of a tile `size` device pixels square.
Colour tilePixel(const DiscLook& disc, int column, int row, int size) {
    const double step = static_cast<double>(kDiscTile) / (size * kSamples);
    double levels = 0;
    int inside = 0;
    for (int i = 0; i < kSamples; ++i) {
        for (int j = 0; j < kSamples; ++j) {
            const auto level = discLevel(disc, ((column * kSamples) + j + 0.5) * step,
                                         ((row * kSamples) + i + 0.5) * step);
            if (!level) continue;
            levels += *level;
            ++inside;
        }
    }
    if (inside == 0) return kSpriteTransparent;
    const int outside = kSamples * kSamples - inside;
    const auto mix = [&](std::uint8_t background) {
        return static_cast<std::uint8_t>(
            std::lround((levels + outside * background) / (kSamples * kSamples)));
    };
    return rgb(mix(redOf(kBoardBackground)), mix(greenOf(kBoardBackground)),
               mix(blueOf(kBoardBackground)));
}

}  // namespace

SheetPixels drawDiscSheet(PixelScale scale) {
    const int size = scale.width(kDiscTile);
    const int blackX = scale.pixels(kBlackTileX);
    SheetPixels sheet{blackX + size, size, {}};
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * sheet.height, kSpriteTransparent);
    for (const auto& [tileX, disc] :
         {std::pair{scale.pixels(kWhiteTileX), kWhiteDisc}, std::pair{blackX, kBlackDisc}}) {
        for (int row = 0; row < size; ++row) {
            for (int column = 0; column < size; ++column) {
                sheet.pixels[static_cast<std::size_t>(row) * sheet.width + tileX + column] =
                    tilePixel(disc, column, row, size);
            }
        }
    }
    return sheet;
}

}  // namespace discada
