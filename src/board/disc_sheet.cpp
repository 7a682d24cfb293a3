#include "board/disc_sheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "board/dsc_board.h"

namespace discada {

namespace {

// Per side of a device pixel that an edge crosses: 64 samples give each edge pixel one of 65
// shades. A pixel no edge crosses takes the one sample at its centre, as the compiled sheets do.
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

// The shapes in window pixels from the tile's corner: the disc touches the tile's four sides; its
// top face sits a little higher than the rim, and light falls on it from the upper left.
constexpr double kCentre = kDiscTile / 2.0;
constexpr double kRadius = kDiscTile / 2.0;
constexpr double kOutlineWidth = 1;
constexpr double kFaceRadius = kRadius - 3;
constexpr double kFaceCentreY = kCentre - 2;
constexpr double kLightX = kCentre - kRadius / 2;
constexpr double kLightY = kFaceCentreY - kRadius / 2;
constexpr double kLightReach = 1.5 * kFaceRadius;

// The grey level of the disc at (x, y); nothing outside it.
std::optional<double> discLevel(const DiscLook& disc, double x, double y) {
    const double fromCentre = std::hypot(x - kCentre, y - kCentre);
    if (fromCentre > kRadius) return std::nullopt;
    if (fromCentre > kRadius - kOutlineWidth) return disc.outline;
    if (std::hypot(x - kCentre, y - kFaceCentreY) > kFaceRadius) return disc.edge;
    const double t = std::min(1.0, std::hypot(x - kLightX, y - kLightY) / kLightReach);
    return disc.faceBright + (disc.faceDark - disc.faceBright) * t;
}

// Whether the square [x, x + size) x [y, y + size) lies wholly on one side of each of the
// disc's circles, so that its centre stands for all of it.
bool crossesNoEdge(double x, double y, double size) {
    const double centreX = x + size / 2;
    const double centreY = y + size / 2;
    const double reach = size / std::numbers::sqrt2;
    const double disc = std::hypot(centreX - kCentre, centreY - kCentre);
    const double face = std::hypot(centreX - kCentre, centreY - kFaceCentreY);
    return std::abs(disc - kRadius) > reach && std::abs(disc - (kRadius - kOutlineWidth)) > reach &&
           std::abs(face - kFaceRadius) > reach;
}

// Device pixel (column, row) of a tile `size` device pixels square. Where the disc covers the
// pixel only in part, the rest is the board's background, on which every disc lies.
Colour tilePixel(const DiscLook& disc, int column, int row, int size) {
    const double pixel = static_cast<double>(kDiscTile) / size;
    const int samples = crossesNoEdge(column * pixel, row * pixel, pixel) ? 1 : kSamples;
    const double step = pixel / samples;
    double levels = 0;
    int inside = 0;
    for (int i = 0; i < samples; ++i) {
        for (int j = 0; j < samples; ++j) {
            const auto level = discLevel(disc, (column * samples + j + 0.5) * step,
                                         (row * samples + i + 0.5) * step);
            if (!level) continue;
            levels += *level;
            ++inside;
        }
    }
    if (inside == 0) return kSpriteTransparent;
    const int all = samples * samples;
    const auto mix = [&](std::uint8_t background) {
        return static_cast<std::uint8_t>(std::lround((levels + (all - inside) * background) / all));
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
