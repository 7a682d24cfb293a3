#pragma once

#include <cstdint>
#include <vector>

#include "ai/bitboard.h"

namespace discada {
inline namespace DISCADA_KERNEL_NAMESPACE {

// Bounds on the best value F of positions met before, for the pruned search. F depends on the
// discs, the side to move (whose discs come first) and the depth alone, so a stored bound holds
// wherever the position comes up again at that depth. The whole position is kept, so a bound is
// never read for another position. A placement found best is kept for the move order of any depth.
class TranspositionTable {
public:
    using Bits = bitboard::Bits;

    struct Entry {
        Bits own = 0;
        Bits other = 0;
        std::int16_t lower = 0;
        std::int16_t upper = 0;
        // 0 marks an empty entry: no search stores a leaf.
        std::int8_t depth = 0;
        // The cell of the best placement found, -1 for none.
        std::int8_t best = -1;
    };

    static constexpr std::size_t kBytes = std::size_t{2} << 20;

    TranspositionTable() : entries_(kBytes / sizeof(Entry)) {}

    // The entry of the position, or nullptr when another position holds its place.
    const Entry* find(Bits own, Bits other) const {
        const Entry& e = entries_[indexOf(own, other)];
        return e.depth != 0 && e.own == own && e.other == other ? &e : nullptr;
    }

    // Keeps the bounds lower <= F <= upper at `depth`, tightening those already kept for the same
    // position and depth, and the best placement if one is given.
    void store(Bits own, Bits other, std::int32_t depth, std::int32_t lower, std::int32_t upper,
               std::int32_t best) {
        Entry& e = entries_[indexOf(own, other)];
        const bool same = e.depth != 0 && e.own == own && e.other == other;
        if (same && e.depth == depth) {
            lower = std::max<std::int32_t>(lower, e.lower);
            upper = std::min<std::int32_t>(upper, e.upper);
        }
        if (best < 0 && same) best = e.best;
        e = {own,
             other,
             static_cast<std::int16_t>(lower),
             static_cast<std::int16_t>(upper),
             static_cast<std::int8_t>(depth),
             static_cast<std::int8_t>(best)};
    }

private:
    std::size_t indexOf(Bits own, Bits other) const {
        const Bits hash = (own * 0x9E3779B97F4A7C15ULL) ^ (other * 0xC2B2AE3D27D4EB4FULL);
        return static_cast<std::size_t>(((hash >> 32) * entries_.size()) >> 32);
    }

    std::vector<Entry> entries_;
};

}  // namespace DISCADA_KERNEL_NAMESPACE
}  // namespace discada
