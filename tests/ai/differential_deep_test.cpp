#include <gtest/gtest.h>

#include "differential_support.h"

namespace discada {
namespace {

// Depth 5 on a few hundred positions, and a handful at depth 7 to 10 late in the game where the
// reference model still finishes in seconds.
TEST(DifferentialSearch, ModelsAgreeAtDepth5AndDeeper) {
    FakeClock clock;
    DscCpu cpu(clock);
    TreeEvents events;
    std::mt19937 random(42);
    const std::vector<Line> lines = unfinishedLines(random, 300, anyPlacementCount);
    for (std::size_t i = 0; i < lines.size() && !::testing::Test::HasFailure(); ++i) {
        expectModelsAgree(cpu, lines[i], 5, i % 7 == 3, events);
    }
    std::int32_t late = 46;
    const std::vector<Line> deep =
        unfinishedLines(random, 8, [&](std::mt19937&) { return late++; });
    for (std::size_t i = 0; i < deep.size(); ++i) {
        expectModelsAgree(cpu, deep[i], 7 + static_cast<std::int32_t>(i % 4), false, events);
    }
    EXPECT_GT(events.passes, 100u);
    EXPECT_GT(events.endings, 100u);
}

// The pruned search against the fast walk in the middle of the game, at depths 7 to 10, where
// the literal walk would take hours; both walks are held to each other above.
TEST(DifferentialSearch, PrunedSearchAgreesWithTheWalkInTheMiddleGameAt7To10) {
    std::mt19937 random(43);
    std::int32_t placements = 30;
    const std::vector<Line> lines =
        unfinishedLines(random, 8, [&](std::mt19937&) { return placements += 2; });
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        DscProg match;
        replay(match, lines[i]);
        const std::int32_t depth = 7 + static_cast<std::int32_t>(i % 4);
        const DiscColor computer = i % 2 == 0 ? match.sideToMove() : opponentOf(match.sideToMove());
        const SearchResult walk = kernels.treeWalk(match, computer, depth, -999, 999);
        const SearchResult pruned = kernels.prunedSearch(match, computer, depth, -999, 999);
        EXPECT_EQ(pruned.move, walk.move) << "depth " << depth << boardDump(match);
        EXPECT_EQ(pruned.value, walk.value) << "depth " << depth << boardDump(match);
        EXPECT_LT(pruned.nodes * 5, walk.nodes) << "depth " << depth << boardDump(match);
    }
}

}  // namespace
}  // namespace discada
