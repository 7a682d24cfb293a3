#include "board/disc_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace discada {

namespace {

// A disc's greys: its outline, its top face from the lit corner to the far side, and the edge
// that shows below the face.
struct DiscLook {
    double outline;
    double brightFace;
    double darkFace;
    double edge;
};

constexpr DiscLook kWhiteLook{128, 255, 245, 110};
constexpr DiscLook kBlackLook{0, 68, 58, 150};

// The shapes in tile pixels: the disc touches the tile's four sides; its top face sits a little
// higher than the rim, and light falls on it from the upper left.
constexpr double kCentre = kDiscTileSize / 2.0;
constexpr double kRadius = kDiscTileSize / 2.0;
constexpr double kOutlineWidth = 1;
constexpr double kFaceRadius = kRadius - 3;
constexpr double kFaceCentreY = kCentre - 2;
constexpr double kLightX = kCentre - kRadius / 2;
constexpr double kLightY = kFaceCentreY - kRadius / 2;
constexpr double kLightReach = 1.5 * kFaceRadius;

// The grey at the point (x, y) of the tile, or a negative number off the disc.
double greyAt(const DiscLook& look, double x, double y) {
    const double d = std::hypot(x - kCentre, y - kCentre);
    if (d > kRadius) return -1;
    if (d > kRadius - kOutlineWidth) return look.outline;
    if (std::hypot(x - kCentre, y - kFaceCentreY) > kFaceRadius) return look.edge;
    const double t = std::min(1.0, std::hypot(x - kLightX, y - kLightY) / kLightReach);
    // Halves round to even, as the sheets' drawing rounds them.
    return std::nearbyint(look.brightFace + (look.darkFace - look.brightFace) * t);
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

}  // namespace

DiscPixel discPixel(DiscColor colour, double x, double y, double size, std::int32_t samples) {
    const DiscLook& look = colour == kBlack ? kBlackLook : kWhiteLook;
    if (crossesNoEdge(x, y, size)) samples = 1;
    const double step = size / samples;
    double sum = 0;
    std::int32_t covered = 0;
    for (std::int32_t i = 0; i < samples; ++i) {
        for (std::int32_t j = 0; j < samples; ++j) {
            const double grey = greyAt(look, x + (j + 0.5) * step, y + (i + 0.5) * step);
            if (grey < 0) continue;
            sum += grey;
            ++covered;
        }
    }
    if (covered == 0) return {};
    return {static_cast<std::uint8_t>(std::nearbyint(sum / covered)),
            static_cast<std::uint8_t>(std::lround(255.0 * covered / (samples * samples)))};
}

}  // namespace discada
