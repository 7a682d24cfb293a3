#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>

#include "ai/kernel_namespace.h"
#include "board/cell.h"

namespace discada {
DISCADA_KERNELS_BEGIN

// Scores stay far inside these bounds, so they act as infinities.
constexpr std::int32_t kSearchInfinity = 999;

// The tree walk: the computer's minimax search with alpha-beta cut-offs exactly as the game's
// rules state it, visiting every node they visit, written once over a position model. Scores are
// always the computer's: a node where it is to move maximises, any other minimises.
//
// A model provides: Move, Moves (at most 24 legal placements in column-major scan order, with
// empty() and iteration), Undo; sideToMove(), lastMoverColor() (the colour of the placement that
// led into the position, -1 for none), legalMoves(), make(Move) -> Undo (with the turn change and
// its passes), unmake(Move, Undo), weight(Move, mover), endScore(colour), mobilityScore(colour);
// optionally leafScore(Move, colour), the score at depth 0 of the position the placement makes.
template <class Model>
class TreeWalk {
public:
    using Move = typename Model::Move;

    TreeWalk(Model& model, DiscColor computer) : model_(model), computer_(computer) {}
    // The walk holds on to the model it searches.
    TreeWalk(const TreeWalk&) = delete;
    TreeWalk& operator=(const TreeWalk&) = delete;

    // Searches `depth` placements deep (a pass costs nothing). Every node that loops over
    // placements writes its best one into the shared `slot` when it finishes, so after the
    // outermost call the slot holds the root's choice; a leaf writes nothing.
    [[nodiscard]] std::int32_t search(std::int32_t depth, Move& slot, std::int32_t alpha,
                                      std::int32_t beta);

    // Calls of search so far, leaves included.
    std::uint64_t nodes() const { return nodes_; }

private:
    using Moves = typename Model::Moves;

    // The loop over the placements of a node that neither ends the game nor the depth.
    std::int32_t expand(std::int32_t depth, const Moves& moves, Move& slot, std::int32_t alpha,
                        std::int32_t beta);
    // The bounds and cut-offs of a node over its placements; `childValue(m, alpha, beta)` is
    // the value of the child that placement m leads to, before the placement's weight.
    template <class ChildValue>
    std::int32_t loop(const Moves& moves, Move& slot, std::int32_t alpha, std::int32_t beta,
                      ChildValue childValue);

    Model& model_;
    const DiscColor computer_;
    std::uint64_t nodes_ = 0;
};

// Kept small so that it is inlined into the loop of its caller: most nodes are leaves.
template <class Model>
inline std::int32_t TreeWalk<Model>::search(std::int32_t depth, Move& slot, std::int32_t alpha,
                                            std::int32_t beta) {
    ++nodes_;
    const Moves moves = model_.legalMoves();
    // A finished game is scored as such even at depth 0.
    if (moves.empty()) return model_.endScore(computer_);
    if (depth == 0) return model_.mobilityScore(computer_);
    return expand(depth, moves, slot, alpha, beta);
}

template <class Model>
std::int32_t TreeWalk<Model>::expand(std::int32_t depth, const Moves& moves, Move& slot,
                                     std::int32_t alpha, std::int32_t beta) {
    // Most nodes are leaves under a node one placement above the depth: a model that scores the
    // position after a placement without making it saves the whole make, search and take-back.
    if constexpr (requires(Model & model, Move m) {
                      { model.leafScore(m, computer_) } -> std::same_as<std::int32_t>;
                  }) {
        if (depth == 1) {
            return loop(moves, slot, alpha, beta, [this](Move m, std::int32_t, std::int32_t) {
                ++nodes_;
                return model_.leafScore(m, computer_);
            });
        }
    }
    return loop(moves, slot, alpha, beta, [&](Move m, std::int32_t a, std::int32_t b) {
        const typename Model::Undo undo = model_.make(m);
        const std::int32_t value = search(depth - 1, slot, a, b);
        model_.unmake(m, undo);
        return value;
    });
}

template <class Model>
template <class ChildValue>
std::int32_t TreeWalk<Model>::loop(const Moves& moves, Move& slot, std::int32_t alpha,
                                   std::int32_t beta, ChildValue childValue) {
    const DiscColor side = model_.sideToMove();
    // Deliberate: each node restarts its own bound and keeps only the caller's other one, so a
    // cut-off compares with the best value of the immediate caller alone.
    const bool maximising = side == computer_;
    if (maximising) {
        alpha = -kSearchInfinity;
    } else {
        beta = kSearchInfinity;
    }
    // The colour of the placement that led here; making and taking back leave it unchanged.
    // A node entered after a pass (that colour is the side to move) makes no cut-off test.
    const DiscColor previous = model_.lastMoverColor();
    const bool testsCutOff = previous != side;
    const bool callerMaximises = previous == computer_;
    Move best{};
    for (const Move m : moves) {
        // Deliberate: the child gets this node's bounds as they are, not corrected by the weight
        // of the placement, which is added only after the child returns.
        std::int32_t value = childValue(m, alpha, beta);
        const std::int32_t weight = model_.weight(m, side);
        value = maximising ? value + weight : value - weight;
        if (testsCutOff && (callerMaximises ? value < alpha : value > beta)) {
            alpha = value;
            beta = value;
            best = m;
            break;
        }
        // Strict comparisons: between equal values the earlier placement stays. Written as
        // selections rather than branches, which the values would mispredict.
        const bool better = maximising ? value > alpha : value < beta;
        alpha = maximising ? std::max(alpha, value) : alpha;
        beta = maximising ? beta : std::min(beta, value);
        best = better ? m : best;
    }
    slot = best;
    return maximising ? alpha : beta;
}

DISCADA_KERNELS_END
}  // namespace discada
