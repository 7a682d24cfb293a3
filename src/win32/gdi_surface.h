#pragma once

#include <windows.h>

#include "board/disc_sheet.h"
#include "platform/surface.h"
#include "win32/display_scale.h"

namespace discada {

// A Surface on a memory device context that keeps its pixels between paints: the window's back
// buffer, or the disc sheet the board copies its tiles from. The surface owns the context and
// the bitmap selected into it. Texts are placed in logical pixels, the board in device pixels;
// `scale` says how many device pixels each logical one covers.
class GdiSurface final : public Surface {
public:
    // A back buffer of width × height logical pixels compatible with `screen`, filled with white.
    GdiSurface(HDC screen, int width, int height, DisplayScale scale);
    // A surface holding `bitmap`, which it takes over, drawn at `scale`.
    GdiSurface(HDC screen, HBITMAP bitmap, DisplayScale scale);
    // A surface holding the drawn disc sheet `sheet`, at `scale`.
    GdiSurface(HDC screen, const SheetPixels& sheet, DisplayScale scale);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC dc() const { return dc_; }

    PixelScale scale() const override { return scale_; }
    void fillPixels(const Rect& pixels, Colour colour) override;
    // The sheet is always made at this surface's scale: the system's stretching transparent copy
    // darkens pixels under wine.
    void copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                         Colour transparent) override;
    // Clears the area to white first, so nothing of a longer earlier text stays.
    void drawText(const Rect& area, std::string_view text) override;

private:
    HDC dc_;
    DisplayScale scale_;
    HBITMAP bitmap_;
    HGDIOBJ originalBitmap_;
    HFONT font_ = nullptr;
};

}  // namespace discada
