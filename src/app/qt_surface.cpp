#include "app/qt_surface.h"

#include <QPainter>
#include <QtMath>
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

// The device pixels that `area` covers on an image of the given ratio.
QRect toDeviceRect(const Rect& area, qreal ratio) {
    const QPoint from(qRound(area.x1 * ratio), qRound(area.y1 * ratio));
    const QPoint to(qRound(area.x2 * ratio), qRound(area.y2 * ratio));
    return QRect(from, to - QPoint(1, 1));
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

void QtSurface::fillRect(const Rect& area, Colour colour) {
    QPainter painter(&image_);
    painter.fillRect(toQRect(area), toQColor(colour));
}

void QtSurface::copyTransparent(const Surface& sprites, const Rect& source, int x, int y,
                                Colour transparent) {
    const auto* sheet = dynamic_cast<const QtSurface*>(&sprites);
    assert(sheet != nullptr && "the disc sheet lives in an image surface");
    if (sheet == nullptr) return;
    const QImage& from = sheet->image_;
    const QRect in = toDeviceRect(source, sheet->ratio());
    const QRect out = toDeviceRect({x, y, x + source.width(), y + source.height()}, ratio());
    if (in.isEmpty() || out.isEmpty()) return;
    const QRgb skipped = toQColor(transparent).rgb();
    // Each target pixel takes the sheet pixel under its centre: a plain copy when both have the
    // same ratio, so no edge is ever blurred.
    for (int dy = 0; dy < out.height(); ++dy) {
        const int sy = in.y() + (2 * dy + 1) * in.height() / (2 * out.height());
        for (int dx = 0; dx < out.width(); ++dx) {
            const QPoint pick(in.x() + (2 * dx + 1) * in.width() / (2 * out.width()), sy);
            const QPoint put(out.x() + dx, out.y() + dy);
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
