#pragma once

#include <cmath>

#include "platform/rect.h"

namespace discada {

// How many device pixels one window pixel covers, held as an exact fraction so that every front
// end rounds the same way: Windows gives dpi / 96, Qt and the page a ratio, taken in 960ths.
// Coordinates and lengths are non-negative.
class PixelScale {
public:
    constexpr PixelScale() = default;
    constexpr PixelScale(int devicePixels, int windowPixels)
        : device_(devicePixels), window_(windowPixels) {}
    static PixelScale ofRatio(double ratio) {
        return PixelScale(static_cast<int>(std::lround(ratio * kRatioSteps)), kRatioSteps);
    }

    // The device pixel edge nearest to window coordinate `x`, halves rounded up: at a whole
    // scale every edge is exact, at another each edge rounds alone.
    constexpr int pixels(int x) const { return (2 * x * device_ + window_) / (2 * window_); }
    constexpr Rect pixels(const Rect& area) const {
        return {pixels(area.x1), pixels(area.y1), pixels(area.x2), pixels(area.y2)};
    }
    // The device width of a band that must look the same wherever it lies (a line, the frame, a
    // disc): scaled and rounded down, and at least one pixel when it has any width.
    constexpr int width(int length) const {
        const int scaled = length * device_ / window_;
        return length > 0 && scaled == 0 ? 1 : scaled;
    }
    // The window pixel that holds device pixel `device`.
    constexpr int logical(int device) const { return device * window_ / device_; }
    constexpr double ratio() const { return static_cast<double>(device_) / window_; }

    constexpr bool operator==(const PixelScale& other) const {
        return device_ * other.window_ == other.device_ * window_;
    }

private:
    static constexpr int kRatioSteps = 960;

    int device_ = 1;
    int window_ = 1;
};

}  // namespace discada
