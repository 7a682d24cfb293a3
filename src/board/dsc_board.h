#pragma once

#include <cstdint>
#include <span>

#include "board/board.h"

namespace discada {

// Every caller's list of cells holds this many entries: more than one placement can turn (19)
// and the cap on listed legal placements.
constexpr std::int32_t kCellListCapacity = 24;
constexpr std::int32_t kBoardSize = 8;
// The board's background, which shows in every empty cell and around every disc.
constexpr Colour kBoardBackground = rgb(238, 130, 238);

// The 8 x 8 playing board: the grid with its fixed look, the two disc counters, the starting
// position, and the primitives of the placement rule. It has no notion of whose turn it is.
class DscBoard : public Board {
public:
    DscBoard();

    // Empties every stored cell, ring included, and sets the four starting discs.
    std::int32_t reset();

    // The discs a disc of `colour` at (column, row) would turn, into the first n entries of
    // `list` grouped by direction and nearest first; -1 for an occupied cell, and for a cell off
    // the board or a colour other than black or white, which are never legal.
    std::int32_t findFlips(std::int32_t column, std::int32_t row, DiscColor colour,
                           std::span<CellPos, kCellListCapacity> list) const;
    // The legal placements of `colour` in column-major scan order, at most `capacity` of them.
    std::int32_t listMoves(DiscColor colour, std::span<CellPos, kCellListCapacity> list,
                           std::int32_t capacity) const;

    // The single-disc operations check occupancy only and keep the counters right; each returns
    // 0, or -1 with nothing changed (occupied / empty target, or a cell off the board).
    std::int32_t placeDisc(std::int32_t column, std::int32_t row, DiscColor colour);
    std::int32_t flipDisc(std::int32_t column, std::int32_t row);
    std::int32_t removeDisc(std::int32_t column, std::int32_t row);

    // The colour with more discs, 0 for equal counts.
    DiscColor winner() const;
    std::int32_t discCount(DiscColor colour) const;
    // The content of a playable cell; empty for a cell off the board.
    DiscColor stateAt(std::int32_t column, std::int32_t row) const;

    std::int32_t draw(Surface& target, const Surface& sprites) const override;

private:
    std::int32_t& counterOf(DiscColor colour) {
        return colour == kBlack ? blackCount_ : whiteCount_;
    }

    std::int32_t blackCount_ = 0;
    std::int32_t whiteCount_ = 0;
};

}  // namespace discada
