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

void WebSurface::fillPixels(const Rect& pixels, Colour colour) {
    for (int y = std::max(pixels.y1, 0); y < std::min(pixels.y2, deviceHeight_); ++y) {
        for (int x = std::max(pixels.x1, 0); x < std::min(pixels.x2, deviceWidth_); ++x)
            pixels_[static_cast<std::size_t>(y) * deviceWidth_ + x] = pixelOf(colour);
    }
}

void WebSurface::copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                                 Colour transparent) {
    const auto* sheet = dynamic_cast<const WebSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in a pixel surface");
    if (sheet == nullptr || source.width() <= 0 || source.height() <= 0) return;
    const std::uint32_t skipped = pixelOf(transparent);
    for (int dy = 0; dy < to.height(); ++dy) {
        const int sy = source.y1 + (2 * dy + 1) * source.height() / (2 * to.height());
        for (int dx = 0; dx < to.width(); ++dx) {
            const int sx = source.x1 + (2 * dx + 1) * source.width() / (2 * to.width());
            const int tx = to.x1 + dx;
            const int ty = to.y1 + dy;
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
