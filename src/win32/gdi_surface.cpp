#include "win32/gdi_surface.h"

#include <cassert>

#include "win32/ui_font.h"
#include "win32/wide_text.h"

namespace discada {

namespace {

// The status panel's lines are as tall as those of the system font.
constexpr LONG kPanelLineHeight = 16;

RECT toRect(const Rect& area) {
    return {area.x1, area.y1, area.x2, area.y2};
}

}  // namespace

GdiSurface::GdiSurface(HDC screen, int width, int height)
    : GdiSurface(screen, ::CreateCompatibleBitmap(screen, width, height)) {
    fillRect({0, 0, width, height}, kRgbWhite);
    font_ = createUiFont(kPanelLineHeight);
}

GdiSurface::GdiSurface(HDC screen, HBITMAP bitmap)
    : dc_(::CreateCompatibleDC(screen)),
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
    const RECT rect = toRect(area);
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc_, &rect, brush);
    ::DeleteObject(brush);
}

void GdiSurface::copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                                 Colour transparent) {
    const auto* sheet = dynamic_cast<const GdiSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in a GDI surface");
    if (sheet == nullptr) return;
    ::TransparentBlt(dc_, x, y, source.width(), source.height(), sheet->dc_, source.x1, source.y1,
                     source.width(), source.height(), transparent);
}

void GdiSurface::drawText(const Rect& area, std::string_view text) {
    fillRect(area, kRgbWhite);
    RECT rect = toRect(area);
    const HGDIOBJ originalFont = font_ != nullptr ? ::SelectObject(dc_, font_) : nullptr;
    ::SetTextColor(dc_, kRgbBlack);
    ::SetBkColor(dc_, kRgbWhite);
    const std::wstring wide = widen(text);
    ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect, 0);
    if (originalFont != nullptr) ::SelectObject(dc_, originalFont);
}

}  // namespace discada
