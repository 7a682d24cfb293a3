#pragma once

#include <windows.h>

#include "platform/pixel_scale.h"

namespace discada {

// The window's layout is written in logical pixels, 96 to the inch; on a screen scaled to `dpi`
// each one covers dpi / 96 device pixels. Each edge is rounded alone, so areas that meet at 96
// dpi still meet, and at 96 dpi every number stays as it is.
class DisplayScale : public PixelScale {
public:
    static constexpr int kLogicalDpi = 96;

    explicit DisplayScale(int dpi = kLogicalDpi) : PixelScale(dpi, kLogicalDpi), dpi_(dpi) {}

    int dpi() const { return dpi_; }

private:
    int dpi_;
};

// The scale of the screen that `window` shows on: its monitor's on Windows 10 (1607) and later,
// where the program follows each monitor's scaling; the system's on older Windows.
DisplayScale windowScale(HWND window);
// The system's scale, in which a window opens on the primary screen.
DisplayScale systemScale();

}  // namespace discada
