#include "ai/weight_table.h"

#include <gtest/gtest.h>

#include "ai_test_support.h"

namespace discada {
namespace {

// A finished-looking board: `black` black discs then `white` white discs in scan order.
DscBoard boardWith(std::int32_t black, std::int32_t white) {
    DscBoard board;
    board.reset();
    for (const CellPos centre : {CellPos{4, 4}, CellPos{4, 5}, CellPos{5, 4}, CellPos{5, 5}}) {
        board.removeDisc(centre.column, centre.row);
    }
    std::int32_t placed = 0;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row, ++placed) {
            if (placed < black) {
                board.placeDisc(column, row, kBlack);
            } else if (placed < black + white) {
                board.placeDisc(column, row, kWhite);
            }
        }
    }
    return board;
}

TEST(WeightTable, WeighsCornersTheirNeighboursAndNothingElse) {
    constexpr std::int32_t kExpected[8][8] = {
        {30, -20, 0, 0, 0, 0, -20, 30},   {-20, -30, 0, 0, 0, 0, -30, -20},
        {0, 0, 0, 0, 0, 0, 0, 0},         {0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0},         {0, 0, 0, 0, 0, 0, 0, 0},
        {-20, -30, 0, 0, 0, 0, -30, -20}, {30, -20, 0, 0, 0, 0, -20, 30}};
    DscBoard board;
    const WeightTable table(board);
    for (std::int32_t row = 1; row <= kBoardSize; ++row) {
        for (std::int32_t column = 1; column <= kBoardSize; ++column) {
            // Neither the mover nor the number of placements changes a weight.
            for (const DiscColor mover : {kBlack, kWhite}) {
                for (const std::int32_t played : {0, 37}) {
                    EXPECT_EQ(table.weight(column, row, mover, played),
                              kExpected[row - 1][column - 1])
                        << "column " << column << " row " << row;
                }
            }
        }
    }
}

TEST(WeightTable, ScoresAFinishedGameByTheDiscMarginAloneBeyond99) {
    struct Case {
        std::int32_t black, white;
        std::int32_t forBlack, forWhite;
    };
    for (const Case c : {Case{33, 31, 101, -101}, Case{31, 33, -101, 101}, Case{64, 0, 163, -163},
                         Case{0, 64, -163, 163}, Case{40, 20, 119, -119}, Case{32, 32, 0, 0},
                         Case{20, 20, 0, 0}}) {
        const DscBoard board = boardWith(c.black, c.white);
        const WeightTable table(board);
        EXPECT_EQ(table.endScore(kBlack), c.forBlack) << c.black << " to " << c.white;
        EXPECT_EQ(table.endScore(kWhite), c.forWhite) << c.black << " to " << c.white;
    }
}

TEST(WeightTable, MobilityIsTheDifferenceOfLegalCountsCappedAt24) {
    DscProg match;
    match.reset();
    const WeightTable start(match.board());
    EXPECT_EQ(start.mobilityScore(kBlack), 0);
    EXPECT_EQ(start.mobilityScore(kWhite), 0);

    const std::vector<Line>& wide = wideLines();
    ASSERT_FALSE(wide.empty());
    for (const Line& line : wide) {
        replay(match, line);
        const WeightTable table(match.board());
        const DiscColor side = match.sideToMove();
        ASSERT_GT(allLegal(match).size(), kCellListCapacity) << lineText(line);
        const auto otherCount = static_cast<std::int32_t>(legalFor(match, opponentOf(side)).size());
        const std::int32_t expected = kCellListCapacity - std::min(otherCount, kCellListCapacity);
        EXPECT_EQ(table.mobilityScore(side), expected) << lineText(line);
        EXPECT_EQ(table.mobilityScore(opponentOf(side)), -expected) << lineText(line);
    }
}

}  // namespace
}  // namespace discada
