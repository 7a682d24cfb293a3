#pragma once

#include <windows.h>

#include "platform/rect.h"

namespace discada {

// The window's layout is written in logical pixels, 96 to the inch; on a screen scaled to `dpi`
// each one covers dpi / 96 device pixels. Each edge is rounded alone, so areas that meet at 96
// dpi still meet, and at 96 dpi every number stays as it is.
class DisplayScale {
public:
    static constexpr int kLogicalDpi = 96;

    explicit DisplayScale(int dpi = kLogicalDpi) : dpi_(dpi) {}

    int dpi() const { return dpi_; }
    // The device pixels of a non-negative logical length or coordinate, rounded to the nearest.
    int pixels(int logical) const { return (2 * logical * dpi_ + kLogicalDpi) / (2 * kLogicalDpi); }
    Rect pixels(const Rect& area) const {
        return {pixels(area.x1), pixels(area.y1), pixels(area.x2), pixels(area.y2)};
    }
    // The logical pixel that holds device pixel `device`.
    int logical(int device) const { return device * kLogicalDpi / dpi_; }
    // Above 96 dpi the board is drawn from the disc sheet of twice the resolution, shrunk where
    // the scale is less than two: finer than the plain sheet blown up.
    bool wantsFineSheet() const { return dpi_ > kLogicalDpi; }

    bool operator==(const DisplayScale&) const = default;

private:
    int dpi_;
};

// The scale of the screen that `window` shows on: its monitor's on Windows 10 (1607) and later,
// where the program follows each monitor's scaling; the system's on older Windows.
DisplayScale windowScale(HWND window);
// The system's scale, in which a window opens on the primary screen.
DisplayScale systemScale();

}  // namespace discada
