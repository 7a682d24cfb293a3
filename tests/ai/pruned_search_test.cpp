#include "ai/pruned_search.h"

#include <gtest/gtest.h>

#include "differential_support.h"

namespace discada {
namespace {

// The walk's value of the position of `match`, seen from its side to move, as a node handed
// `bound` by its caller: the walk searched for `computer` with that bound.
std::int32_t walkValue(DscCpu& cpu, const DscProg& match, std::int32_t depth, std::int32_t bound,
                       DiscColor computer) {
    cpu.copyFrom(match);
    cpu.setMode(static_cast<GameMode>(computer));
    cpu.setSearchKind(SearchKind::BitboardWalk);
    CellPos slot{};
    return match.sideToMove() == computer ? cpu.search(depth, slot, -999, bound)
                                          : -cpu.search(depth, slot, -bound, 999);
}

// A fail-soft result in (lo, hi): at or below lo it bounds the value from above, at or above hi
// from below, and in between it is the value.
::testing::AssertionResult keepsWindow(std::int32_t result, std::int32_t value, std::int32_t lo,
                                       std::int32_t hi) {
    const bool kept = result <= lo   ? value <= result
                      : result >= hi ? value >= result
                                     : value == result;
    if (kept) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "value " << value << " but " << result << " in (" << lo << ", " << hi << ")";
}

// Node values E(bound) and F of positions of random games, for either colour as the computer,
// with bounds at and next to F and further below, each searched in windows around, below and
// above the value: whatever order it searches in, the pruned search keeps the walk's value. One
// search answers all the questions about a position, so what its table keeps from one answer
// must hold for the next.
TEST(PrunedSearch, KeepsTheWalksNodeValuesInEveryWindow) {
    FakeClock clock;
    DscCpu cpu(clock);
    std::mt19937 random(61);
    int cutOff = 0;
    const std::vector<Line> lines = unfinishedLines(
        random, 250, [](std::mt19937& r) { return 1 + static_cast<std::int32_t>(r() % 58); });
    for (const Line& line : lines) {
        DscProg match;
        replay(match, line);
        // After a pass a node tests no cut-off, so its value is F whatever its caller hands it.
        const bool testsCutOff = match.currentMoveColor() != match.sideToMove();
        const auto depth = 1 + static_cast<std::int32_t>(random() % 5);
        const DiscColor computer = random() % 2 == 0 ? kBlack : kWhite;
        const std::int32_t best = walkValue(cpu, match, depth, kSearchInfinity, computer);
        BitPosition position = BitPosition::of(match);
        PrunedSearch search(position);
        const auto farBelow = -3 - static_cast<std::int32_t>(random() % 40);
        for (const std::int32_t offset : {kSearchInfinity, -2, -1, 0, 1, farBelow}) {
            const std::int32_t bound = testsCutOff ? best + offset : kSearchInfinity;
            const std::int32_t value = walkValue(cpu, match, depth, bound, computer);
            cutOff += value != best;
            const auto shift = static_cast<std::int32_t>(random() % 30);
            const std::pair<std::int32_t, std::int32_t> windows[] = {
                {-999, 999},
                {value - 1, value},
                {value, value + 1},
                {value - 1, value + 1},
                {value - 15 + shift, value + shift}};
            for (const auto& [lo, hi] : windows) {
                EXPECT_TRUE(keepsWindow(search.value(depth, bound, lo, hi), value, lo, hi))
                    << "depth " << depth << " bound " << bound << " computer " << computer
                    << boardDump(match) << lineText(line);
            }
        }
    }
    // Bounds below F must often cut a node off before its best placement.
    EXPECT_GT(cutOff, 100);
}

// The root's choice and value at depths 5 and 6 against the walk's, for the side to move and for
// the other colour, on positions of random games with passes and finished games inside the
// trees; every fourth root is handed a bound next to its value, which cuts it off in list order.
TEST(PrunedSearch, ChoosesAsTheWalkAtDepths5And6) {
    TreeEvents events;
    std::mt19937 random(62);
    const std::vector<Line> lines = unfinishedLines(random, 400, anyPlacementCount);
    for (std::size_t i = 0; i < lines.size() && !::testing::Test::HasFailure(); ++i) {
        DscProg match;
        replay(match, lines[i]);
        const std::int32_t depth = 5 + static_cast<std::int32_t>(i % 2);
        const DiscColor computer = i % 3 == 1 ? opponentOf(match.sideToMove()) : match.sideToMove();
        const Kernels& kernels = kernelsFor(bestKernelIsa());
        std::int32_t alpha = -999;
        std::int32_t beta = 999;
        if (i % 4 == 0) {
            const std::int32_t value = kernels.treeWalk(match, computer, depth, alpha, beta).value;
            const auto offset = static_cast<std::int32_t>(i / 4 % 3);
            if (match.sideToMove() == computer) {
                beta = value - offset;
            } else {
                alpha = value + offset;
            }
        }
        ObservedPosition observed(BitPosition::of(match), events);
        TreeWalk<ObservedPosition> walk(observed, computer);
        BitPosition::Move walkChoice = -1;
        const std::int32_t walkValue = walk.search(depth, walkChoice, alpha, beta);
        const SearchResult pruned = kernels.prunedSearch(match, computer, depth, alpha, beta);
        EXPECT_EQ(pruned.move, walkChoice)
            << "depth " << depth << " computer " << computer << " alpha " << alpha << " beta "
            << beta << boardDump(match) << lineText(lines[i]);
        EXPECT_EQ(pruned.value, walkValue)
            << "depth " << depth << " computer " << computer << " alpha " << alpha << " beta "
            << beta << boardDump(match) << lineText(lines[i]);
    }
    EXPECT_GT(events.passes, 300u);
    EXPECT_GT(events.endings, 300u);
}

// The first placement of a game searched for white: with no placement before it, the root tests
// its cut-off against the best value so far and stops at the first value below it.
TEST(PrunedSearch, SearchesTheFirstPlacementForTheColourNotToMoveAsTheWalk) {
    DscProg start;
    start.reset();
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    for (std::int32_t depth = 1; depth <= 7; ++depth) {
        const SearchResult walk = kernels.treeWalk(start, kWhite, depth, -999, 999);
        const SearchResult pruned = kernels.prunedSearch(start, kWhite, depth, -999, 999);
        EXPECT_EQ(pruned.move, walk.move) << "depth " << depth;
        EXPECT_EQ(pruned.value, walk.value) << "depth " << depth;
    }
}

// A root entered right after a pass tests no cut-off, so the walk's answer there does not depend on
// the caller's alpha and beta; handed a bound far inside its value, the pruned search must not
// stop at the first placement beyond it either.
TEST(PrunedSearch, IgnoresTheCallersBoundAtARootAfterAPass) {
    std::mt19937 random(64);
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    int roots = 0;
    for (int game = 0; game < 200 && roots < 40; ++game) {
        DscProg match;
        match.reset();
        while (!match.isOver() && roots < 40) {
            const Line moves = allLegal(match);
            const CellPos m = moves[random() % moves.size()];
            ASSERT_TRUE(match.makeMove(m.column, m.row));
            if (match.status() != MatchStatus::Pass) continue;
            ++roots;
            const std::int32_t depth = 4 + roots % 3;
            const DiscColor computer =
                roots % 2 == 0 ? match.sideToMove() : opponentOf(match.sideToMove());
            const std::int32_t value = kernels.treeWalk(match, computer, depth, -999, 999).value;
            const std::int32_t alpha = match.sideToMove() == computer ? -999 : value + 40;
            const std::int32_t beta = match.sideToMove() == computer ? value - 40 : 999;
            const SearchResult walk = kernels.treeWalk(match, computer, depth, alpha, beta);
            const SearchResult pruned = kernels.prunedSearch(match, computer, depth, alpha, beta);
            EXPECT_EQ(pruned.move, walk.move) << "depth " << depth << boardDump(match);
            EXPECT_EQ(pruned.value, walk.value) << "depth " << depth << boardDump(match);
        }
    }
    EXPECT_EQ(roots, 40);
}

// A depth beyond the end of the game, or none at all (the walk never counts a negative depth down
// to 0), searches to the end of the game.
TEST(PrunedSearch, SearchesToTheEndOfTheGameForAnyDepthBeyondIt) {
    std::mt19937 random(63);
    const Kernels& kernels = kernelsFor(bestKernelIsa());
    for (const Line& line : unfinishedLines(
             random, 6, [](std::mt19937& r) { return 50 + static_cast<std::int32_t>(r() % 4); })) {
        DscProg match;
        replay(match, line);
        const SearchResult walk = kernels.treeWalk(match, match.sideToMove(), 60, -999, 999);
        for (const std::int32_t depth : {60 - match.movesPlayed(), 1000, -1}) {
            const SearchResult pruned =
                kernels.prunedSearch(match, match.sideToMove(), depth, -999, 999);
            EXPECT_EQ(pruned.move, walk.move) << "depth " << depth << boardDump(match);
            EXPECT_EQ(pruned.value, walk.value) << "depth " << depth << boardDump(match);
        }
    }
}

}  // namespace
}  // namespace discada
