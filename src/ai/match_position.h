#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "ai/weight_table.h"
#include "match/dsc_prog.h"

namespace discada {

// The reference position model of the search: a match that makes and takes back placements
// with its two logs, scored by a weight table bound to the match's board.
class MatchPosition {
public:
    using Move = CellPos;
    // The match's own history takes the placement back.
    struct Undo {};

    // A legal-placement list in the frame of its node.
    class Moves {
    public:
        bool empty() const { return count_ == 0; }
        const CellPos* begin() const { return cells_.data(); }
        const CellPos* end() const { return cells_.data() + count_; }

    private:
        friend class MatchPosition;
        std::array<CellPos, kCellListCapacity> cells_;
        std::int32_t count_ = 0;
    };

    MatchPosition(DscProg& match, const WeightTable& weights) : match_(match), weights_(weights) {}

    DiscColor sideToMove() const { return match_.sideToMove(); }
    DiscColor lastMoverColor() const { return match_.currentMoveColor(); }
    Moves legalMoves() const {
        Moves moves;
        moves.count_ =
            match_.board().listMoves(match_.sideToMove(), moves.cells_, kCellListCapacity);
        return moves;
    }
    Undo make(Move m) {
        [[maybe_unused]] const bool made = match_.makeMove(m.column, m.row);
        assert(made);
        return {};
    }
    void unmake(Move /*m*/, Undo /*undo*/) { match_.unmakeMove(); }
    std::int32_t weight(Move m, DiscColor mover) const {
        return weights_.weight(m.column, m.row, mover, match_.movesPlayed());
    }
    std::int32_t endScore(DiscColor computer) const { return weights_.endScore(computer); }
    std::int32_t mobilityScore(DiscColor computer) const {
        return weights_.mobilityScore(computer);
    }

private:
    DscProg& match_;
    const WeightTable& weights_;
};

}  // namespace discada
