#include "app/qt_surface.h"

#include <QPainter>
#include <cassert>

#include "app/qt_text.h"

namespace discada {

namespace {

// The status panel's lines are about as tall as the desktop's system font made them.
constexpr int kTextPixelSize = 16;

QColor toQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QRect toQRect(const Rect& area) {
    return QRect(area.x1, area.y1, area.width(), area.height());
}

}  // namespace

QtSurface::QtSurface(QImage image) : image_(image.convertToFormat(QImage::Format_RGB32)) {
    font_.setPixelSize(kTextPixelSize);
}

QtSurface::QtSurface(int width, int height)
    : QtSurface(QImage(width, height, QImage::Format_RGB32)) {
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
    const QRgb skipped = toQColor(transparent).rgb();
    for (int dy = 0; dy < source.height(); ++dy) {
        for (int dx = 0; dx < source.width(); ++dx) {
            const QPoint in(source.x1 + dx, source.y1 + dy);
            const QPoint out(x + dx, y + dy);
            if (!from.valid(in) || !image_.valid(out)) continue;
            const QRgb pixel = from.pixel(in);
            if (pixel != skipped) image_.setPixel(out, pixel);
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
