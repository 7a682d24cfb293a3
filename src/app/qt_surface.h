#pragma once

#include <QFont>
#include <QImage>

#include "platform/surface.h"

namespace discada {

// A Surface over an image that keeps its pixels between paints: the window's back buffer, or the
// disc sheet the board copies its tiles from.
class QtSurface final : public Surface {
public:
    explicit QtSurface(QImage image);
    // A blank surface filled with white, as the back buffer starts.
    QtSurface(int width, int height);

    const QImage& image() const { return image_; }

    void fillRect(const Rect& area, Colour colour) override;
    void copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                         Colour transparent) override;
    // Clears the area to white first: whatever a longer earlier text left there goes.
    void drawText(const Rect& area, std::string_view text) override;

private:
    QImage image_;
    QFont font_;
};

}  // namespace discada
