#include "web/web_surface.h"

#include <cassert>
#include <cmath>

namespace discada {

namespace {

int deviceSize(int size, double ratio) {
    return static_cast<int>(std::ceil(size * ratio));
}

// `over` laid on the opaque `under` with the coverage in its A byte.
std::uint32_t blend(std::uint32_t over, std::uint32_t under) {
    const std::uint32_t alpha = over >> 24;
    if (alpha == 0xFF) return over;
    std::uint32_t mixed = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t top = (over >> shift) & 0xFF;
        const std::uint32_t bottom = (under >> shift) & 0xFF;
        mixed |= ((top * alpha + bottom * (0xFF - alpha) + 0x7F) / 0xFF) << shift;
    }
    return mixed;
}

}  // namespace

WebSurface::WebSurface(int width, int height, double ratio)
    : WebSurface(deviceSize(width, ratio), deviceSize(height, ratio), ratio,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(deviceSize(width, ratio)) *
                                                static_cast<std::size_t>(deviceSize(height, ratio)),
                                            pixelOf(kRgbWhite))) {
}

WebSurface::WebSurface(int deviceWidth, int deviceHeight, double ratio,
                       std::vector<std::uint32_t> pixels)
    : deviceWidth_(deviceWidth),
      deviceHeight_(deviceHeight),
      ratio_(ratio),
      pixels_(std::move(pixels)) {
    assert(pixels_.size() == static_cast<std::size_t>(deviceWidth_) * deviceHeight_);
}

WebSurface::DeviceRect WebSurface::toDevice(const Rect& area) const {
    return {static_cast<int>(std::lround(area.x1 * ratio_)),
            static_cast<int>(std::lround(area.y1 * ratio_)),
            static_cast<int>(std::lround(area.x2 * ratio_)),
            static_cast<int>(std::lround(area.y2 * ratio_))};
}

void WebSurface::fillRect(const Rect& area, Colour colour) {
    const DeviceRect d = toDevice(area);
    for (int y = std::max(d.y1, 0); y < std::min(d.y2, deviceHeight_); ++y) {
        for (int x = std::max(d.x1, 0); x < std::min(d.x2, deviceWidth_); ++x)
            pixels_[static_cast<std::size_t>(y) * deviceWidth_ + x] = pixelOf(colour);
    }
}

void WebSurface::copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                                 Colour transparent) {
    const auto* sheet = dynamic_cast<const WebSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in a pixel surface");
    if (sheet == nullptr) return;
    const DeviceRect in = sheet->toDevice(source);
    assert(std::abs(in.x2 - in.x1 - source.width() * ratio_) < 1 && "a sheet for this ratio");
    const DeviceRect out = toDevice({x, y, x, y});
    const std::uint32_t skipped = pixelOf(transparent);
    for (int sy = in.y1; sy < in.y2; ++sy) {
        for (int sx = in.x1; sx < in.x2; ++sx) {
            const int tx = out.x1 + sx - in.x1;
            const int ty = out.y1 + sy - in.y1;
            if (!sheet->contains(sx, sy) || !contains(tx, ty)) continue;
            const std::uint32_t pixel =
                sheet->pixels_[static_cast<std::size_t>(sy) * sheet->deviceWidth_ + sx];
            if (pixel == skipped) continue;
            std::uint32_t& shown = pixels_[static_cast<std::size_t>(ty) * deviceWidth_ + tx];
            shown = blend(pixel, shown);
        }
    }
}

void WebSurface::drawText(const Rect& area, std::string_view text) {
    fillRect(area, kRgbWhite);
    texts_.push_back({area, std::string(text)});
}

}  // namespace discada
