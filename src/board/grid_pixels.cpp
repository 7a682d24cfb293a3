#include "board/grid_pixels.h"

namespace discada {

Rect GridPixels::cell(int column, int row) const {
    return {columnStarts[column - 1], rowStarts[row - 1], columnStarts[column] - lineWidth,
            rowStarts[row] - lineWidth};
}

Rect GridPixels::cellArea() const {
    return {columnStarts.front(), rowStarts.front(), columnStarts.back() - lineWidth,
            rowStarts.back() - lineWidth};
}

Rect GridPixels::lineAfterColumn(int column) const {
    const Rect area = cellArea();
    return {columnStarts[column] - lineWidth, area.y1, columnStarts[column], area.y2};
}

Rect GridPixels::lineAfterRow(int row) const {
    const Rect area = cellArea();
    return {area.x1, rowStarts[row] - lineWidth, area.x2, rowStarts[row]};
}

}  // namespace discada
