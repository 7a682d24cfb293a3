#pragma once

#include <windows.h>

#include "platform/surface.h"
#include "win32/display_scale.h"

namespace discada {

// A Surface on a memory device context that keeps its pixels between paints: the window's back
// buffer, or the disc sheet the board copies its tiles from. The surface owns the context and
// the bitmap selected into it. Its coordinates are logical pixels; `scale` says how many device
// pixels each one covers.
class GdiSurface final : public Surface {
public:
    // A back buffer of width × height logical pixels compatible with `screen`, filled with white.
    GdiSurface(HDC screen, int width, int height, DisplayScale scale);
    // A surface holding `bitmap`, which it takes over, drawn at `scale`.
    GdiSurface(HDC screen, HBITMAP bitmap, DisplayScale scale);
    // A copy of `source` at `scale`, each pixel taken from the nearest one of `source`: the disc
    // sheet at the window's scale, whose tiles are then copied without stretching (the system's
    // stretching transparent copy darkens pixels under wine).
    GdiSurface(HDC screen, const GdiSurface& source, DisplayScale scale);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC dc() const { return dc_; }
    const DisplayScale& scale() const { return scale_; }

    void fillRect(const Rect& area, Colour colour) override;
    void copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                         Colour transparent) override;
    // Clears the area to white first, so nothing of a longer earlier text stays.
    void drawText(const Rect& area, std::string_view text) override;

private:
    SIZE deviceSize() const;
    SIZE logicalSize() const;

    HDC dc_;
    DisplayScale scale_;
    HBITMAP bitmap_;
    HGDIOBJ originalBitmap_;
    HFONT font_ = nullptr;
};

}  // namespace discada
