#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace discada {

// A Surface over a block of RGBA pixels that the page copies onto its canvas: the back buffer or
// the disc sheet. Coordinates are window pixels; the block holds `ratio` device pixels per window
// pixel, so the board stays sharp on a high-density screen. Text is left to the page, which draws
// it over the pixels in a Japanese font when the surface is shown.
class WebSurface final : public Surface {
public:
    // The pixel the canvas shows for `colour`: bytes R, G, B, A in memory order.
    static constexpr std::uint32_t pixelOf(Colour colour) { return colour | 0xFF000000u; }

    // A blank surface of width × height window pixels filled with white.
    WebSurface(int width, int height, double ratio);
    // A surface over `pixels` (RGBA, rows from the top) of the given device size.
    WebSurface(int deviceWidth, int deviceHeight, double ratio, std::vector<std::uint32_t> pixels);

    struct Text {
        Rect area;
        std::string text;
    };

    PixelScale scale() const override { return PixelScale::ofRatio(ratio_); }
    void fillPixels(const Rect& pixels, Colour colour) override;
    void copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                         Colour transparent) override;
    // Clears the area to white and leaves the text for the page to draw there.
    void drawText(const Rect& area, std::string_view text) override;

    int deviceWidth() const { return deviceWidth_; }
    int deviceHeight() const { return deviceHeight_; }
    double ratio() const { return ratio_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    // The texts drawn since the last call, taken away.
    std::vector<Text> takeTexts() { return std::move(texts_); }

private:
    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < deviceWidth_ && y < deviceHeight_;
    }

    int deviceWidth_;
    int deviceHeight_;
    double ratio_;
    std::vector<std::uint32_t> pixels_;
    std::vector<Text> texts_;
};

}  // namespace discada
