#include "web/web_surface.h"

#include <cassert>
#include <cmath>

namespace discada {

namespace {

int deviceSize(int size, double ratio) {
    return static_cast<int>(std::ceil(size * ratio));
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
    const DeviceRect out = toDevice({x, y, x + source.width(), y + source.height()});
    const int inWidth = in.x2 - in.x1;
    const int inHeight = in.y2 - in.y1;
    const int outWidth = out.x2 - out.x1;
    const int outHeight = out.y2 - out.y1;
    if (inWidth <= 0 || inHeight <= 0 || outWidth <= 0 || outHeight <= 0) return;
    const std::uint32_t skipped = pixelOf(transparent);
    // Each target pixel takes the sheet pixel under its centre: a plain copy when both have the
    // same ratio, so no edge is ever blurred.
    for (int dy = 0; dy < outHeight; ++dy) {
        const int sy = in.y1 + (2 * dy + 1) * inHeight / (2 * outHeight);
        for (int dx = 0; dx < outWidth; ++dx) {
            const int sx = in.x1 + (2 * dx + 1) * inWidth / (2 * outWidth);
            const int tx = out.x1 + dx;
            const int ty = out.y1 + dy;
            if (!sheet->contains(sx, sy) || !contains(tx, ty)) continue;
            const std::uint32_t pixel =
                sheet->pixels_[static_cast<std::size_t>(sy) * sheet->deviceWidth_ + sx];
            if (pixel != skipped) pixels_[static_cast<std::size_t>(ty) * deviceWidth_ + tx] = pixel;
        }
    }
}

void WebSurface::drawText(const Rect& area, std::string_view text) {
    fillRect(area, kRgbWhite);
    texts_.push_back({area, std::string(text)});
}

}  // namespace discada
