#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

#include "ai/bitboard.h"
#include "ai/kernel_namespace.h"
#include "ai/tree_walk.h"
#include "match/match_types.h"

namespace discada {
DISCADA_KERNELS_BEGIN

// Bounds on the best value F of positions met before, for the pruned search. F depends on the
// discs, the side to move (whose discs come first) and the depth alone, so a stored bound holds
// wherever the position comes up again at that depth. The whole position is kept, so a bound is
// never read for another position. A placement found best is kept for the move order at any depth.
class TranspositionTable {
public:
    using Bits = bitboard::Bits;

    // All zero is an empty entry.
    struct Entry {
        Bits own;
        Bits other;
        std::int16_t lower;
        std::int16_t upper;
        // 0 for an empty entry: no search stores a leaf.
        std::int8_t depth;
        // The cell of the best placement found plus one, 0 for none.
        std::int8_t bestPlusOne;
    };

    // The size for a search of depth 10 or more; each placement less halves it, down to
    // kLeastBytes, since a shallow search would spend more on touching the pages of a large
    // table than the table saves it. Counted in entries of kEntryBytes, the size of an entry on
    // every target, so that the search visits the same positions on all of them.
    static constexpr std::size_t kBytes = std::size_t{2} << 20;
    static constexpr std::int32_t kFullDepth = 10;
    static constexpr std::size_t kLeastBytes = std::size_t{16} << 10;
    static constexpr std::size_t kEntryBytes = 24;
    // The bench signature counts the positions a search visits, and so the entries of the table.
    static_assert(sizeof(Entry) == kEntryBytes);
    // What an entry narrows: bounds are values of the search, which lie well within twice its
    // infinity; a depth is at most the placements of a whole game; the best placement is a cell
    // plus one.
    static_assert(2 * kSearchInfinity <= std::numeric_limits<std::int16_t>::max());
    static_assert(kMaxPlacements <= std::numeric_limits<std::int8_t>::max());
    static_assert(bitboard::kCells <= std::numeric_limits<std::int8_t>::max());

    // Empty until sized; it then keeps nothing and the search runs without it.
    TranspositionTable() = default;

    // Makes the table the size for a search of `depth` (at least 0), empty; keeps it, contents
    // and all, when it has that size already. The entries are taken zeroed from the system, so that
    // a search pays only for the pages it touches. Without the memory the table stays empty.
    void sizeFor(std::int32_t depth) {
        const std::size_t bytes =
            depth >= kFullDepth ? kBytes : std::max(kBytes >> (kFullDepth - depth), kLeastBytes);
        const std::size_t count = bytes / kEntryBytes;
        if (count == count_ && entries_) return;
        entries_.reset(static_cast<Entry*>(std::calloc(count, sizeof(Entry))));
        count_ = entries_ ? count : 0;
    }

    // The entry of the position, or nullptr when other positions hold its places.
    const Entry* find(Bits own, Bits other) const {
        if (!entries_) return nullptr;
        Entry* bucket = &entries_[indexOf(own, other)];
        for (std::size_t i = 0; i < kBucket; ++i)
            if (holds(bucket[i], own, other)) return &bucket[i];
        return nullptr;
    }

    // Keeps lower <= F <= upper at `depth`, tightening what is kept for the same position and
    // depth, and the best placement if there is one (a cell, or -1).
    void store(Bits own, Bits other, std::int32_t depth, std::int32_t lower, std::int32_t upper,
               std::int32_t best) {
        if (!entries_) return;
        Entry* bucket = &entries_[indexOf(own, other)];
        Entry* slot = holds(bucket[0], own, other) ? &bucket[0] : &bucket[1];
        if (!holds(*slot, own, other) && depth >= bucket[0].depth) {
            // A search as deep or deeper takes the first entry; what it held moves to the second.
            bucket[1] = bucket[0];
            slot = &bucket[0];
        }
        Entry& e = *slot;
        const bool same = holds(e, own, other);
        if (same && e.depth == depth) {
            lower = std::max<std::int32_t>(lower, e.lower);
            upper = std::min<std::int32_t>(upper, e.upper);
        }
        // Bounds on one value, from searches that cannot disagree.
        assert(lower <= upper);
        const std::int32_t bestPlusOne = best >= 0 ? best + 1 : (same ? e.bestPlusOne : 0);
        e = {own,
             other,
             static_cast<std::int16_t>(lower),
             static_cast<std::int16_t>(upper),
             static_cast<std::int8_t>(depth),
             static_cast<std::int8_t>(bestPlusOne)};
    }

private:
    // A position may be kept in either of two neighbouring entries: the first keeps the deepest
    // search met there, the second the latest of the others, so that the many shallow searches
    // do not push out the few deep ones that save the most.
    static constexpr std::size_t kBucket = 2;

    struct Free {
        void operator()(Entry* entries) const { std::free(entries); }
    };

    // Each colour's discs times an odd constant of well mixed bits (2^64 over the golden ratio,
    // and a prime of the xxHash family): the high bits of the product depend on every disc, and
    // the two colours differ, so a position and its colours swapped fall apart. The high 32 bits
    // times the number of pairs, shifted back down, spread the hash evenly over the pairs of
    // entries without a division.
    std::size_t indexOf(Bits own, Bits other) const {
        const Bits hash = (own * 0x9E3779B97F4A7C15ULL) ^ (other * 0xC2B2AE3D27D4EB4FULL);
        return static_cast<std::size_t>(((hash >> 32) * (count_ / kBucket)) >> 32) * kBucket;
    }
    static bool holds(const Entry& e, Bits own, Bits other) {
        return e.depth != 0 && e.own == own && e.other == other;
    }

    std::unique_ptr<Entry[], Free> entries_;
    std::size_t count_ = 0;
};

DISCADA_KERNELS_END
}  // namespace discada
