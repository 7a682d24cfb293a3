#include "win32/gdi_surface.h"

#include <cassert>

#include "win32/ui_font.h"
#include "win32/wide_text.h"

namespace discada {

namespace {

// The status panel's lines are as tall as those of the system font, in logical pixels.
constexpr LONG kPanelLineHeight = 16;

RECT toRect(const Rect& area) {
    return {area.x1, area.y1, area.x2, area.y2};
}

}  // namespace

GdiSurface::GdiSurface(HDC screen, int width, int height, DisplayScale scale)
    : GdiSurface(screen,
                 ::CreateCompatibleBitmap(screen, scale.pixels(width), scale.pixels(height)),
                 scale) {
    fillRect({0, 0, width, height}, kRgbWhite);
    font_ = createUiFont(kPanelLineHeight, scale);
    // A disc tile shrunk or grown keeps the sheet's nearest pixels: no blend with the red
    // around the disc, which must stay pure to be skipped.
    ::SetStretchBltMode(dc_, COLORONCOLOR);
}

GdiSurface::GdiSurface(HDC screen, HBITMAP bitmap, DisplayScale scale)
    : dc_(::CreateCompatibleDC(screen)),
      scale_(scale),
      bitmap_(bitmap),
      originalBitmap_(::SelectObject(dc_, bitmap_)) {
}

GdiSurface::~GdiSurface() {
    ::SelectObject(dc_, originalBitmap_);
    ::DeleteDC(dc_);
    ::DeleteObject(bitmap_);
    if (font_ != nullptr) ::DeleteObject(font_);
}

void GdiSurface::fillRect(const Rect& area, Colour colour) {
    const RECT rect = toRect(scale_.pixels(area));
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc_, &rect, brush);
    ::DeleteObject(brush);
}

void GdiSurface::copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                                 Colour transparent) {
    const auto* sheet = dynamic_cast<const GdiSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in a GDI surface");
    if (sheet == nullptr) return;
    const Rect from = sheet->scale_.pixels(source);
    const Rect to = scale_.pixels({x, y, x + source.width(), y + source.height()});
    ::TransparentBlt(dc_, to.x1, to.y1, to.width(), to.height(), sheet->dc_, from.x1, from.y1,
                     from.width(), from.height(), transparent);
}

void GdiSurface::drawText(const Rect& area, std::string_view text) {
    fillRect(area, kRgbWhite);
    RECT rect = toRect(scale_.pixels(area));
    const HGDIOBJ originalFont = font_ != nullptr ? ::SelectObject(dc_, font_) : nullptr;
    ::SetTextColor(dc_, kRgbBlack);
    ::SetBkColor(dc_, kRgbWhite);
    const std::wstring wide = widen(text);
    ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect, 0);
    if (originalFont != nullptr) ::SelectObject(dc_, originalFont);
}

}  // namespace discada
