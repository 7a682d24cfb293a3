#pragma once

#include <cstdint>
#include <vector>

#include "board/cell.h"
#include "board/grid_pixels.h"
#include "platform/colour.h"
#include "platform/pixel_scale.h"

namespace discada {

class Surface;

// A rectangular grid of cells laid out on a pixel surface, with a ring of stored cells around the
// playable ones so that walks outward from a playable cell stay inside the storage. It knows the
// grid's pixel geometry, maps pixels to cells and paints its background, frame and lines.
class Board {
public:
    Board(std::int32_t columns, std::int32_t rows, std::int32_t cellWidth, std::int32_t cellHeight,
          std::int32_t extraColumns, std::int32_t extraRows);
    Board(const Board&) = default;
    Board& operator=(const Board&) = default;
    ~Board() = default;

    void setFrame(bool visible, std::int32_t width);
    void setGridLines(bool visible, std::int32_t width);
    void setLineColor(Colour colour) { lineColor_ = colour; }
    void setBackgroundColor(Colour colour) { backgroundColor_ = colour; }
    void setOrigin(std::int32_t top, std::int32_t left);
    void setMargins(std::int32_t top, std::int32_t left, std::int32_t right, std::int32_t bottom);

    // Gives every playable cell its pixel position; ring cells keep (0, 0).
    void layoutCells();
    // Maps a surface pixel to the playable cell under it; false on a line, the frame, a margin or
    // outside the grid, leaving the outputs unchanged.
    bool hitTest(std::int32_t x, std::int32_t y, std::int32_t& column, std::int32_t& row) const;

    std::int32_t totalWidth() const;
    std::int32_t totalHeight() const;
    std::int32_t left() const { return left_; }
    std::int32_t top() const { return top_; }
    std::int32_t columns() const { return columns_; }
    std::int32_t rows() const { return rows_; }
    std::int32_t storageColumns() const { return columns_ + extraColumns_; }
    std::int32_t storageRows() const { return rows_ + extraRows_; }
    bool isPlayable(std::int32_t column, std::int32_t row) const {
        return column >= 1 && column <= columns_ && row >= 1 && row <= rows_;
    }

    // The cell at a storage index; both indices count from 0 over the whole storage.
    Cell& cellAt(std::int32_t column, std::int32_t row) { return cells_[column][row]; }
    const Cell& cellAt(std::int32_t column, std::int32_t row) const { return cells_[column][row]; }

    // Where the grid's pixels fall on a device of the given scale.
    GridPixels gridPixels(PixelScale scale) const;

    // Paints background, frame and lines into `target`; the grid ignores `sprites`.
    virtual std::int32_t draw(Surface& target, const Surface& sprites) const;

private:
    std::vector<std::vector<Cell>> cells_;
    std::int32_t columns_;
    std::int32_t rows_;
    std::int32_t extraColumns_;
    std::int32_t extraRows_;
    std::int32_t cellWidth_;
    std::int32_t cellHeight_;
    std::int32_t marginTop_ = 0;
    std::int32_t marginLeft_ = 0;
    std::int32_t marginRight_ = 0;
    std::int32_t marginBottom_ = 0;
    std::int32_t top_ = 0;
    std::int32_t left_ = 0;
    std::int32_t lineWidth_ = 1;
    std::int32_t frameWidth_ = 1;
    bool frameVisible_ = true;
    bool linesVisible_ = true;
    Colour backgroundColor_ = kRgbWhite;
    Colour lineColor_ = kRgbBlack;
};

}  // namespace discada
