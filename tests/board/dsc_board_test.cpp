#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "board/dsc_board.h"

namespace discada {
namespace {

using CellList = std::array<CellPos, kCellListCapacity>;

std::vector<CellPos> legalMoves(const DscBoard& board, DiscColor colour,
                                std::int32_t capacity = kCellListCapacity) {
    CellList list;
    const std::int32_t n = board.listMoves(colour, list, capacity);
    return {list.begin(), list.begin() + n};
}

DscBoard emptyBoard() {
    DscBoard board;
    board.reset();
    for (const CellPos p : {CellPos{4, 4}, CellPos{5, 4}, CellPos{4, 5}, CellPos{5, 5}}) {
        board.removeDisc(p.column, p.row);
    }
    return board;
}

TEST(DscBoard, StartingPositionHasFourLegalPlacementsPerSideInScanOrder) {
    DscBoard board;
    board.reset();
    EXPECT_EQ(board.discCount(kBlack), 2);
    EXPECT_EQ(board.discCount(kWhite), 2);
    EXPECT_EQ(board.stateAt(4, 4), kWhite);
    EXPECT_EQ(board.stateAt(5, 4), kBlack);
    EXPECT_EQ(legalMoves(board, kBlack), (std::vector<CellPos>{{3, 4}, {4, 3}, {5, 6}, {6, 5}}));
    EXPECT_EQ(legalMoves(board, kWhite), (std::vector<CellPos>{{3, 5}, {4, 6}, {5, 3}, {6, 4}}));
    EXPECT_EQ(legalMoves(board, kBlack, 2), (std::vector<CellPos>{{3, 4}, {4, 3}}));
    EXPECT_TRUE(legalMoves(board, kBlack, 0).empty());

    CellList list;
    ASSERT_EQ(board.findFlips(3, 4, kBlack, list), 1);
    EXPECT_EQ(list[0], (CellPos{4, 4}));
}

TEST(DscBoard, FindFlipsListsRunsByDirectionNearestFirst) {
    DscBoard board = emptyBoard();
    for (const CellPos p :
         {CellPos{3, 3}, CellPos{3, 4}, CellPos{4, 3}, CellPos{4, 2}, CellPos{5, 4}}) {
        board.placeDisc(p.column, p.row, kWhite);
    }
    for (const CellPos p : {CellPos{2, 2}, CellPos{4, 1}, CellPos{6, 4}}) {
        board.placeDisc(p.column, p.row, kBlack);
    }
    CellList list;
    ASSERT_EQ(board.findFlips(4, 4, kBlack, list), 4);
    EXPECT_EQ(std::vector<CellPos>(list.begin(), list.begin() + 4),
              (std::vector<CellPos>{{3, 3}, {4, 3}, {4, 2}, {5, 4}}));
}

TEST(DscBoard, RunReachingTheEdgeOrAnOwnNeighbourTurnsNothing) {
    DscBoard board = emptyBoard();
    board.placeDisc(1, 1, kWhite);
    board.placeDisc(2, 1, kWhite);
    board.placeDisc(4, 4, kBlack);
    CellList list;
    EXPECT_EQ(board.findFlips(3, 1, kBlack, list), 0);
    board.placeDisc(4, 5, kBlack);
    EXPECT_EQ(board.findFlips(4, 6, kBlack, list), 0);
}

TEST(DscBoard, OccupiedTargetIsRefusedAndTheListUntouched) {
    DscBoard board;
    board.reset();
    CellList list;
    list[0] = {7, 7};
    EXPECT_EQ(board.findFlips(4, 4, kBlack, list), -1);
    EXPECT_EQ(list[0], (CellPos{7, 7}));
}

TEST(DscBoard, CoordinatesOffTheBoardAndBadColoursAreNeverLegal) {
    DscBoard board;
    board.reset();
    CellList list;
    for (const auto& [c, r] :
         {std::pair{0, 4}, std::pair{9, 4}, std::pair{4, 0}, std::pair{4, 9}, std::pair{-1, -1},
          std::pair{2147483647, 3}, std::pair{3, -2147483647 - 1}}) {
        EXPECT_LT(board.findFlips(c, r, kBlack, list), 1) << c << "," << r;
        EXPECT_EQ(board.placeDisc(c, r, kBlack), -1);
        EXPECT_EQ(board.flipDisc(c, r), -1);
        EXPECT_EQ(board.removeDisc(c, r), -1);
    }
    for (const DiscColor bad : {0, 3, -1, 255}) {
        EXPECT_LT(board.findFlips(3, 4, bad, list), 1);
        EXPECT_EQ(board.listMoves(bad, list, kCellListCapacity), 0);
        EXPECT_EQ(board.placeDisc(3, 4, bad), -1);
    }
    EXPECT_EQ(board.discCount(kBlack) + board.discCount(kWhite), 4);
}

TEST(DscBoard, SingleDiscOperationsKeepTheCounters) {
    DscBoard board;
    board.reset();
    EXPECT_EQ(board.winner(), kEmpty);
    EXPECT_EQ(board.placeDisc(4, 4, kBlack), -1);
    EXPECT_EQ(board.flipDisc(1, 1), -1);
    EXPECT_EQ(board.removeDisc(1, 1), -1);
    EXPECT_EQ(board.discCount(kBlack), 2);

    EXPECT_EQ(board.flipDisc(4, 4), 0);
    EXPECT_EQ(board.discCount(kBlack), 3);
    EXPECT_EQ(board.discCount(kWhite), 1);
    EXPECT_EQ(board.winner(), kBlack);
    EXPECT_EQ(board.removeDisc(5, 4), 0);
    EXPECT_EQ(board.placeDisc(1, 1, kWhite), 0);
    EXPECT_EQ(board.placeDisc(8, 8, kWhite), 0);
    EXPECT_EQ(board.discCount(kBlack), 2);
    EXPECT_EQ(board.discCount(kWhite), 3);
    EXPECT_EQ(board.winner(), kWhite);
}

TEST(DscBoard, ResetRestoresTheStartFromAnyState) {
    DscBoard board = emptyBoard();
    board.placeDisc(1, 1, kBlack);
    board.cellAt(0, 0).setState(kWhite);
    board.reset();
    EXPECT_EQ(board.cellAt(0, 0).state(), kEmpty);
    EXPECT_EQ(board.stateAt(1, 1), kEmpty);
    EXPECT_EQ(board.discCount(kBlack), 2);
    EXPECT_EQ(board.discCount(kWhite), 2);
    EXPECT_EQ(legalMoves(board, kBlack).size(), 4u);
}

TEST(DscBoard, ListMovesStopsAtItsCapacity) {
    // A white ring around a black 4 x 4 centre: nearly every border cell is legal for black.
    DscBoard board = emptyBoard();
    for (std::int32_t c = 2; c <= 7; ++c) {
        for (std::int32_t r = 2; r <= 7; ++r) {
            const bool inner = c >= 3 && c <= 6 && r >= 3 && r <= 6;
            board.placeDisc(c, r, inner ? kBlack : kWhite);
        }
    }
    const std::vector<CellPos> moves = legalMoves(board, kBlack);
    ASSERT_EQ(moves.size(), 24u);
    EXPECT_EQ(moves.front(), (CellPos{1, 1}));
    EXPECT_EQ(legalMoves(board, kBlack, 3).back(), moves[2]);
}

}  // namespace
}  // namespace discada
