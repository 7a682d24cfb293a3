#include "board/board.h"

#include "platform/surface.h"

namespace discada {

Board::Board(std::int32_t columns, std::int32_t rows, std::int32_t cellWidth,
             std::int32_t cellHeight, std::int32_t extraColumns, std::int32_t extraRows)
    : cells_(columns + extraColumns, std::vector<Cell>(rows + extraRows)),
      columns_(columns),
      rows_(rows),
      extraColumns_(extraColumns),
      extraRows_(extraRows),
      cellWidth_(cellWidth),
      cellHeight_(cellHeight) {
}

void Board::setFrame(bool visible, std::int32_t width) {
    frameVisible_ = visible;
    frameWidth_ = visible ? width : 0;
}

void Board::setGridLines(bool visible, std::int32_t width) {
    linesVisible_ = visible;
    lineWidth_ = visible ? width : 0;
}

void Board::setOrigin(std::int32_t top, std::int32_t left) {
    top_ = top;
    left_ = left;
}

void Board::setMargins(std::int32_t top, std::int32_t left, std::int32_t right,
                       std::int32_t bottom) {
    marginTop_ = top;
    marginLeft_ = left;
    marginRight_ = right;
    marginBottom_ = bottom;
}

std::int32_t Board::totalWidth() const {
    return columns_ * cellWidth_ + 2 * frameWidth_ + (columns_ - 1) * lineWidth_ + marginLeft_ +
           marginRight_;
}

std::int32_t Board::totalHeight() const {
    return rows_ * cellHeight_ + 2 * frameWidth_ + (rows_ - 1) * lineWidth_ + marginTop_ +
           marginBottom_;
}

void Board::layoutCells() {
    const std::int32_t x0 = left_ + marginLeft_ + frameWidth_;
    const std::int32_t y0 = top_ + marginTop_ + frameWidth_;
    for (std::int32_t i = 0; i < columns_; ++i) {
        for (std::int32_t j = 0; j < rows_; ++j) {
            cellAt(i + 1, j + 1)
                .setPosition(x0 + i * (cellWidth_ + lineWidth_),
                             y0 + j * (cellHeight_ + lineWidth_));
        }
    }
}

bool Board::hitTest(std::int32_t x, std::int32_t y, std::int32_t& column, std::int32_t& row) const {
    const std::int32_t dx = x - (left_ + marginLeft_ + frameWidth_);
    const std::int32_t dy = y - (top_ + marginTop_ + frameWidth_);
    if (dx < 0 || dy < 0) return false;
    const std::int32_t pw = cellWidth_ + lineWidth_;
    const std::int32_t ph = cellHeight_ + lineWidth_;
    const std::int32_t c = (dx + cellWidth_ + lineWidth_) / pw;
    const std::int32_t r = (dy + cellHeight_ + lineWidth_) / ph;
    if (c > columns_ || r > rows_) return false;
    // A point whose offset within its pitch reaches past the cell lies on a line or the frame.
    if ((dx + cellWidth_ + 2 * lineWidth_) / pw != c) return false;
    if ((dy + cellHeight_ + 2 * lineWidth_) / ph != r) return false;
    column = c;
    row = r;
    return true;
}

GridPixels Board::gridPixels(PixelScale scale) const {
    GridPixels grid;
    grid.background = scale.pixels(Rect{left_, top_, left_ + totalWidth(), top_ + totalHeight()});
    grid.frameWidth = scale.width(frameWidth_);
    grid.lineWidth = scale.width(lineWidth_);
    const std::int32_t x0 = left_ + marginLeft_ + frameWidth_;
    const std::int32_t y0 = top_ + marginTop_ + frameWidth_;
    for (std::int32_t i = 0; i <= columns_; ++i)
        grid.columnStarts.push_back(scale.pixels(x0 + i * (cellWidth_ + lineWidth_)));
    for (std::int32_t j = 0; j <= rows_; ++j)
        grid.rowStarts.push_back(scale.pixels(y0 + j * (cellHeight_ + lineWidth_)));
    const Rect cells = grid.cellArea();
    const int w = grid.frameWidth;
    grid.frame = {cells.x1 - w, cells.y1 - w, cells.x2 + w, cells.y2 + w};
    return grid;
}

std::int32_t Board::draw(Surface& target, const Surface& /*sprites*/) const {
    const GridPixels grid = gridPixels(target.scale());
    target.fillPixels(grid.background, backgroundColor_);
    if (frameVisible_) {
        const Rect& frame = grid.frame;
        const int w = grid.frameWidth;
        target.fillPixels({frame.x1, frame.y1, frame.x2, frame.y1 + w}, lineColor_);
        target.fillPixels({frame.x1, frame.y2 - w, frame.x2, frame.y2}, lineColor_);
        target.fillPixels({frame.x1, frame.y1 + w, frame.x1 + w, frame.y2 - w}, lineColor_);
        target.fillPixels({frame.x2 - w, frame.y1 + w, frame.x2, frame.y2 - w}, lineColor_);
    }
    if (!linesVisible_) return 0;
    for (std::int32_t i = 1; i < columns_; ++i)
        target.fillPixels(grid.lineAfterColumn(i), lineColor_);
    for (std::int32_t i = 1; i < rows_; ++i)
        target.fillPixels(grid.lineAfterRow(i), lineColor_);
    return 0;
}

}  // namespace discada
