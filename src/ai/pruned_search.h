#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <limits>

#include "ai/bit_position.h"
#include "ai/kernel_namespace.h"
#include "ai/kernels.h"
#include "ai/transposition_table.h"
#include "ai/tree_walk.h"

namespace discada {
DISCADA_KERNELS_BEGIN

// The tree walk's root placement and root value for the same position, depth, computer and
// caller's bounds, found with alpha-beta pruning, move ordering and a table instead of visiting
// every node the walk visits. Node values are seen from the side to move there and searched
// fail-soft in a window (lo, hi): a result at or below lo bounds the value from above, one at or
// above hi from below, any other is the value. Why the walk's values can be searched this way,
// and what a placement of positive weight needs, is derived in docs/pruned_search.md.
class PrunedSearch {
public:
    using Move = BitPosition::Move;

    explicit PrunedSearch(BitPosition& position) : position_(position) {}
    // The search holds on to the position it searches.
    PrunedSearch(const PrunedSearch&) = delete;
    PrunedSearch& operator=(const PrunedSearch&) = delete;

    // The tree walk's search of `depth` for `computer` with the caller's alpha and beta: root
    // value, root placement (-1 when the root is a leaf) and the positions visited.
    [[nodiscard]] SearchResult search(DiscColor computer, std::int32_t depth, std::int32_t alpha,
                                      std::int32_t beta);
    // The walk's value of the position as a node that tests its cut-off against `bound` (E), or
    // tests none (F) when the bound is kSearchInfinity; fail-soft in (lo, hi).
    [[nodiscard]] std::int32_t value(std::int32_t depth, std::int32_t bound, std::int32_t lo,
                                     std::int32_t hi);

private:
    // Every value lies well inside this.
    static constexpr std::int32_t kInfinity = kSearchInfinity;
    // Values and their bounds are kept in 16 bits: they lie within the infinities widened by a
    // placement's weight, far less than twice them. Indices of placements are kept in 8 bits.
    static_assert(2 * kInfinity <= std::numeric_limits<std::int16_t>::max());
    static_assert(kCellListCapacity <= std::numeric_limits<std::int8_t>::max());
    // Nodes nearer the leaves cost less to search again than to keep.
    static constexpr std::int32_t kLeastStoredDepth = 3;
    // Half the width of the root's first window around the value of the search before.
    static constexpr std::int32_t kAspiration = 3;
    // Nearer the leaves a placement costs too little to search for its move-order key to pay.
    static constexpr std::int32_t kLeastKeyedDepth = 4;
    // The mobility an opponent's corner placement counts for in the move order.
    static constexpr std::int32_t kCornerMobility = 3;

    // The root also chooses the walk's placement: it takes nothing from the table and searches a
    // node at depth 1 placement by placement. Every other node is inner.
    enum class NodeType { Root, Inner };

    enum class Kind : std::uint8_t {
        // Its value is its weight and the child's F, or a leaf score, whatever came before it.
        Plain,
        // A placement of positive weight whose child has not been visited yet: plain if the
        // child passes back or ends the game.
        PositiveUnvisited,
        // A placement of positive weight into a child that tests its cut-off: its value depends
        // on the best value of the placements before it in list order.
        PositiveIntoTest,
    };

    // What is known of one placement's value: lb <= value <= ub; for a positive placement the
    // same of its base, weight - F(child), which bounds its value from below.
    struct Child {
        Move move;
        Kind kind;
        std::int16_t lb;
        std::int16_t ub;
        std::int16_t baseLb;
        std::int16_t baseUb;
    };

    // One node's placements in list order, the order they are searched in (indices into
    // children), its depth and the top of its window.
    struct Node {
        std::array<Child, kCellListCapacity> children;
        std::array<std::int8_t, kCellListCapacity> order;
        std::int32_t count = 0;
        std::int32_t depth = 0;
        std::int32_t hi = 0;
    };

    // A child's value from the mover's side, and whether the child tests its cut-off.
    struct ChildValue {
        std::int32_t value;
        bool testsCutOff;
    };

    // F and E(bound) of the position, fail-soft in (lo, hi); the root also leaves the walk's
    // placement in rootChoice_ when its value falls inside the window.
    template <NodeType type>
    std::int32_t searchF(std::int32_t depth, std::int32_t lo, std::int32_t hi);
    template <NodeType type>
    std::int32_t searchE(std::int32_t depth, std::int32_t bound, std::int32_t lo, std::int32_t hi);
    // E of a node whose placements all lead to leaves: the first value beyond `bound`, else the
    // best; fail-soft below hi. For F (no bound) the order does not matter, so the placements
    // most likely to reach hi come first.
    std::int32_t leafRow(std::int32_t bound, std::int32_t hi);
    // The root of the walk's search with the bound it inherits: the walk's value, and its
    // placement in rootChoice_.
    std::int32_t searchRoot(std::int32_t depth, std::int32_t bound);
    // The root of a game's first placement searched for the colour not to move. With no
    // placement before it, it takes its own best value so far for its caller's bound and cuts
    // off at the first value below it, so it needs every value exactly.
    std::int32_t searchSelfBoundedRoot(std::int32_t depth);

    void fill(Node& node, std::int32_t depth, std::int32_t hi) const;
    // Makes child k known in (lo, hi): exact inside, or bounded by lo or by hi.
    void refine(Node& node, std::int32_t k, std::int32_t lo) { refine(node, k, lo, node.hi); }
    void refine(Node& node, std::int32_t k, std::int32_t lo, std::int32_t hi);
    // The same for a placement of positive weight. `early`: it is searched before the
    // placements it depends on, so it leaves what they must answer to the end of the node.
    void refinePositive(Node& node, std::int32_t k, std::int32_t lo, std::int32_t hi, bool early);
    // Visits a positive placement's child for the first time, or again for its base.
    void searchBase(Node& node, std::int32_t k, std::int32_t lo, std::int32_t hi);
    // weight -/+ F(child), or weight + the leaf score, fail-soft in (lo, hi).
    ChildValue childValue(const Node& node, Move m, std::int32_t lo, std::int32_t hi);
    // weight - E(-best) of a positive placement into a child that tests its cut-off, `best`
    // standing for the best value before it; fail-soft in (lo, hi).
    std::int32_t positiveValue(const Node& node, Move m, std::int32_t best, std::int32_t lo,
                               std::int32_t hi);
    // The order in which F visits the placements: the best one of an earlier search, then by how
    // few placements they leave the opponent; near the leaves by weight alone.
    void orderForF(Node& node, Move hint);
    // The node's value once every placement is known against the best exact one (or lo).
    static std::int32_t settled(const Node& node, std::int32_t lo);
    // Refines until every placement is known against the best value found; returns that value,
    // or a bound at or below lo.
    std::int32_t settle(Node& node, std::int32_t lo);
    // The first placement in list order whose value is `value`, the node's best.
    Move firstWith(Node& node, std::int32_t value);

    // Every line ends with the game within the placements left, so a deeper search, or one
    // without a depth (a negative one never reaches 0), is the search to the end of the game.
    std::int32_t withinGame(std::int32_t depth) const {
        const std::int32_t left = position_.placementsLeft();
        return depth < 0 || depth > left ? left : depth;
    }
    static bool known(std::int32_t lb, std::int32_t ub, std::int32_t lo, std::int32_t hi) {
        return lb == ub || ub <= lo || lb >= hi;
    }
    static bool exact(const Child& c) { return c.lb == c.ub; }
    // Records a fail-soft result of a search in (lo, hi) in the bounds it tightens.
    static void record(std::int16_t& lb, std::int16_t& ub, std::int32_t value, std::int32_t lo,
                       std::int32_t hi) {
        if (value > lo) lb = static_cast<std::int16_t>(std::max<std::int32_t>(lb, value));
        if (value < hi) ub = static_cast<std::int16_t>(std::min<std::int32_t>(ub, value));
    }
    static std::int32_t weight(Move m) { return bitboard::kCellWeights[m]; }
    // The cells of each weight, the heaviest first.
    static constexpr std::array<bitboard::Bits, 4> kWeightClasses = {
        bitboard::cellsWeighing(30), bitboard::cellsWeighing(0), bitboard::cellsWeighing(-20),
        bitboard::cellsWeighing(-30)};

    BitPosition& position_;
    TranspositionTable table_;
    std::uint64_t nodes_ = 0;
    // The walk's placement at the root, -1 until the root's value is found.
    Move rootChoice_ = -1;
};

inline SearchResult PrunedSearch::search(DiscColor computer, std::int32_t depth, std::int32_t alpha,
                                         std::int32_t beta) {
    SearchResult result;
    nodes_ = 0;
    rootChoice_ = -1;
    depth = withinGame(depth);
    table_.sizeFor(depth);
    const DiscColor side = position_.sideToMove();
    if (position_.allLegal() == 0) {
        nodes_ = 1;
        result.value = position_.endScore(computer);
    } else if (depth == 0) {
        nodes_ = 1;
        result.value = position_.mobilityScore(computer);
    } else {
        const DiscColor previous = position_.lastMoverColor();
        // The bound the root inherits, seen from its side; after a pass it tests nothing.
        const std::int32_t value =
            previous == -1 && side != computer
                ? searchSelfBoundedRoot(depth)
                : searchRoot(depth,
                             previous == side ? kInfinity : (side == computer ? beta : -alpha));
        result.value = side == computer ? value : -value;
        result.move = rootChoice_;
    }
    result.nodes = nodes_;
    return result;
}

inline std::int32_t PrunedSearch::searchRoot(std::int32_t depth, std::int32_t bound) {
    // Step 1. Shallower searches of the same parity, from the least depth the table keeps, leave
    // their best placements for the move order: the mobility at the leaves favours whoever
    // placed last, so a search one placement shallower would point it the wrong way.
    std::int32_t guess = kInfinity;
    for (std::int32_t shallower = kLeastStoredDepth + (depth - kLeastStoredDepth) % 2;
         shallower < depth; shallower += 2)
        guess = searchF<NodeType::Inner>(shallower, -kInfinity, kInfinity);

    // Step 2. A root that tests nothing looks for its value near theirs first.
    if (bound == kInfinity && guess != kInfinity) {
        const std::int32_t lo = guess - kAspiration;
        const std::int32_t hi = guess + kAspiration;
        const std::int32_t value = searchF<NodeType::Root>(depth, lo, hi);
        if (value > lo && value < hi) return value;
    }

    // Step 3. The whole window.
    return searchE<NodeType::Root>(depth, bound, -kInfinity, kInfinity);
}

inline std::int32_t PrunedSearch::value(std::int32_t depth, std::int32_t bound, std::int32_t lo,
                                        std::int32_t hi) {
    nodes_ = 0;
    depth = withinGame(depth);
    table_.sizeFor(depth);
    const DiscColor side = position_.sideToMove();
    if (position_.allLegal() == 0) return position_.endScore(side);
    if (depth == 0) return position_.mobilityScore(side);
    return searchE<NodeType::Inner>(depth, bound, lo, hi);
}

template <PrunedSearch::NodeType type>
std::int32_t PrunedSearch::searchF(std::int32_t depth, std::int32_t lo, std::int32_t hi) {
    constexpr bool root = type == NodeType::Root;
    if (depth == 1 && !root) return leafRow(kInfinity, hi);
    ++nodes_;

    // Step 1. The table: a bound from a search of the same depth may settle the node; any entry
    // names the placement found best, which is searched first.
    const DiscColor side = position_.sideToMove();
    const TranspositionTable::Bits own = position_.discs(side);
    const TranspositionTable::Bits other = position_.discs(opponentOf(side));
    Move hint = -1;
    if (const TranspositionTable::Entry* entry =
            depth >= kLeastStoredDepth ? table_.find(own, other) : nullptr) {
        hint = entry->bestPlusOne - 1;
        if (entry->depth == depth && !root) {
            if (entry->lower >= hi || entry->lower == entry->upper) return entry->lower;
            if (entry->upper <= lo) return entry->upper;
        }
    }

    // Step 2. The placements in list order, and the order to search them in.
    Node node;
    fill(node, depth, hi);
    orderForF(node, hint);

    // Step 3. Each placement against the best value so far, cutting off at the first that
    // reaches hi. After the first, a null window tells whether another is better, except where
    // the children are rows of leaves: a row costs the same whatever the window.
    std::int32_t best = lo;
    for (std::int32_t i = 0; i < node.count; ++i) {
        const std::int32_t k = node.order[i];
        Child& c = node.children[k];
        if (c.kind == Kind::Plain) {
            if (i > 0 && depth > 2) refine(node, k, best, best + 1);
            refine(node, k, best);
        } else {
            // A positive placement's base bounds the node from below. Its value may rise above
            // the base through the placements before it, so it is asked for at once, while its
            // child's answers are fresh.
            searchBase(node, k, best, hi);
            if (c.kind == Kind::PositiveIntoTest && !known(c.lb, c.ub, best, hi))
                refinePositive(node, k, best, hi, true);
        }
        if (c.lb >= hi) {
            if (depth >= kLeastStoredDepth)
                table_.store(own, other, depth, c.lb, kInfinity, c.move);
            return c.lb;
        }
        best = std::max<std::int32_t>(best, c.lb);
    }

    // Step 4. Settle what the positive placements left open, in list order.
    const std::int32_t value = settle(node, lo);

    // Step 5. Keep the bound and the best placement; the root also chooses the walk's placement.
    Move found = -1;
    for (std::int32_t k = 0; k < node.count; ++k) {
        if (node.children[k].lb == value) found = node.children[k].move;
    }
    if (depth >= kLeastStoredDepth)
        table_.store(own, other, depth, value > lo ? value : -kInfinity,
                     value < hi ? value : kInfinity, found);
    if (root && value > lo && value < hi) rootChoice_ = firstWith(node, value);
    return value;
}

template <PrunedSearch::NodeType type>
std::int32_t PrunedSearch::searchE(std::int32_t depth, std::int32_t bound, std::int32_t lo,
                                   std::int32_t hi) {
    constexpr bool root = type == NodeType::Root;
    // Step 1. No placement beyond the bound can fall inside the window: E is F there, and above
    // the window E is at least the lesser of F and bound + 1.
    if (bound >= hi - 1) {
        const std::int32_t value = searchF<type>(depth, lo, hi);
        return value >= hi ? std::min(value, bound + 1) : value;
    }
    if (depth == 1 && !root) return leafRow(bound, hi);

    // Step 2. The table: E is F when F is at most bound + 1, and otherwise beyond the bound. (A
    // bound at or below lo is not returned: the positive placement that asks needs the value of
    // the first placement beyond the bound, and F only bounds it.)
    const DiscColor side = position_.sideToMove();
    if (const TranspositionTable::Entry* entry =
            depth >= kLeastStoredDepth
                ? table_.find(position_.discs(side), position_.discs(opponentOf(side)))
                : nullptr;
        entry && entry->depth == depth && !root) {
        if (std::min<std::int32_t>(entry->lower, bound + 1) >= hi)
            return std::min<std::int32_t>(entry->lower, bound + 1);
        if (entry->upper <= bound + 1) return searchF<NodeType::Inner>(depth, lo, hi);
    }
    ++nodes_;

    // Step 3. The placements in list order: the first beyond the bound is the value; below it
    // each only needs to be known against the best so far, and against the bound.
    Node node;
    fill(node, depth, hi);
    std::int32_t best = -kInfinity;
    for (std::int32_t k = 0; k < node.count; ++k) {
        refine(node, k, std::min(bound, std::max(lo, best)));
        const Child& c = node.children[k];
        if (c.lb > bound) {
            if (root) rootChoice_ = c.move;
            return c.lb;
        }
        if (exact(c) && c.lb > best) {
            best = c.lb;
            if (root) rootChoice_ = c.move;
        }
    }

    // Step 4. None is beyond the bound: E is F, the best of them.
    return settled(node, lo);
}

inline std::int32_t PrunedSearch::leafRow(std::int32_t bound, std::int32_t hi) {
    const DiscColor side = position_.sideToMove();
    std::int32_t best = -kInfinity;
    if (bound >= kInfinity) {
        const bitboard::Bits legal = bitboard::firstBits(position_.allLegal(), kCellListCapacity);
        for (const bitboard::Bits cells : kWeightClasses) {
            for (bitboard::Bits rest = legal & cells; rest != 0; rest &= rest - 1) {
                const Move m = std::countr_zero(rest);
                ++nodes_;
                const std::int32_t value = weight(m) + position_.leafScore(m, side);
                if (value >= hi) return value;
                best = std::max(best, value);
            }
        }
        return best;
    }
    for (const Move m : position_.legalMoves()) {
        ++nodes_;
        const std::int32_t value = weight(m) + position_.leafScore(m, side);
        if (value > bound || value >= hi) return value;
        best = std::max(best, value);
    }
    return best;
}

inline std::int32_t PrunedSearch::searchSelfBoundedRoot(std::int32_t depth) {
    ++nodes_;
    Node node;
    fill(node, depth, kInfinity);
    std::int32_t best = -kInfinity;
    for (std::int32_t k = 0; k < node.count; ++k) {
        const Move m = node.children[k].move;
        ChildValue child = childValue(node, m, -kInfinity, kInfinity);
        if (child.testsCutOff) child.value = positiveValue(node, m, best, -kInfinity, kInfinity);
        // Beyond the bound here means below the best so far.
        if (child.value < best) {
            rootChoice_ = m;
            return child.value;
        }
        if (child.value > best) {
            best = child.value;
            rootChoice_ = m;
        }
    }
    return best;
}

inline void PrunedSearch::fill(Node& node, std::int32_t depth, std::int32_t hi) const {
    node.depth = depth;
    node.hi = hi;
    node.count = 0;
    for (const Move m : position_.legalMoves()) {
        const bool positive = weight(m) > 0 && depth > 1;
        node.order[node.count] = static_cast<std::int8_t>(node.count);
        node.children[node.count++] = {m,          positive ? Kind::PositiveUnvisited : Kind::Plain,
                                       -kInfinity, kInfinity,
                                       -kInfinity, kInfinity};
    }
}

inline PrunedSearch::ChildValue PrunedSearch::childValue(const Node& node, Move m, std::int32_t lo,
                                                         std::int32_t hi) {
    const DiscColor side = position_.sideToMove();
    const std::int32_t w = weight(m);
    if (node.depth == 1) {
        ++nodes_;
        return {w + position_.leafScore(m, side), false};
    }
    const BitPosition::Undo undo = position_.make(m);
    ChildValue child{0, false};
    if (position_.allLegal() == 0) {
        ++nodes_;
        child.value = w + position_.endScore(side);
    } else if (position_.sideToMove() == side) {
        child.value = w + searchF<NodeType::Inner>(node.depth - 1, lo - w, hi - w);
    } else {
        child = {w - searchF<NodeType::Inner>(node.depth - 1, w - hi, w - lo), true};
    }
    position_.unmake(m, undo);
    return child;
}

inline std::int32_t PrunedSearch::positiveValue(const Node& node, Move m, std::int32_t best,
                                                std::int32_t lo, std::int32_t hi) {
    const std::int32_t w = weight(m);
    const BitPosition::Undo undo = position_.make(m);
    const std::int32_t value = w - searchE<NodeType::Inner>(node.depth - 1, -best, w - hi, w - lo);
    position_.unmake(m, undo);
    return value;
}

inline void PrunedSearch::refine(Node& node, std::int32_t k, std::int32_t lo, std::int32_t hi) {
    Child& c = node.children[k];
    if (known(c.lb, c.ub, lo, hi)) return;
    if (c.kind != Kind::Plain) {
        refinePositive(node, k, lo, hi, false);
        return;
    }
    record(c.lb, c.ub, childValue(node, c.move, lo, hi).value, lo, hi);
}

inline void PrunedSearch::searchBase(Node& node, std::int32_t k, std::int32_t lo, std::int32_t hi) {
    Child& c = node.children[k];
    const ChildValue child = childValue(node, c.move, lo, hi);
    if (child.testsCutOff) {
        c.kind = Kind::PositiveIntoTest;
        record(c.baseLb, c.baseUb, child.value, lo, hi);
        c.lb = std::max(c.lb, c.baseLb);
    } else {
        c.kind = Kind::Plain;
        record(c.lb, c.ub, child.value, lo, hi);
    }
}

inline void PrunedSearch::refinePositive(Node& node, std::int32_t k, std::int32_t lo,
                                         std::int32_t hi, bool early) {
    Child& c = node.children[k];
    if (!known(c.baseLb, c.baseUb, lo, hi)) {
        searchBase(node, k, lo, hi);
        if (c.kind == Kind::Plain) return;
    }

    // The value v(m), with m the best value before the placement in list order, is its base for
    // m <= base - lift and lies between its base and m + lift above; it never falls as m rises.
    // So it is searched with an upper bound u of m; the value found holds for every m above the
    // threshold that search reports, and only below it are the placements before it asked more.
    const std::int32_t lift = weight(c.move) - 1;
    const bool baseExact = c.baseLb == c.baseUb;
    while (!known(c.lb, c.ub, lo, hi)) {
        std::int32_t lower = -kInfinity;
        std::int32_t upper = -kInfinity;
        for (std::int32_t j = 0; j < k; ++j) {
            lower = std::max<std::int32_t>(lower, node.children[j].lb);
            upper = std::max<std::int32_t>(upper, node.children[j].ub);
        }
        if (baseExact && upper <= c.baseLb - lift) {
            c.ub = c.baseLb;
            return;
        }
        if (c.baseUb <= lo && upper + lift <= lo) {
            c.ub = static_cast<std::int16_t>(std::max<std::int32_t>(c.baseUb, upper + lift));
            return;
        }
        const std::int32_t value = positiveValue(node, c.move, upper, lo, hi);
        // v(m) is this value for every m in (threshold, upper]: the first placement of the
        // child beyond -upper stays the first beyond any bound up to its value.
        const std::int32_t threshold = value - weight(c.move);
        if (value <= lo || threshold >= upper || lower > threshold) {
            record(c.lb, c.ub, value, lo, hi);
            return;
        }
        // A placement before it beyond a threshold at or above lo would itself be better than
        // lo, and is asked that by the loop of the node anyway.
        if (early && threshold >= lo) {
            if (value < hi) c.ub = static_cast<std::int16_t>(std::min<std::int32_t>(c.ub, value));
            return;
        }
        // The placements most likely to lie beyond the threshold are asked first.
        for (std::int32_t i = 0; i < node.count && lower <= threshold; ++i) {
            const std::int32_t j = node.order[i];
            if (j >= k) continue;
            refine(node, j, threshold, threshold + 1);
            lower = std::max<std::int32_t>(lower, node.children[j].lb);
        }
        if (lower > threshold) {
            record(c.lb, c.ub, value, lo, hi);
            return;
        }
    }
}

inline void PrunedSearch::orderForF(Node& node, Move hint) {
    // Near the leaves the heavier cells first.
    if (node.depth < kLeastKeyedDepth) {
        const bitboard::Bits legal = bitboard::firstBits(position_.allLegal(), kCellListCapacity);
        std::int32_t i = 0;
        for (const bitboard::Bits cells : kWeightClasses) {
            for (bitboard::Bits rest = legal & cells; rest != 0; rest &= rest - 1) {
                const bitboard::Bits before = (rest & (0 - rest)) - 1;
                node.order[i++] = static_cast<std::int8_t>(bitboard::count(legal & before));
            }
        }
        return;
    }
    // The key: the placements the opponent is left (none when it must pass), a corner among
    // them counting for kCornerMobility more; minus a fifth of the weight, so that a cell next
    // to a corner counts as leaving the opponent four to six more placements. Packed above the
    // list index, so that a plain sort keeps list order between equal keys.
    constexpr std::int32_t kIndexBits = 5;
    static_assert(kCellListCapacity <= 1 << kIndexBits);
    constexpr std::int32_t kHintKey = -kInfinity;
    const DiscColor side = position_.sideToMove();
    const bitboard::Bits own = position_.discs(side);
    const bitboard::Bits other = position_.discs(opponentOf(side));
    std::array<std::int32_t, kCellListCapacity> packed;
    for (std::int32_t k = 0; k < node.count; ++k) {
        const Move m = node.children[k].move;
        std::int32_t key = kHintKey;
        if (m != hint) {
            const bitboard::Bits turned = bitboard::turnedDiscs(m, own, other);
            const bitboard::Bits reply = bitboard::legalPlacementsOfBoth(
                                             other ^ turned, own ^ turned ^ bitboard::Bits{1} << m)
                                             .first;
            key = bitboard::count(reply) +
                  kCornerMobility * bitboard::count(reply & kWeightClasses[0]) - weight(m) / 5;
        }
        packed[k] = (key - kHintKey) << kIndexBits | k;
    }
    for (std::int32_t i = 1; i < node.count; ++i) {
        const std::int32_t moving = packed[i];
        std::int32_t j = i;
        for (; j > 0 && packed[j - 1] > moving; --j)
            packed[j] = packed[j - 1];
        packed[j] = moving;
    }
    for (std::int32_t i = 0; i < node.count; ++i)
        node.order[i] = static_cast<std::int8_t>(packed[i] & ((1 << kIndexBits) - 1));
}

inline std::int32_t PrunedSearch::settled(const Node& node, [[maybe_unused]] std::int32_t lo) {
    std::int32_t exactBest = -kInfinity;
    std::int32_t upperBest = -kInfinity;
    for (std::int32_t k = 0; k < node.count; ++k) {
        const Child& c = node.children[k];
        if (exact(c)) {
            exactBest = std::max<std::int32_t>(exactBest, c.lb);
        } else {
            upperBest = std::max<std::int32_t>(upperBest, c.ub);
        }
    }
    assert(exactBest > lo ? upperBest <= exactBest : upperBest <= lo);
    return std::max(exactBest, upperBest);
}

inline std::int32_t PrunedSearch::settle(Node& node, std::int32_t lo) {
    std::int32_t best = lo;
    for (std::int32_t k = 0; k < node.count; ++k)
        best = std::max<std::int32_t>(best, node.children[k].lb);
    for (std::int32_t k = 0; k < node.count; ++k) {
        const Child& c = node.children[k];
        if (known(c.lb, c.ub, best, node.hi)) continue;
        refine(node, k, best);
        best = std::max<std::int32_t>(best, c.lb);
        // Settling a positive placement may have tightened those before it as well.
        if (c.kind != Kind::Plain) {
            for (std::int32_t j = 0; j < k; ++j)
                best = std::max<std::int32_t>(best, node.children[j].lb);
        }
        if (best >= node.hi) return best;
    }
    return settled(node, lo);
}

inline PrunedSearch::Move PrunedSearch::firstWith(Node& node, std::int32_t value) {
    for (std::int32_t k = 0; k < node.count; ++k) {
        refine(node, k, value - 1);
        if (node.children[k].lb == value && exact(node.children[k])) return node.children[k].move;
    }
    assert(false);
    return -1;
}

DISCADA_KERNELS_END
}  // namespace discada
