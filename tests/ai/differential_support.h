#pragma once

#include <gtest/gtest.h>

#include "ai/bit_position.h"
#include "ai/kernels.h"
#include "ai/tree_walk.h"
#include "ai_test_support.h"

namespace discada {

// What the search trees of a run met: passes, finished games and nodes with more than 24
// legal placements.
struct TreeEvents {
    std::uint64_t passes = 0;
    std::uint64_t endings = 0;
    std::uint64_t wideNodes = 0;
};

// The fast position, counting the events the search meets; the search sees the same answers.
class ObservedPosition : public BitPosition {
public:
    ObservedPosition(const BitPosition& position, TreeEvents& events)
        : BitPosition(position), events_(events) {}

    Moves legalMoves() const {
        const std::int32_t n = bitboard::count(allLegal());
        events_.endings += n == 0;
        events_.wideNodes += n > kCellListCapacity;
        return BitPosition::legalMoves();
    }
    Undo make(Move m) {
        const DiscColor mover = sideToMove();
        const Undo undo = BitPosition::make(m);
        events_.passes += sideToMove() == mover && allLegal() != 0;
        return undo;
    }
    // The search's shortcut past a leaf, still counting what the leaf meets.
    std::int32_t leafScore(Move m, DiscColor computer) {
        const Undo undo = make(m);
        legalMoves();
        unmake(m, undo);
        return BitPosition::leafScore(m, computer);
    }

private:
    TreeEvents& events_;
};

// Holds the literal and the fast walk to the same choice, value and node count on the position
// `line` reaches, for the side to move or (`forOpponent`) the other colour, and the pruned search
// to their choice and value.
inline void expectModelsAgree(DscCpu& cpu, const Line& line, std::int32_t depth, bool forOpponent,
                              TreeEvents& events) {
    DscProg match;
    replay(match, line);
    const DiscColor computer = forOpponent ? opponentOf(match.sideToMove()) : match.sideToMove();
    const Answer literal = searchOn(cpu, match, SearchKind::MatchWalk, depth, computer);
    const Answer fast = searchOn(cpu, match, SearchKind::BitboardWalk, depth, computer);
    const Answer pruned = searchOn(cpu, match, SearchKind::Pruned, depth, computer);
    const auto where = [&] {
        return "depth " + std::to_string(depth) + " computer " + std::to_string(computer) +
               boardDump(match) + lineText(line);
    };
    EXPECT_EQ(fast, literal) << where();
    EXPECT_EQ(pruned.choice, literal.choice) << where();
    EXPECT_EQ(pruned.value, literal.value) << where();
    // The game runs the best instruction set; every other one the processor has must agree.
    for (const KernelIsa isa : {KernelIsa::Portable, KernelIsa::Avx2}) {
        if (isa == bestKernelIsa() || !isSupported(isa)) continue;
        const Kernels& kernels = kernelsFor(isa);
        const SearchResult other = kernels.treeWalk(match, computer, depth, -999, 999);
        EXPECT_EQ(other.value, fast.value) << nameOf(isa) << where();
        EXPECT_EQ(other.nodes, fast.nodes) << nameOf(isa) << where();
        const SearchResult prunedOther = kernels.prunedSearch(match, computer, depth, -999, 999);
        EXPECT_EQ(prunedOther.value, pruned.value) << nameOf(isa) << where();
        EXPECT_EQ(prunedOther.nodes, pruned.nodes) << nameOf(isa) << where();
    }

    ObservedPosition observed(BitPosition::of(match), events);
    TreeWalk<ObservedPosition> walk(observed, computer);
    BitPosition::Move slot = -1;
    EXPECT_EQ(walk.search(depth, slot, -kSearchInfinity, kSearchInfinity), fast.value);
    EXPECT_EQ(walk.nodes(), fast.nodes);
}

// Lines to `count` unfinished positions of seeded random games, `placements(random)` placements
// into each game.
template <class Placements>
std::vector<Line> unfinishedLines(std::mt19937& random, int count, Placements placements) {
    std::vector<Line> lines;
    DscProg match;
    while (static_cast<int>(lines.size()) < count) {
        const Line line = randomLine(random, placements(random));
        replay(match, line);
        if (!match.isOver()) lines.push_back(line);
    }
    return lines;
}

inline std::int32_t anyPlacementCount(std::mt19937& random) {
    return static_cast<std::int32_t>(random() % 60);
}

}  // namespace discada
