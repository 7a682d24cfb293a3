#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "ai/weight_table.h"
#include "board/cell.h"

namespace discada {

class DscProg;

// One bit per playable cell in scan order: bit (column - 1) * 8 + (row - 1), so walking the set
// bits from the lowest visits cells column by column, each column from the top.
using Bits = std::uint64_t;

namespace bits {

// Cells off rows 1 and 8: a run moving up or down a column must not wrap into the next column.
constexpr Bits kInnerRows = 0x7E7E7E7E7E7E7E7EULL;

template <int Step>
constexpr Bits shifted(Bits b) {
    if constexpr (Step > 0) {
        return b << Step;
    } else {
        return b >> -Step;
    }
}

// Placements of `own` that close a run of `other` in one direction, all cells at once.
template <int Step>
constexpr Bits closingPlacements(Bits own, Bits other, Bits empty) {
    Bits run = other & shifted<Step>(own);
    for (int i = 0; i < 5; ++i)
        run |= other & shifted<Step>(run);
    return empty & shifted<Step>(run);
}

// The run of `other` next to `placed` in one direction, if a disc of `own` closes it.
template <int Step>
constexpr Bits turnedRun(Bits placed, Bits own, Bits other) {
    Bits run = other & shifted<Step>(placed);
    for (int i = 0; i < 5; ++i)
        run |= other & shifted<Step>(run);
    return (shifted<Step>(run) & own) != 0 ? run : 0;
}

// Steps: +-1 along a column (row changes), +-8 along a row, +-7 and +-9 diagonally.
constexpr Bits legalPlacements(Bits own, Bits other) {
    const Bits empty = ~(own | other);
    const Bits inner = other & kInnerRows;
    return closingPlacements<1>(own, inner, empty) | closingPlacements<-1>(own, inner, empty) |
           closingPlacements<8>(own, other, empty) | closingPlacements<-8>(own, other, empty) |
           closingPlacements<7>(own, inner, empty) | closingPlacements<-7>(own, inner, empty) |
           closingPlacements<9>(own, inner, empty) | closingPlacements<-9>(own, inner, empty);
}

constexpr Bits turnedDiscs(Bits placed, Bits own, Bits other) {
    const Bits inner = other & kInnerRows;
    return turnedRun<1>(placed, own, inner) | turnedRun<-1>(placed, own, inner) |
           turnedRun<8>(placed, own, other) | turnedRun<-8>(placed, own, other) |
           turnedRun<7>(placed, own, inner) | turnedRun<-7>(placed, own, inner) |
           turnedRun<9>(placed, own, inner) | turnedRun<-9>(placed, own, inner);
}

// The weight of each cell by its bit index.
constexpr std::array<std::int32_t, 64> kCellWeights = [] {
    std::array<std::int32_t, 64> weights{};
    for (std::int32_t m = 0; m < 64; ++m) {
        weights[m] = WeightTable::cellWeight(m / kBoardSize + 1, m % kBoardSize + 1);
    }
    return weights;
}();

// The first `cap` set bits, lowest first.
constexpr Bits firstBits(Bits b, int cap) {
    while (std::popcount(b) > cap)
        b &= ~(Bits{1} << (63 - std::countl_zero(b)));
    return b;
}

}  // namespace bits

// The fast position model of the search: both colours as bitboards, with the turn rules of a
// match (passes, the end of the game, the 60-placement rule) and the scores of the evaluation.
// It keeps the legal placements of the side to move, found by the turn change anyway.
class BitPosition {
public:
    // A cell as its bit index, 0 to 63.
    using Move = std::int32_t;

    // What a take-back restores.
    struct Undo {
        Bits turned;
        Bits legal;
        DiscColor side;
        DiscColor lastMover;
    };

    // Legal placements as a bit set; iterating visits them in scan order.
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
        Iterator begin() const { return Iterator(bits_); }
        Iterator end() const { return Iterator(0); }

    private:
        Bits bits_;
    };

    // The position of a match, with its side to move, last mover and placements played.
    static BitPosition of(const DscProg& match);

    static constexpr Move moveOf(CellPos cell) {
        return (cell.column - 1) * kBoardSize + (cell.row - 1);
    }
    static constexpr CellPos cellOf(Move m) { return {m / kBoardSize + 1, m % kBoardSize + 1}; }

    DiscColor sideToMove() const { return side_; }
    DiscColor lastMoverColor() const { return lastMover_; }
    std::int32_t movesPlayed() const { return movesPlayed_; }
    Bits discs(DiscColor colour) const { return discs_[colour]; }
    // Every legal placement of the side to move; none once the game is over.
    Bits allLegal() const { return legal_; }
    // The candidates of a search node: the first 24 legal placements in scan order.
    Moves legalMoves() const { return Moves(bits::firstBits(legal_, kCellListCapacity)); }

    // Places a disc of the side to move on a legal cell and changes the turn.
    Undo make(Move m);
    void unmake(Move m, const Undo& undo);

    std::int32_t weight(Move m, DiscColor /*mover*/) const { return bits::kCellWeights[m]; }
    std::int32_t endScore(DiscColor computer) const {
        return WeightTable::finishedGameScore(std::popcount(discs_[computer]),
                                              std::popcount(discs_[opponentOf(computer)]));
    }
    std::int32_t mobilityScore(DiscColor computer) const {
        return WeightTable::mobilityDifference(std::popcount(legalOf(computer)),
                                               std::popcount(legalOf(opponentOf(computer))));
    }

private:
    static constexpr std::int32_t kPlacementsInGame = 60;

    Bits legalOf(DiscColor colour) const {
        return colour == side_ ? legal_
                               : bits::legalPlacements(discs_[colour], discs_[opponentOf(colour)]);
    }

    // Indexed by colour; entry 0 stays empty.
    std::array<Bits, 3> discs_{};
    Bits legal_ = 0;
    DiscColor side_ = kBlack;
    DiscColor lastMover_ = -1;
    std::int32_t movesPlayed_ = 0;
};

inline BitPosition::Undo BitPosition::make(Move m) {
    const Bits placed = Bits{1} << m;
    const DiscColor mover = side_;
    const DiscColor other = opponentOf(mover);
    const Undo undo{bits::turnedDiscs(placed, discs_[mover], discs_[other]), legal_, side_,
                    lastMover_};
    discs_[mover] ^= undo.turned | placed;
    discs_[other] ^= undo.turned;
    lastMover_ = mover;
    ++movesPlayed_;
    // The opponent moves if it can, else the mover again if it can, else the game is over; the
    // 60th placement ends the game without looking.
    side_ = other;
    if (movesPlayed_ == kPlacementsInGame) {
        legal_ = 0;
        return undo;
    }
    legal_ = bits::legalPlacements(discs_[other], discs_[mover]);
    if (legal_ != 0) return undo;
    legal_ = bits::legalPlacements(discs_[mover], discs_[other]);
    if (legal_ != 0) side_ = mover;
    return undo;
}

inline void BitPosition::unmake(Move m, const Undo& undo) {
    const Bits placed = Bits{1} << m;
    discs_[undo.side] ^= undo.turned | placed;
    discs_[opponentOf(undo.side)] ^= undo.turned;
    legal_ = undo.legal;
    side_ = undo.side;
    lastMover_ = undo.lastMover;
    --movesPlayed_;
}

}  // namespace discada
