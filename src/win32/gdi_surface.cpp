#include "win32/gdi_surface.h"

#include <cassert>
#include <cstdint>

#include "win32/ui_font.h"
#include "win32/wide_text.h"

namespace discada {

namespace {

// The status panel's lines are as tall as those of the system font, in logical pixels.
constexpr LONG kPanelLineHeight = 16;

RECT toRect(const Rect& area) {
    return {area.x1, area.y1, area.x2, area.y2};
}

// A top-down 32-bit bitmap of the sheet's pixels, which hold red in the low byte where the
// bitmap holds blue.
HBITMAP sheetBitmap(HDC screen, const SheetPixels& sheet) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = sheet.width;
    info.bmiHeader.biHeight = -sheet.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* pixel = static_cast<std::uint32_t*>(bits);
    for (const Colour colour : sheet.pixels)
        *pixel++ = (std::uint32_t{redOf(colour)} << 16) | (greenOf(colour) << 8) | blueOf(colour);
    return bitmap;
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
}

GdiSurface::GdiSurface(HDC screen, const SheetPixels& sheet, DisplayScale scale)
    : GdiSurface(screen, sheetBitmap(screen, sheet), scale) {
}

GdiSurface::~GdiSurface() {
    ::SelectObject(dc_, originalBitmap_);
    ::DeleteDC(dc_);
    ::DeleteObject(bitmap_);
    if (font_ != nullptr) ::DeleteObject(font_);
}

void GdiSurface::fillPixels(const Rect& pixels, Colour colour) {
    const RECT rect = toRect(pixels);
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc_, &rect, brush);
    ::DeleteObject(brush);
}

void GdiSurface::copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                                 Colour transparent) {
    const auto* sheet = dynamic_cast<const GdiSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in a GDI surface");
    if (sheet == nullptr) return;
    ::TransparentBlt(dc_, to.x1, to.y1, to.width(), to.height(), sheet->dc_, source.x1, source.y1,
                     source.width(), source.height(), transparent);
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
