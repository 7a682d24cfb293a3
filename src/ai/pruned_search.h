#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

#include "ai/bit_position.h"
#include "ai/kernels.h"
#include "ai/transposition_table.h"
#include "ai/tree_walk.h"

namespace discada {
inline namespace DISCADA_KERNEL_NAMESPACE {

// The tree walk's answer (root placement and root value) found with alpha-beta pruning.
//
// Values here are seen from the side to move of each node. The walk's value of a node that tests
// its cut-off is E(b): the first placement value beyond the bound b it inherits, else the best
// one. F, the best value (the node's own cut-off switched off), depends on the position and the
// depth alone, so any move order and any window find it. Placement values act through F, except
// the value of a placement of positive weight (a corner) into a node that tests its cut-off:
// weight - E(-m), where m is the best value of the placements before it in list order, can rise
// above m where weight - F could not. Such a corner is settled after the other placements: its
// child is searched in list order against an upper bound of m, and the placements before it are
// then asked only whether m lies above the point below which that answer could change. The
// root's choice is the walk's: the first placement in list order with the root's value.
// Values are searched fail-soft in a window (lo, hi): a result at or below lo bounds the value
// from above, one at or above hi from below, any other is the value.
class PrunedSearch {
public:
    using Move = BitPosition::Move;

    explicit PrunedSearch(BitPosition& position) : position_(position) {}
    // The search holds on to the position it searches.
    PrunedSearch(const PrunedSearch&) = delete;
    PrunedSearch& operator=(const PrunedSearch&) = delete;

    // The tree walk's search of `depth` for `computer` with the caller's alpha and beta: root
    // value, root placement (-1 when the root is a leaf) and the positions visited.
    SearchResult search(DiscColor computer, std::int32_t depth, std::int32_t alpha,
                        std::int32_t beta);
    // The walk's value of the position, seen from its side to move, as a node that tests its
    // cut-off against `bound` (E), or as one that tests none (F) for a bound of kSearchInfinity;
    // fail-soft in (lo, hi).
    std::int32_t value(std::int32_t depth, std::int32_t bound, std::int32_t lo, std::int32_t hi);

private:
    // Every value lies well inside this.
    static constexpr std::int32_t kInfinity = kSearchInfinity;
    // Nodes nearer the leaves cost less to search again than to keep.
    static constexpr std::int32_t kLeastStoredDepth = 3;

    enum class Kind : std::uint8_t {
        // Its value is weight -/+ F of the position it leads to, or a leaf score.
        Plain,
        // A placement of positive weight whose child has not been visited yet.
        Unvisited,
        // A placement of positive weight into a node that tests its cut-off.
        Corner,
    };

    // What is known of one placement's value: lb <= value <= ub; for a corner the same of its
    // base, weight - F(child), which bounds its value from below.
    struct Child {
        Move move;
        Kind kind;
        std::int16_t lb;
        std::int16_t ub;
        std::int16_t baseLb;
        std::int16_t baseUb;
    };

    // One node's placements in list order, with its depth and the top of its window.
    struct Node {
        std::array<Child, kCellListCapacity> children;
        std::int32_t count = 0;
        std::int32_t depth = 0;
        std::int32_t hi = 0;
    };

    void fill(Node& node, std::int32_t depth, std::int32_t hi) const;
    // F and E of the position, fail-soft in (lo, hi); with `choice`, also the walk's placement.
    std::int32_t searchF(std::int32_t depth, std::int32_t lo, std::int32_t hi,
                         Move* choice = nullptr);
    std::int32_t searchE(std::int32_t depth, std::int32_t bound, std::int32_t lo, std::int32_t hi,
                         Move* choice = nullptr);
    // E of a node whose placements all lead to leaves: the first value beyond `bound`, else the
    // best; fail-soft below hi.
    std::int32_t leafRow(std::int32_t bound, std::int32_t hi);
    // The root of a game's first placement searched for the colour not to move. With no placement
    // before it, it takes the best value so far for its caller's bound and cuts off at the first
    // value below it, so it needs every value exactly.
    std::int32_t rootLiteral(std::int32_t depth, Move& choice);

    // Makes child k known against a: exact inside (a, hi), or bounded by a or by hi.
    void refine(Node& node, std::int32_t k, std::int32_t a) { refine(node, k, a, node.hi); }
    // The same for a window (a, top).
    void refine(Node& node, std::int32_t k, std::int32_t a, std::int32_t top);
    void refineCorner(Node& node, std::int32_t k, std::int32_t a, std::int32_t top);
    // Visits a corner's child for the first time, or again for its base against a: the
    // child's F, or the placement's whole value when the child tests no cut-off.
    void searchBase(Node& node, std::int32_t k, std::int32_t a, std::int32_t top);
    // weight -/+ F(child), or weight + the leaf score, fail-soft in (a, top); tells whether the
    // child is an inner node that tests its cut-off.
    std::int32_t childValue(const Node& node, Move m, std::int32_t a, std::int32_t top,
                            bool& testsCutOff);
    // weight - E(-best) of a corner into a node that tests its cut-off, fail-soft in (a, top).
    std::int32_t cornerValue(const Node& node, Move m, std::int32_t best, std::int32_t a,
                             std::int32_t top);
    // The order in which F visits the placements: the best one of an earlier search, the
    // corners, then the others by how few placements they leave the opponent.
    void orderForF(const Node& node, Move hint, std::array<std::int8_t, kCellListCapacity>& order);
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
    static bool known(std::int32_t lb, std::int32_t ub, std::int32_t a, std::int32_t top) {
        return lb == ub || ub <= a || lb >= top;
    }
    static bool exact(const Child& c) { return c.lb == c.ub; }
    // Records a fail-soft result of a search in (a, hi) in the bounds it tightens.
    static void record(std::int16_t& lb, std::int16_t& ub, std::int32_t value, std::int32_t a,
                       std::int32_t hi) {
        if (value > a) lb = static_cast<std::int16_t>(std::max<std::int32_t>(lb, value));
        if (value < hi) ub = static_cast<std::int16_t>(std::min<std::int32_t>(ub, value));
    }
    static std::int32_t weight(Move m) { return bitboard::kCellWeights[m]; }

    BitPosition& position_;
    TranspositionTable table_;
    std::uint64_t nodes_ = 0;
};

inline SearchResult PrunedSearch::search(DiscColor computer, std::int32_t depth, std::int32_t alpha,
                                         std::int32_t beta) {
    SearchResult result;
    nodes_ = 1;
    depth = withinGame(depth);
    table_.sizeFor(depth);
    const DiscColor side = position_.sideToMove();
    if (position_.allLegal() == 0) {
        result.value = position_.endScore(computer);
    } else if (depth == 0) {
        result.value = position_.mobilityScore(computer);
    } else {
        const DiscColor previous = position_.lastMoverColor();
        Move choice = -1;
        std::int32_t value = 0;
        if (previous == -1 && side != computer) {
            value = rootLiteral(depth, choice);
        } else {
            // The bound the root inherits, seen from its side; after a pass it tests nothing.
            const std::int32_t bound =
                previous == side ? kInfinity : (side == computer ? beta : -alpha);
            // Shallower searches first leave their best placements for the move order.
            for (std::int32_t shallower = 2; shallower < depth; ++shallower)
                searchF(shallower, -kInfinity, kInfinity);
            --nodes_;
            value = searchE(depth, bound, -kInfinity, kInfinity, &choice);
        }
        result.value = side == computer ? value : -value;
        result.move = choice;
    }
    result.nodes = nodes_;
    return result;
}

inline std::int32_t PrunedSearch::value(std::int32_t depth, std::int32_t bound, std::int32_t lo,
                                        std::int32_t hi) {
    nodes_ = 0;
    depth = withinGame(depth);
    table_.sizeFor(depth);
    const DiscColor side = position_.sideToMove();
    if (position_.allLegal() == 0) return position_.endScore(side);
    if (depth == 0) return position_.mobilityScore(side);
    return searchE(depth, bound, lo, hi);
}

inline void PrunedSearch::fill(Node& node, std::int32_t depth, std::int32_t hi) const {
    node.depth = depth;
    node.hi = hi;
    node.count = 0;
    for (const Move m : position_.legalMoves()) {
        const bool corner = weight(m) > 0 && depth > 1;
        node.children[node.count++] = {m,          corner ? Kind::Unvisited : Kind::Plain,
                                       -kInfinity, kInfinity,
                                       -kInfinity, kInfinity};
    }
}

inline std::int32_t PrunedSearch::childValue(const Node& node, Move m, std::int32_t a,
                                             std::int32_t top, bool& testsCutOff) {
    const DiscColor side = position_.sideToMove();
    const std::int32_t w = weight(m);
    testsCutOff = false;
    if (node.depth == 1) {
        ++nodes_;
        return w + position_.leafScore(m, side);
    }
    const BitPosition::Undo undo = position_.make(m);
    std::int32_t value = 0;
    if (position_.allLegal() == 0) {
        ++nodes_;
        value = w + position_.endScore(side);
    } else if (position_.sideToMove() == side) {
        value = w + searchF(node.depth - 1, a - w, top - w);
    } else {
        testsCutOff = true;
        value = w - searchF(node.depth - 1, w - top, w - a);
    }
    position_.unmake(m, undo);
    return value;
}

inline std::int32_t PrunedSearch::cornerValue(const Node& node, Move m, std::int32_t best,
                                              std::int32_t a, std::int32_t top) {
    const std::int32_t w = weight(m);
    const BitPosition::Undo undo = position_.make(m);
    const std::int32_t value = w - searchE(node.depth - 1, -best, w - top, w - a);
    position_.unmake(m, undo);
    return value;
}

inline void PrunedSearch::refine(Node& node, std::int32_t k, std::int32_t a, std::int32_t top) {
    Child& c = node.children[k];
    if (known(c.lb, c.ub, a, top)) return;
    if (c.kind != Kind::Plain) {
        refineCorner(node, k, a, top);
        return;
    }
    bool testsCutOff = false;
    record(c.lb, c.ub, childValue(node, c.move, a, top, testsCutOff), a, top);
}

inline void PrunedSearch::searchBase(Node& node, std::int32_t k, std::int32_t a, std::int32_t top) {
    Child& c = node.children[k];
    bool testsCutOff = false;
    const std::int32_t value = childValue(node, c.move, a, top, testsCutOff);
    if (testsCutOff) {
        c.kind = Kind::Corner;
        record(c.baseLb, c.baseUb, value, a, top);
        c.lb = std::max(c.lb, c.baseLb);
    } else {
        c.kind = Kind::Plain;
        record(c.lb, c.ub, value, a, top);
    }
}

inline void PrunedSearch::refineCorner(Node& node, std::int32_t k, std::int32_t a,
                                       std::int32_t top) {
    Child& c = node.children[k];
    if (!known(c.baseLb, c.baseUb, a, top)) {
        searchBase(node, k, a, top);
        if (c.kind == Kind::Plain) return;
    }

    // The corner's value v(m), with m the best value before it in list order, is its base for
    // m <= base - lift and lies between its base and m + lift above; it never falls as m rises.
    // So it is searched with an upper bound u of m; the value found holds for every m above the
    // threshold that search reports, and only below it are the predecessors asked for more.
    const std::int32_t lift = weight(c.move) - 1;
    const bool baseExact = c.baseLb == c.baseUb;
    while (!known(c.lb, c.ub, a, top)) {
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
        if (c.baseUb <= a && upper + lift <= a) {
            c.ub = static_cast<std::int16_t>(std::max<std::int32_t>(c.baseUb, upper + lift));
            return;
        }
        const std::int32_t value = cornerValue(node, c.move, upper, a, top);
        // v(m) is this value for every m in (threshold, upper]: the first placement of the
        // corner's child beyond -upper stays the first beyond any bound up to its value.
        const std::int32_t threshold = value - weight(c.move);
        if (value <= a || threshold >= upper || lower > threshold) {
            record(c.lb, c.ub, value, a, top);
            return;
        }
        for (std::int32_t j = 0; j < k && lower <= threshold; ++j) {
            refine(node, j, threshold, threshold + 1);
            lower = std::max<std::int32_t>(lower, node.children[j].lb);
        }
        if (lower > threshold) {
            record(c.lb, c.ub, value, a, top);
            return;
        }
    }
}

inline void PrunedSearch::orderForF(const Node& node, Move hint,
                                    std::array<std::int8_t, kCellListCapacity>& order) {
    // Not zero-filled: a sanitizer's frame may lack the alignment of the widest vector store.
    std::array<std::int32_t, kCellListCapacity> key;
    const DiscColor side = position_.sideToMove();
    for (std::int32_t k = 0; k < node.count; ++k) {
        const Move m = node.children[k].move;
        key[k] = 0;
        if (m == hint) {
            key[k] = -2;
        } else if (weight(m) > 0) {
            key[k] = -1;
        } else if (node.depth > 2) {
            const BitPosition::Undo undo = position_.make(m);
            key[k] = (position_.sideToMove() == side ? 0 : bitboard::count(position_.allLegal())) -
                     weight(m) / 5;
            position_.unmake(m, undo);
        }
        order[k] = static_cast<std::int8_t>(k);
    }
    std::stable_sort(order.begin(), order.begin() + node.count,
                     [&](std::int8_t x, std::int8_t y) { return key[x] < key[y]; });
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
        refine(node, k, best);
        // Settling a corner may have tightened its predecessors as well.
        for (std::int32_t j = 0; j <= k; ++j)
            best = std::max<std::int32_t>(best, node.children[j].lb);
        if (best >= node.hi) return best;
    }
    return settled(node, lo);
}

inline std::int32_t PrunedSearch::leafRow(std::int32_t bound, std::int32_t hi) {
    const DiscColor side = position_.sideToMove();
    std::int32_t best = -kInfinity;
    for (const Move m : position_.legalMoves()) {
        ++nodes_;
        const std::int32_t value = weight(m) + position_.leafScore(m, side);
        if (value > bound || value >= hi) return value;
        best = std::max(best, value);
    }
    return best;
}

inline PrunedSearch::Move PrunedSearch::firstWith(Node& node, std::int32_t value) {
    for (std::int32_t k = 0; k < node.count; ++k) {
        refine(node, k, value - 1);
        if (node.children[k].lb == value && exact(node.children[k])) return node.children[k].move;
    }
    assert(false);
    return -1;
}

inline std::int32_t PrunedSearch::searchF(std::int32_t depth, std::int32_t lo, std::int32_t hi,
                                          Move* choice) {
    if (depth == 1 && !choice) return leafRow(kInfinity, hi);
    ++nodes_;
    const DiscColor side = position_.sideToMove();
    const TranspositionTable::Bits own = position_.discs(side);
    const TranspositionTable::Bits other = position_.discs(opponentOf(side));
    Move hint = -1;
    if (const TranspositionTable::Entry* entry =
            depth >= kLeastStoredDepth ? table_.find(own, other) : nullptr) {
        hint = entry->bestPlusOne - 1;
        if (entry->depth == depth && !choice) {
            if (entry->lower >= hi || entry->lower == entry->upper) return entry->lower;
            if (entry->upper <= lo) return entry->upper;
        }
    }
    Node node;
    fill(node, depth, hi);
    std::array<std::int8_t, kCellListCapacity> order;
    orderForF(node, hint, order);
    std::int32_t best = lo;
    for (std::int32_t i = 0; i < node.count; ++i) {
        const std::int32_t k = order[i];
        Child& c = node.children[k];
        if (c.kind == Kind::Plain) {
            // After the first placement a null window tells whether another one is better; a
            // leaf is scored exactly whatever the window.
            if (i > 0 && depth > 1) refine(node, k, best, best + 1);
            refine(node, k, best);
        } else {
            // A corner is first searched for its base only: it bounds the node from below.
            searchBase(node, k, best, hi);
        }
        if (c.lb >= hi && !choice) {
            if (depth >= kLeastStoredDepth)
                table_.store(own, other, depth, c.lb, kInfinity, c.move);
            return c.lb;
        }
        best = std::max<std::int32_t>(best, c.lb);
    }
    const std::int32_t value = settle(node, lo);
    Move found = -1;
    for (std::int32_t k = 0; k < node.count; ++k) {
        if (node.children[k].lb == value) found = node.children[k].move;
    }
    if (depth >= kLeastStoredDepth)
        table_.store(own, other, depth, value > lo ? value : -kInfinity,
                     value < hi ? value : kInfinity, found);
    if (choice) *choice = firstWith(node, value);
    return value;
}

inline std::int32_t PrunedSearch::searchE(std::int32_t depth, std::int32_t bound, std::int32_t lo,
                                          std::int32_t hi, Move* choice) {
    if (bound >= hi - 1) {
        // No placement beyond the bound can fall inside the window: E is F there, and above
        // the window E is at least the lesser of F and bound + 1.
        const std::int32_t value = searchF(depth, lo, hi, choice);
        return value >= hi ? std::min(value, bound + 1) : value;
    }
    if (depth == 1 && !choice) return leafRow(bound, hi);
    const DiscColor side = position_.sideToMove();
    if (const TranspositionTable::Entry* entry =
            depth >= kLeastStoredDepth
                ? table_.find(position_.discs(side), position_.discs(opponentOf(side)))
                : nullptr;
        entry && entry->depth == depth && !choice) {
        // E is F when F is at most bound + 1, and otherwise beyond the bound. (A bound at or
        // below lo is not returned: the corner that asks needs the value of the first placement
        // beyond the bound, and F only bounds it.)
        if (std::min<std::int32_t>(entry->lower, bound + 1) >= hi)
            return std::min<std::int32_t>(entry->lower, bound + 1);
        if (entry->upper <= bound + 1) return searchF(depth, lo, hi);
    }
    ++nodes_;
    Node node;
    fill(node, depth, hi);
    std::int32_t best = -kInfinity;
    for (std::int32_t k = 0; k < node.count; ++k) {
        refine(node, k, std::min(bound, std::max(lo, best)));
        const Child& c = node.children[k];
        if (c.lb > bound) {
            if (choice) *choice = c.move;
            return c.lb;
        }
        if (exact(c) && c.lb > best) {
            best = c.lb;
            if (choice) *choice = c.move;
        }
    }
    return settled(node, lo);
}

inline std::int32_t PrunedSearch::rootLiteral(std::int32_t depth, Move& choice) {
    Node node;
    fill(node, depth, kInfinity);
    std::int32_t best = -kInfinity;
    for (std::int32_t k = 0; k < node.count; ++k) {
        const Move m = node.children[k].move;
        bool testsCutOff = false;
        std::int32_t value = childValue(node, m, -kInfinity, kInfinity, testsCutOff);
        if (testsCutOff) value = cornerValue(node, m, best, -kInfinity, kInfinity);
        // Beyond the bound here means below the best so far.
        if (value < best) {
            choice = m;
            return value;
        }
        if (value > best) {
            best = value;
            choice = m;
        }
    }
    return best;
}

}  // namespace DISCADA_KERNEL_NAMESPACE
}  // namespace discada
