#pragma once

namespace discada {

// A half-open pixel rectangle: [x1, x2) x [y1, y2).
struct Rect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    constexpr int width() const { return x2 - x1; }
    constexpr int height() const { return y2 - y1; }
    bool operator==(const Rect&) const = default;
};

}  // namespace discada
