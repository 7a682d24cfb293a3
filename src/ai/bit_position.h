#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

#include "ai/bitboard.h"
#include "ai/kernel_namespace.h"
#include "ai/weight_table.h"
#include "board/cell.h"
#include "match/dsc_prog.h"
#include "match/match_types.h"

namespace discada {
DISCADA_KERNELS_BEGIN

// The fast position model of the search: both colours as bit sets, with the turn rules of a
// match (passes, the end of the game, the 60-placement rule) and the scores of the evaluation.
// The turn change finds the legal placements of both colours at once and keeps them, for the
// next node's list and for the mobility at a leaf.
class BitPosition {
public:
    using Bits = bitboard::Bits;
    // A cell as its bit, 0 to 63.
    using Move = std::int32_t;

    // What a take-back restores: the whole state before the placement, so that taking back
    // waits on nothing the placement computed.
    struct Undo {
        Bits own;
        Bits other;
        Bits ownLegal;
        Bits otherLegal;
        DiscColor side;
        DiscColor lastMover;
    };

    // Legal placements as a bit set; iterating visits the first 24 of them in scan order.
    class Moves {
    public:
        class Iterator {
        public:
            explicit Iterator(Bits rest) : rest_(rest) {}
            Move operator*() const { return std::countr_zero(rest_); }
            Iterator& operator++() {
                rest_ &= rest_ - 1;
                return *this;
            }
            bool operator!=(const Iterator& other) const { return rest_ != other.rest_; }

        private:
            Bits rest_;
        };

        explicit Moves(Bits bits) : bits_(bits) {}
        bool empty() const { return bits_ == 0; }
        Iterator begin() const { return Iterator(bitboard::firstBits(bits_, kCellListCapacity)); }
        Iterator end() const { return Iterator(0); }

    private:
        Bits bits_;
    };

    // The position of a match, with its side to move, last mover and placements played.
    static BitPosition of(const DscProg& match);

    static constexpr Move moveOf(CellPos cell) { return bitboard::cellOf(cell.column, cell.row); }
    static constexpr CellPos cellOf(Move m) { return bitboard::cellPosOf(m); }

    DiscColor sideToMove() const { return side_; }
    DiscColor lastMoverColor() const { return lastMover_; }
    std::int32_t movesPlayed() const { return movesPlayed_; }
    // The game ends with its 60th placement at the latest.
    std::int32_t placementsLeft() const { return kMaxPlacements - movesPlayed_; }
    Bits discs(DiscColor colour) const { return colour == side_ ? own_ : other_; }
    // Every legal placement of the side to move; none once the game is over.
    Bits allLegal() const { return ownLegal_; }
    Moves legalMoves() const { return Moves(ownLegal_); }
    bool isLegal(Move m) const { return (ownLegal_ >> m & 1) != 0; }

    // Places a disc of the side to move on a legal cell and changes the turn.
    Undo make(Move m);
    void unmake(Move m, const Undo& undo);

    // The score at depth 0 of the position placing on m leads to, left unmade.
    std::int32_t leafScore(Move m, DiscColor computer) const;

    std::int32_t weight(Move m, DiscColor /*mover*/) const { return bitboard::kCellWeights[m]; }
    std::int32_t endScore(DiscColor computer) const {
        const std::int32_t own = bitboard::count(own_);
        const std::int32_t other = bitboard::count(other_);
        return computer == side_ ? WeightTable::finishedGameScore(own, other)
                                 : WeightTable::finishedGameScore(other, own);
    }
    std::int32_t mobilityScore(DiscColor computer) const {
        const std::int32_t own = bitboard::count(ownLegal_);
        const std::int32_t other = bitboard::count(otherLegal_);
        return computer == side_ ? WeightTable::mobilityDifference(own, other)
                                 : WeightTable::mobilityDifference(other, own);
    }

private:
    // The discs and legal placements of the side to move and of the other colour.
    Bits own_ = 0;
    Bits other_ = 0;
    Bits ownLegal_ = 0;
    Bits otherLegal_ = 0;
    DiscColor side_ = kBlack;
    DiscColor lastMover_ = -1;
    std::int32_t movesPlayed_ = 0;
};

inline BitPosition BitPosition::of(const DscProg& match) {
    BitPosition position;
    position.side_ = match.sideToMove();
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            const DiscColor state = match.board().stateAt(column, row);
            const Bits cell = Bits{1} << moveOf({column, row});
            if (state == position.side_) position.own_ |= cell;
            if (state == opponentOf(position.side_)) position.other_ |= cell;
        }
    }
    position.lastMover_ = match.currentMoveColor();
    position.movesPlayed_ = match.movesPlayed();
    const bitboard::LegalPair legal =
        bitboard::legalPlacementsOfBoth(position.own_, position.other_);
    position.ownLegal_ = legal.first;
    position.otherLegal_ = legal.second;
    return position;
}

inline BitPosition::Undo BitPosition::make(Move m) {
    assert(isLegal(m));
    const Undo undo{own_, other_, ownLegal_, otherLegal_, side_, lastMover_};
    const Bits turned = bitboard::turnedDiscs(m, own_, other_);
    const Bits mover = own_ ^ (turned | Bits{1} << m);
    const Bits opponent = other_ ^ turned;
    lastMover_ = side_;
    ++movesPlayed_;
    // The opponent moves if it can, else the mover again if it can, else the game is over with
    // the opponent to move; the 60th placement ends the game without looking.
    const bitboard::LegalPair legal = movesPlayed_ == kMaxPlacements
                                          ? bitboard::LegalPair{0, 0}
                                          : bitboard::legalPlacementsOfBoth(opponent, mover);
    if (legal.first != 0 || legal.second == 0) {
        own_ = opponent;
        other_ = mover;
        ownLegal_ = legal.first;
        otherLegal_ = legal.second;
        side_ = opponentOf(side_);
    } else {
        own_ = mover;
        other_ = opponent;
        ownLegal_ = legal.second;
        otherLegal_ = legal.first;
    }
    assert((own_ & other_) == 0);
    return undo;
}

inline std::int32_t BitPosition::leafScore(Move m, DiscColor computer) const {
    assert(isLegal(m));
    const Bits turned = bitboard::turnedDiscs(m, own_, other_);
    const Bits mover = own_ ^ (turned | Bits{1} << m);
    const Bits opponent = other_ ^ turned;
    const bool computerMoved = computer == side_;
    const bitboard::LegalPair legal = movesPlayed_ + 1 == kMaxPlacements
                                          ? bitboard::LegalPair{0, 0}
                                          : bitboard::legalPlacementsOfBoth(opponent, mover);
    // Who moves next after a pass changes neither colour's discs nor placements.
    if ((legal.first | legal.second) == 0) {
        const std::int32_t moverCount = bitboard::count(mover);
        const std::int32_t opponentCount = bitboard::count(opponent);
        return computerMoved ? WeightTable::finishedGameScore(moverCount, opponentCount)
                             : WeightTable::finishedGameScore(opponentCount, moverCount);
    }
    const std::int32_t moverMobility = bitboard::count(legal.second);
    const std::int32_t opponentMobility = bitboard::count(legal.first);
    return computerMoved ? WeightTable::mobilityDifference(moverMobility, opponentMobility)
                         : WeightTable::mobilityDifference(opponentMobility, moverMobility);
}

inline void BitPosition::unmake(Move /*m*/, const Undo& undo) {
    own_ = undo.own;
    other_ = undo.other;
    ownLegal_ = undo.ownLegal;
    otherLegal_ = undo.otherLegal;
    side_ = undo.side;
    lastMover_ = undo.lastMover;
    --movesPlayed_;
}

DISCADA_KERNELS_END
}  // namespace discada
