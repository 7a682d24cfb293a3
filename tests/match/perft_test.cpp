#include <gtest/gtest.h>

#include <array>

#include "match/dsc_prog.h"

namespace discada {
namespace {

// Counts the placement sequences of `depth` placements from the current position, making and
// taking back every one through the match.
std::uint64_t placementSequences(DscProg& match, int depth) {
    if (depth == 0) return 1;
    std::array<CellPos, kCellListCapacity> list;
    std::uint64_t total = 0;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            if (match.board().findFlips(column, row, match.sideToMove(), list) < 1) continue;
            EXPECT_TRUE(match.makeMove(column, row));
            total += placementSequences(match, depth - 1);
            EXPECT_TRUE(match.unmakeMove());
        }
    }
    return total;
}

TEST(DscProg, PlacementSequencesFromTheStartMatchTheKnownCounts) {
    const std::uint64_t expected[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    DscProg match;
    match.reset();
    for (int depth = 1; depth <= 8; ++depth) {
        EXPECT_EQ(placementSequences(match, depth), expected[depth - 1]) << "depth " << depth;
    }
    EXPECT_EQ(match.movesPlayed(), 0);
    EXPECT_TRUE(match.isConsistent());
}

}  // namespace
}  // namespace discada
