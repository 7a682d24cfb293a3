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
}

GdiSurface::GdiSurface(HDC screen, HBITMAP bitmap, DisplayScale scale)
    : dc_(::CreateCompatibleDC(screen)),
      scale_(scale),
      bitmap_(bitmap),
      originalBitmap_(::SelectObject(dc_, bitmap_)) {
    // A picture redrawn at another scale keeps the nearest pixels: none merged into darker
    // ones, none blended with the red around the discs, which must stay pure to be skipped.
    ::SetStretchBltMode(dc_, COLORONCOLOR);
}

GdiSurface::GdiSurface(HDC screen, const GdiSurface& source, DisplayScale scale)
    : GdiSurface(screen,
                 ::CreateCompatibleBitmap(screen, scale.pixels(source.logicalSize().cx),
                                          scale.pixels(source.logicalSize().cy)),
                 scale) {
    const SIZE from = source.deviceSize();
    const SIZE to = deviceSize();
    ::StretchBlt(dc_, 0, 0, to.cx, to.cy, source.dc_, 0, 0, from.cx, from.cy, SRCCOPY);
}

GdiSurface::~GdiSurface() {
    ::SelectObject(dc_, originalBitmap_);
    ::DeleteDC(dc_);
    ::DeleteObject(bitmap_);
    if (font_ != nullptr) ::DeleteObject(font_);
}

SIZE GdiSurface::deviceSize() const {
    BITMAP bitmap{};
    ::GetObjectW(bitmap_, sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

SIZE GdiSurface::logicalSize() const {
    const SIZE device = deviceSize();
    return {scale_.logical(device.cx), scale_.logical(device.cy)};
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
