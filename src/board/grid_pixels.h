#pragma once

#include <vector>

#include "platform/rect.h"

namespace discada {

// Where a grid's background, frame, lines and cells fall on a device, in device pixels. Each cell
// begins at the device pixel nearest to where it begins in window pixels, and every line has one
// width, as has the frame, so that the cells differ by at most one device pixel and no line
// looks heavier than its neighbours. At a whole scale it is the window picture scaled exactly.
struct GridPixels {
    Rect background;
    // The frame's outer edge; the frame is a band of `frameWidth` pixels inside it.
    Rect frame;
    int frameWidth = 0;
    int lineWidth = 0;
    // Where each column (row) begins, and last where one more would begin; the line after a
    // column (row) ends there.
    std::vector<int> columnStarts;
    std::vector<int> rowStarts;

    // Playable cell (column, row), both counted from 1.
    Rect cell(int column, int row) const;
    // The cells and the lines between them: the inside of the frame.
    Rect cellArea() const;
    Rect lineAfterColumn(int column) const;
    Rect lineAfterRow(int row) const;
};

}  // namespace discada
