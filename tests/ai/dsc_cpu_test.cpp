#include "ai/dsc_cpu.h"

#include <gtest/gtest.h>

#include <set>

#include "ai_test_support.h"

namespace discada {
namespace {

struct Cpu : ::testing::Test {
    FakeClock clock;
    DscCpu cpu{clock};
    DscProg live;
};

TEST_F(Cpu, SearchesAtDepth3Then5Then10ByLevel) {
    for (const auto& [level, depth] : {std::pair{1, 3}, {2, 5}, {3, 10}, {7, 10}, {-1, 10}}) {
        cpu.setLevel(level);
        EXPECT_EQ(cpu.searchDepth(), depth) << "level " << level;
    }
    // A late position keeps depth 10 quick; think must answer what the search at the depth of
    // its level answers.
    std::mt19937 random(31);
    replay(live, randomLine(random, 48));
    ASSERT_FALSE(live.isOver());
    cpu.setMode(static_cast<GameMode>(live.sideToMove()));
    for (const std::int32_t level : {1, 2, 3}) {
        cpu.setLevel(level);
        const CellPos chosen = cpu.think(live);
        const Answer searched =
            searchOn(cpu, live, SearchKind::BitboardWalk, cpu.searchDepth(), live.sideToMove());
        EXPECT_EQ(chosen, searched.choice) << "level " << level;
    }
}

// The generator is seeded with the calendar second before every draw: one second always gives
// the same placement, and over many seconds every legal placement comes up.
TEST_F(Cpu, ChoosesAtRandomAtLevel0AndForTheFirstPlacementOfAGame) {
    live.reset();
    cpu.setMode(GameMode::ComputerBlack);
    for (const std::int32_t level : {0, 1, 3}) {
        cpu.setLevel(level);
        EXPECT_TRUE(cpu.choosesAtRandom(live));
        std::set<std::pair<int, int>> seen;
        for (std::int64_t second = 0; second < 64; ++second) {
            clock.seconds = 1'700'000'000 + second;
            const CellPos first = cpu.think(live);
            EXPECT_EQ(cpu.think(live), first) << "second " << second;
            seen.insert({first.column, first.row});
        }
        EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{3, 4}, {4, 3}, {5, 6}, {6, 5}}));
    }

    std::mt19937 random(32);
    replay(live, randomLine(random, 30));
    cpu.setMode(static_cast<GameMode>(live.sideToMove()));
    cpu.setLevel(0);
    const Line legal = allLegal(live);
    std::set<std::pair<int, int>> seen;
    for (std::int64_t second = 0; second < 200; ++second) {
        clock.seconds = second;
        const CellPos m = cpu.think(live);
        ASSERT_NE(std::find(legal.begin(), legal.end(), m), legal.end());
        seen.insert({m.column, m.row});
    }
    EXPECT_EQ(seen.size(), std::min<std::size_t>(legal.size(), kCellListCapacity));
    cpu.setLevel(1);
    EXPECT_FALSE(cpu.choosesAtRandom(live));
}

// Without a legal placement there is nothing to choose; the choice is (0, 0), not a division
// by an empty list.
TEST_F(Cpu, AnswersNoCellForASideWithoutPlacement) {
    replay(live, {{3, 4}, {3, 3}, {3, 2}, {2, 4}, {1, 5}, {6, 4}, {7, 4}, {3, 5}, {4, 6}});
    ASSERT_TRUE(live.isOver());
    cpu.copyFrom(live);
    cpu.setMode(static_cast<GameMode>(live.sideToMove()));
    EXPECT_EQ(cpu.randomMove(), (CellPos{0, 0}));
    EXPECT_EQ(cpu.searchMove(), (CellPos{0, 0}));
    EXPECT_EQ(cpu.lastValue(), -99 - 13);
}

// Every choice is padded to 500 ms of the clock, the copy not counted; the elapsed time is
// taken modulo 2^32 across a wrap of the counter.
TEST_F(Cpu, NeverAnswersSoonerThan500MillisecondsAfterTheCall) {
    replay(live, {{4, 3}});
    cpu.setMode(GameMode::ComputerWhite);
    struct Case {
        std::uint32_t start;
        std::uint32_t takes;
        std::vector<std::uint32_t> sleeps;
    };
    for (const std::int32_t level : {0, 1}) {
        cpu.setLevel(level);
        for (const Case& c : {Case{1000, 0, {500}}, Case{1000, 120, {380}}, Case{1000, 499, {1}},
                              Case{1000, 500, {}}, Case{1000, 700, {}},
                              Case{0xFFFF'FF00u, 356, {144}}, Case{0xFFFF'FFFFu, 1, {499}}}) {
            clock.now = c.start;
            clock.step = c.takes;
            clock.sleeps.clear();
            cpu.think(live);
            EXPECT_EQ(clock.sleeps, c.sleeps) << "start " << c.start << " takes " << c.takes;
        }
    }
}

TEST_F(Cpu, LeavesTheLiveMatchAsItWasAndCopiesItWhole) {
    std::mt19937 random(33);
    for (int game = 0; game < 10; ++game) {
        const Line line = randomLine(random, 60);
        replay(live, line);
        // Take some placements back so the copy carries a stored tail to replay.
        for (int k = 0; k < 3 && live.movesPlayed() > 1; ++k)
            live.unmakeMove();
        if (live.isOver()) continue;
        cpu.setMode(static_cast<GameMode>(live.sideToMove()));
        cpu.setLevel(game % 3);
        const Snapshot before = snapshotOf(live);
        const std::int32_t redo = live.redoLimit();
        cpu.think(live);
        EXPECT_EQ(snapshotOf(live), before);
        EXPECT_EQ(snapshotOf(cpu), before);
        EXPECT_EQ(cpu.redoLimit(), redo);
        EXPECT_EQ(cpu.moveEnd(), live.moveEnd());
    }
}

}  // namespace
}  // namespace discada
