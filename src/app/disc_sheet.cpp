#include "app/disc_sheet.h"

#include <QImage>

namespace discada {

namespace {

constexpr qreal kHighDensityRatio = 2.0;

}  // namespace

QtSurface discSheet(qreal ratio) {
    // A screen between the two densities is better served by shrinking the finer sheet.
    if (ratio <= 1.0) return QtSurface(QImage(QStringLiteral(":/PIECE_IMG")));
    QImage sheet(QStringLiteral(":/PIECE_IMG@2x"));
    sheet.setDevicePixelRatio(kHighDensityRatio);
    return QtSurface(sheet);
}

}  // namespace discada
