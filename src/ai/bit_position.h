#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "ai/bitboard.h"
#include "ai/weight_table.h"
#include "board/cell.h"

namespace discada {

class DscProg;

// The fast position model of the search: both colours as bit sets, with the turn rules of a
// match (passes, the end of the game, the 60-placement rule) and the scores of the evaluation.
// The turn change finds the legal placements of both colours at once and keeps them, for the
// next node's list and for the mobility at a leaf.
class BitPosition {
public:
    using Bits = bitboard::Bits;
    // A cell as its bit, 0 to 63.
    using Move = std::int32_t;

    // What a take-back restores besides the discs.
    struct Undo {
        Bits turned;
        Bits legalBlack;
        Bits legalWhite;
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
    static constexpr CellPos cellOf(Move m) { return {m / kBoardSize + 1, m % kBoardSize + 1}; }

    DiscColor sideToMove() const { return side_; }
    DiscColor lastMoverColor() const { return lastMover_; }
    std::int32_t movesPlayed() const { return movesPlayed_; }
    Bits discs(DiscColor colour) const { return discs_[colour]; }
    // Every legal placement of the side to move; none once the game is over.
    Bits allLegal() const { return legal_[side_]; }
    Moves legalMoves() const { return Moves(legal_[side_]); }

    // Places a disc of the side to move on a legal cell and changes the turn.
    Undo make(Move m);
    void unmake(Move m, const Undo& undo);

    std::int32_t weight(Move m, DiscColor /*mover*/) const { return bitboard::kCellWeights[m]; }
    std::int32_t endScore(DiscColor computer) const {
        return WeightTable::finishedGameScore(bitboard::count(discs_[computer]),
                                              bitboard::count(discs_[opponentOf(computer)]));
    }
    std::int32_t mobilityScore(DiscColor computer) const {
        return WeightTable::mobilityDifference(bitboard::count(legal_[computer]),
                                               bitboard::count(legal_[opponentOf(computer)]));
    }

private:
    static constexpr std::int32_t kPlacementsInGame = 60;

    void findLegal() {
        const bitboard::BothLegal legal =
            bitboard::legalPlacementsOfBoth(discs_[kBlack], discs_[kWhite]);
        legal_[kBlack] = legal.black;
        legal_[kWhite] = legal.white;
    }

    // Both indexed by colour; entry 0 stays empty.
    std::array<Bits, 3> discs_{};
    std::array<Bits, 3> legal_{};
    DiscColor side_ = kBlack;
    DiscColor lastMover_ = -1;
    std::int32_t movesPlayed_ = 0;
};

inline BitPosition::Undo BitPosition::make(Move m) {
    const Bits placed = Bits{1} << m;
    const DiscColor mover = side_;
    const DiscColor other = opponentOf(mover);
    const Undo undo{bitboard::turnedDiscs(m, discs_[mover], discs_[other]), legal_[kBlack],
                    legal_[kWhite], side_, lastMover_};
    discs_[mover] ^= undo.turned | placed;
    discs_[other] ^= undo.turned;
    lastMover_ = mover;
    ++movesPlayed_;
    // The opponent moves if it can, else the mover again if it can, else the game is over; the
    // 60th placement ends the game without looking.
    side_ = other;
    if (movesPlayed_ == kPlacementsInGame) {
        legal_[kBlack] = 0;
        legal_[kWhite] = 0;
        return undo;
    }
    findLegal();
    if (legal_[other] == 0 && legal_[mover] != 0) side_ = mover;
    return undo;
}

inline void BitPosition::unmake(Move m, const Undo& undo) {
    const Bits placed = Bits{1} << m;
    discs_[undo.side] ^= undo.turned | placed;
    discs_[opponentOf(undo.side)] ^= undo.turned;
    legal_[kBlack] = undo.legalBlack;
    legal_[kWhite] = undo.legalWhite;
    side_ = undo.side;
    lastMover_ = undo.lastMover;
    --movesPlayed_;
}

}  // namespace discada
