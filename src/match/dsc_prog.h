#pragma once

#include <array>
#include <cstdint>

#include "board/dsc_board.h"
#include "match/match_types.h"

namespace discada {

// The complete state of one game: the board, the colour to move, the outcome of the last
// placement, and a two-log history (placements and turned discs) from which placements are taken
// back and replayed exactly. Passes are not stored: two consecutive placements of one colour show
// them, and the turn change rediscovers them.
class DscProg {
public:
    DscProg();
    // A match holds a large fixed history; it is copied only on purpose, through copyFrom.
    DscProg(const DscProg&) = delete;
    DscProg& operator=(const DscProg&) = delete;

    // A new game: starting position, black to move, empty history.
    std::int32_t reset();
    // Places a disc for the side to move; false, with nothing changed, when it is not legal.
    [[nodiscard]] bool makeMove(std::int32_t column, std::int32_t row);
    // Takes the last applied placement back; false at the start of the game.
    bool unmakeMove();
    // Replays the next taken-back placement; false when there is none.
    [[nodiscard]] bool redoMove();
    void copyFrom(const DscProg& other);

    MatchStatus status() const { return status_; }
    bool isOver() const { return status_ >= MatchStatus::NoMoves; }
    DiscColor sideToMove() const { return sideToMove_; }
    std::int32_t movesPlayed() const { return movesPlayed_; }
    std::int32_t redoLimit() const { return redoLimit_; }
    // The placement at the history cursor; (0, 0) and -1 when none is applied.
    CellPos currentMove() const;
    DiscColor currentMoveColor() const;

    const DscBoard& board() const { return board_; }
    std::int32_t moveCursor() const { return moveCursor_; }
    std::int32_t moveEnd() const { return moveEnd_; }
    std::int32_t flipCursor() const { return flipCursor_; }
    std::int32_t flipEnd() const { return flipEnd_; }
    const MoveRecord& moveAt(std::int32_t index) const { return moves_[index]; }
    const FlipRecord& flipAt(std::int32_t index) const { return flips_[index]; }

    // Whether the counters match the cells and the history agrees with the position and the side
    // to move: the invariants every operation keeps. It walks the whole state; builds with
    // assertions check it after every placement, take-back and replay.
    bool isConsistent() const;

private:
    std::int32_t clearHistory();
    std::int32_t pushMove(std::int32_t column, std::int32_t row, DiscColor color);
    std::int32_t moveCursorForward();
    std::int32_t moveCursorBack();
    std::int32_t pushFlip(std::int32_t column, std::int32_t row, std::int32_t moveIndex);
    CellPos currentFlip() const;
    std::int32_t currentFlipMove() const;
    std::int32_t flipCursorForward();
    std::int32_t flipCursorBack();
    void advanceTurn();
    bool hasLegalMove() const;
    // The three parts of isConsistent.
    bool countsMatchCells() const;
    bool logsMatchCursors() const;
    bool turnMatchesLog() const;

    std::int32_t flipCursor_ = -1;
    std::int32_t flipEnd_ = -1;
    std::int32_t moveCursor_ = -1;
    std::int32_t moveEnd_ = -1;
    std::array<MoveRecord, kMaxPlacements> moves_{};
    std::array<FlipRecord, kFlipLogCapacity> flips_{};
    DscBoard board_;
    std::int32_t movesPlayed_ = 0;
    std::int32_t redoLimit_ = 0;
    DiscColor sideToMove_ = kBlack;
    MatchStatus status_ = MatchStatus::Normal;
};

}  // namespace discada
