#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "board/dsc_board.h"

namespace discada {
namespace {

struct Hit {
    bool hit;
    std::int32_t column;
    std::int32_t row;
};

Hit hitAt(const Board& board, std::int32_t x, std::int32_t y) {
    std::int32_t column = -7;
    std::int32_t row = -7;
    const bool hit = board.hitTest(x, y, column, row);
    return {hit, column, row};
}

TEST(Board, PlayingGeometryPlacesCellsOnTheirPitch) {
    const DscBoard board;
    EXPECT_EQ(board.totalWidth(), 358);
    EXPECT_EQ(board.totalHeight(), 358);
    const std::int32_t starts[] = {17, 59, 101, 143, 185, 227, 269, 311};
    for (std::int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(board.cellAt(i + 1, 1).x(), starts[i]);
        EXPECT_EQ(board.cellAt(1, i + 1).y(), starts[i]);
    }
    for (std::int32_t i = 0; i < 10; ++i) {
        for (const auto& [c, r] :
             {std::pair{0, i}, std::pair{9, i}, std::pair{i, 0}, std::pair{i, 9}}) {
            EXPECT_EQ(board.cellAt(c, r).x(), 0) << c << "," << r;
            EXPECT_EQ(board.cellAt(c, r).y(), 0) << c << "," << r;
        }
    }
}

TEST(Board, HitTestAcceptsCellsAndRefusesLinesFrameAndOutside) {
    const DscBoard board;
    struct Case {
        std::int32_t x, y;
        bool hit;
        std::int32_t column, row;
    };
    const Case cases[] = {
        {17, 17, true, 1, 1},   {56, 17, true, 1, 1},     {57, 17, false, 0, 0},
        {58, 17, false, 0, 0},  {59, 17, true, 2, 1},     {16, 17, false, 0, 0},
        {350, 350, true, 8, 8}, {351, 350, false, 0, 0},  {100, 100, false, 0, 0},
        {17, 16, false, 0, 0},  {0, 0, false, 0, 0},      {-5, 30, false, 0, 0},
        {400, 30, false, 0, 0}, {200, 1000, false, 0, 0},
    };
    for (const Case& c : cases) {
        const Hit h = hitAt(board, c.x, c.y);
        EXPECT_EQ(h.hit, c.hit) << c.x << "," << c.y;
        if (c.hit) {
            EXPECT_EQ(h.column, c.column) << c.x << "," << c.y;
            EXPECT_EQ(h.row, c.row) << c.x << "," << c.y;
        } else {
            EXPECT_EQ(h.column, -7) << "outputs must stay untouched";
        }
    }
}

TEST(Board, HiddenLinesTakeNoRoomAndRefuseNoPointInsideTheCells) {
    Board grid(3, 2, 10, 10, 1, 1);
    grid.setGridLines(false, 5);
    grid.setFrame(false, 4);
    grid.layoutCells();
    EXPECT_EQ(grid.totalWidth(), 30);
    EXPECT_EQ(grid.totalHeight(), 20);
    EXPECT_EQ(hitAt(grid, 10, 0).column, 2);
    EXPECT_EQ(hitAt(grid, 29, 19).row, 2);
    EXPECT_FALSE(hitAt(grid, 30, 5).hit);
}

TEST(Board, AssignmentCopiesDimensionsAndEveryCellIncludingTheRing) {
    Board source(3, 2, 10, 12, 2, 1);
    source.setOrigin(7, 9);
    source.layoutCells();
    source.cellAt(0, 0).setState(2);
    source.cellAt(4, 2).setState(1);
    Board target(8, 8, 40, 40, 2, 2);
    target = source;
    EXPECT_EQ(target.storageColumns(), 5);
    EXPECT_EQ(target.storageRows(), 3);
    EXPECT_EQ(target.totalWidth(), source.totalWidth());
    EXPECT_EQ(target.cellAt(0, 0).state(), 2);
    EXPECT_EQ(target.cellAt(4, 2).state(), 1);
    EXPECT_EQ(target.cellAt(1, 1).x(), 9 + 1);
    EXPECT_EQ(target.cellAt(1, 1).y(), 7 + 1);

    const Board& alias = target;
    target = alias;
    EXPECT_EQ(target.cellAt(4, 2).state(), 1);
    EXPECT_EQ(target.cellAt(1, 1).x(), 10);
}

Rect scaled(const Rect& area, int times) {
    return {area.x1 * times, area.y1 * times, area.x2 * times, area.y2 * times};
}

// Windows' scaled displays, and Qt scale factors of 1.1 and 4/3 as 960ths.
TEST(Board, DevicePixelsKeepLinesAlikeAndCellsEvenAtEveryScale) {
    const DscBoard board;
    const PixelScale scales[] = {{96, 96},  {120, 96}, {144, 96},   {168, 96},  {192, 96},
                                 {240, 96}, {288, 96}, {1056, 960}, {1280, 960}};
    for (const PixelScale scale : scales) {
        const GridPixels grid = board.gridPixels(scale);
        std::set<int> cellSizes;
        for (int i = 1; i <= 8; ++i) {
            const Rect cell = grid.cell(i, 9 - i);
            cellSizes.insert({cell.width(), cell.height()});
            // Where the cell begins in window pixels, within half a device pixel.
            EXPECT_LE(std::abs(cell.x1 - (42 * i - 25) * scale.ratio()), 0.5) << scale.ratio();
        }
        EXPECT_LE(*cellSizes.rbegin() - *cellSizes.begin(), 1) << scale.ratio();
        EXPECT_GE(*cellSizes.begin(), scale.width(40)) << "a disc overlaps a line";
        const Rect frame = grid.frame;
        const Rect background = grid.background;
        EXPECT_TRUE(frame.x1 >= background.x1 && frame.y1 >= background.y1 &&
                    frame.x2 <= background.x2 && frame.y2 <= background.y2)
            << scale.ratio();
    }
    for (const int times : {1, 2, 3}) {
        const GridPixels grid = board.gridPixels(PixelScale(times, 1));
        EXPECT_EQ(grid.background, scaled({5, 5, 363, 363}, times));
        EXPECT_EQ(grid.frame, scaled({15, 15, 353, 353}, times));
        EXPECT_EQ(grid.lineAfterColumn(1), scaled({57, 17, 59, 351}, times));
        EXPECT_EQ(grid.lineAfterRow(7), scaled({17, 309, 351, 311}, times));
        EXPECT_EQ(grid.cell(8, 8), scaled({311, 311, 351, 351}, times));
    }
}

}  // namespace
}  // namespace discada
