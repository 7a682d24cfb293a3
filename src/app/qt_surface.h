#pragma once

#include <QFont>
#include <QImage>

#include "platform/surface.h"

namespace discada {

// A Surface over an image that keeps its pixels between paints: the window's back buffer, or the
// disc sheet the board copies its tiles from. The image holds `ratio` device pixels per window
// pixel, so a high-density screen gets sharp lines and text.
class QtSurface final : public Surface {
public:
    // Takes the image's own device pixel ratio.
    explicit QtSurface(QImage image);
    // A blank surface of width × height window pixels filled with white, as the back buffer
    // starts.
    QtSurface(int width, int height, qreal ratio = 1.0);

    const QImage& image() const { return image_; }
    qreal ratio() const { return image_.devicePixelRatio(); }

    PixelScale scale() const override { return PixelScale::ofRatio(ratio()); }
    void fillPixels(const Rect& pixels, Colour colour) override;
    void copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                         Colour transparent) override;
    // Clears the area to white first: whatever a longer earlier text left there goes.
    void drawText(const Rect& area, std::string_view text) override;

private:
    QImage image_;
    QFont font_;
};

}  // namespace discada
