#include "app/disc_sheet.h"

#include <QImage>

#include "board/disc_sheet.h"

namespace discada {

QtSurface discSheet(qreal ratio) {
    const PixelScale scale = PixelScale::ofRatio(ratio);
    const bool fine = scale == PixelScale(2, 1);
    if (fine || scale == PixelScale(1, 1)) {
        QImage sheet(fine ? QStringLiteral(":/PIECE_IMG@2x") : QStringLiteral(":/PIECE_IMG"));
        sheet.setDevicePixelRatio(fine ? 2 : 1);
        return QtSurface(sheet);
    }
    const SheetPixels drawn = drawDiscSheet(scale);
    QImage sheet(drawn.width, drawn.height, QImage::Format_RGB32);
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            const Colour c = drawn.pixels[static_cast<std::size_t>(y) * drawn.width + x];
            sheet.setPixel(x, y, qRgb(redOf(c), greenOf(c), blueOf(c)));
        }
    }
    sheet.setDevicePixelRatio(ratio);
    return QtSurface(sheet);
}

}  // namespace discada
