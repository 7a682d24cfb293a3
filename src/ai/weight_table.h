#pragma once

#include <array>
#include <cstdint>

#include "board/dsc_board.h"

namespace discada {

// The evaluation the search scores with, always from one colour's point of view: a fixed weight
// per cell, the score of a finished game and the mobility difference, read from one board.
class WeightTable {
public:
    // A win scores more than this plus the disc margin; a loss the negative.
    static constexpr std::int32_t kWinBase = 99;
    // Each side's legal placements are counted up to the size of a cell list.
    static constexpr std::int32_t kMobilityCap = kCellListCapacity;

    // Binds the board for good and fills the weights.
    explicit WeightTable(const DscBoard& board);
    // The table refers to one board for its whole life.
    WeightTable(const WeightTable&) = delete;
    WeightTable& operator=(const WeightTable&) = delete;

    // The weight of a cell; the mover's colour and the number of placements do not change it.
    std::int32_t weight(std::int32_t column, std::int32_t row, DiscColor mover,
                        std::int32_t movesPlayed) const;
    // The finished game for `computer`: 99 + margin for a win, -99 - margin for a loss, 0 for a
    // draw; empty cells count for nobody.
    std::int32_t endScore(DiscColor computer) const;
    // Legal placements of `computer` minus those of its opponent, each capped at 24, whoever is
    // to move.
    std::int32_t mobilityScore(DiscColor computer) const;

    // The rules behind the scores, shared with the bitboard position of the search.
    static constexpr std::int32_t cellWeight(std::int32_t column, std::int32_t row);
    static constexpr std::int32_t finishedGameScore(std::int32_t ownDiscs, std::int32_t otherDiscs);
    static constexpr std::int32_t mobilityDifference(std::int32_t ownMoves,
                                                     std::int32_t otherMoves);

private:
    const DscBoard& board_;
    // Indexed [column][row] over the whole storage; the ring weighs 0.
    std::array<std::array<std::int32_t, kBoardSize + 2>, kBoardSize + 2> weights_{};
};

constexpr std::int32_t WeightTable::cellWeight(std::int32_t column, std::int32_t row) {
    const auto edge = [](std::int32_t i) { return i == 1 || i == kBoardSize; };
    const auto nextToEdge = [](std::int32_t i) { return i == 2 || i == kBoardSize - 1; };
    if (edge(column) && edge(row)) return 30;
    if (nextToEdge(column) && nextToEdge(row)) return -30;
    if ((edge(column) && nextToEdge(row)) || (nextToEdge(column) && edge(row))) return -20;
    return 0;
}

constexpr std::int32_t WeightTable::finishedGameScore(std::int32_t ownDiscs,
                                                      std::int32_t otherDiscs) {
    if (ownDiscs > otherDiscs) return kWinBase + (ownDiscs - otherDiscs);
    if (ownDiscs < otherDiscs) return -kWinBase - (otherDiscs - ownDiscs);
    return 0;
}

constexpr std::int32_t WeightTable::mobilityDifference(std::int32_t ownMoves,
                                                       std::int32_t otherMoves) {
    const auto capped = [](std::int32_t n) { return n < kMobilityCap ? n : kMobilityCap; };
    return capped(ownMoves) - capped(otherMoves);
}

}  // namespace discada
