#include "app/qt_surface.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cassert>

#include "app/qt_rect.h"
#include "app/qt_text.h"

namespace discada {

namespace {

// The status panel's lines are about as tall as the desktop's system font made them.
constexpr int kTextPixelSize = 16;

QColor toQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

}  // namespace

QtSurface::QtSurface(QImage image) : image_(image.convertToFormat(QImage::Format_RGB32)) {
    image_.setDevicePixelRatio(image.devicePixelRatio());
    font_.setPixelSize(kTextPixelSize);
}

QtSurface::QtSurface(int width, int height, qreal ratio)
    : QtSurface(QImage(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_RGB32)) {
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
}

void QtSurface::fillPixels(const Rect& pixels, Colour colour) {
    const QRect area = toQRect(pixels).intersected(image_.rect());
    const QRgb fill = toQColor(colour).rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, fill);
    }
}

void QtSurface::copyTransparent(const Surface& sprites, const Rect& source, const Rect& to,
                                Colour transparent) {
    const auto* sheet = dynamic_cast<const QtSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in an image surface");
    if (sheet == nullptr || source.width() <= 0 || source.height() <= 0) return;
    const QImage& from = sheet->image_;
    const QRgb skipped = toQColor(transparent).rgb();
    for (int dy = 0; dy < to.height(); ++dy) {
        const int sy = source.y1 + (2 * dy + 1) * source.height() / (2 * to.height());
        for (int dx = 0; dx < to.width(); ++dx) {
            const QPoint pick(source.x1 + (2 * dx + 1) * source.width() / (2 * to.width()), sy);
            const QPoint put(to.x1 + dx, to.y1 + dy);
            if (!from.valid(pick) || !image_.valid(put)) continue;
            const QRgb pixel = from.pixel(pick);
            if (pixel != skipped) image_.setPixel(put, pixel);
        }
    }
}

void QtSurface::drawText(const Rect& area, std::string_view text) {
    QPainter painter(&image_);
    const QRect box = toQRect(area);
    painter.setClipRect(box);
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font_);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, toQString(text));
}

}  // namespace discada
