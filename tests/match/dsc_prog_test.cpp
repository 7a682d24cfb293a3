#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "match/dsc_prog.h"
#include "match_test_support.h"

namespace discada {
namespace {

TEST(DscProg, NewGameHasNothingToTakeBackOrReplay) {
    DscProg match;
    match.reset();
    EXPECT_EQ(match.movesPlayed(), 0);
    EXPECT_EQ(match.sideToMove(), kBlack);
    EXPECT_EQ(match.status(), MatchStatus::Normal);
    EXPECT_FALSE(match.unmakeMove());
    EXPECT_FALSE(match.redoMove());
    EXPECT_EQ(match.currentMove(), (CellPos{0, 0}));
    EXPECT_EQ(match.currentMoveColor(), -1);
}

TEST(DscProg, FirstPlacementIsLoggedWithTheDiscItTurned) {
    DscProg match;
    match.reset();
    ASSERT_TRUE(match.makeMove(4, 3));
    EXPECT_EQ(match.movesPlayed(), 1);
    EXPECT_EQ(match.redoLimit(), 1);
    EXPECT_EQ(match.sideToMove(), kWhite);
    EXPECT_EQ(match.status(), MatchStatus::Normal);
    EXPECT_EQ(match.moveAt(0), (MoveRecord{4, 3, kBlack}));
    EXPECT_EQ(match.flipCursor(), 0);
    EXPECT_EQ(match.flipAt(0), (FlipRecord{4, 4, 0}));
    EXPECT_EQ(match.board().discCount(kBlack), 4);
    EXPECT_EQ(match.board().discCount(kWhite), 1);
}

TEST(DscProg, IllegalPlacementChangesNothing) {
    DscProg match;
    match.reset();
    ASSERT_TRUE(match.makeMove(4, 3));
    ASSERT_TRUE(match.unmakeMove());
    const Snapshot before = snapshotOf(match);
    EXPECT_FALSE(match.makeMove(4, 4));  // occupied
    EXPECT_FALSE(match.makeMove(1, 1));  // brackets nothing
    EXPECT_FALSE(match.makeMove(0, 4));
    EXPECT_FALSE(match.makeMove(9, 9));
    EXPECT_EQ(snapshotOf(match), before);
    EXPECT_EQ(match.redoLimit(), 1);
}

TEST(DscProg, PassLetsTheSameColourMoveAgainAndSurvivesATakeBack) {
    DscProg match;
    match.reset();
    const std::vector<CellPos> line = findLineWithPass(match);
    ASSERT_FALSE(line.empty()) << "no pass found";
    playLine(match, line);
    ASSERT_EQ(match.status(), MatchStatus::Pass) << boardDump(match);
    const DiscColor passer = opponentOf(match.sideToMove());
    const DiscColor mover = match.sideToMove();
    EXPECT_EQ(match.currentMoveColor(), mover);

    ASSERT_TRUE(match.makeMove(firstLegal(match).column, firstLegal(match).row));
    const std::int32_t n = match.moveCursor();
    EXPECT_EQ(match.moveAt(n).color, match.moveAt(n - 1).color);
    EXPECT_NE(match.moveAt(n).color, passer);

    ASSERT_TRUE(match.unmakeMove());
    EXPECT_EQ(match.sideToMove(), mover);
    EXPECT_EQ(match.status(), MatchStatus::Pass);
}

TEST(DscProg, TakingBackAndReplayingRestoresEverything) {
    std::mt19937 random(20261207);
    for (int game = 0; game < 200; ++game) {
        DscProg match;
        match.reset();
        std::vector<Snapshot> history{snapshotOf(match)};
        while (!match.isOver()) {
            playRandom(match, random);
            history.push_back(snapshotOf(match));
        }
        const std::int32_t played = match.movesPlayed();
        const std::int32_t k = std::uniform_int_distribution<>(1, played)(random);
        for (std::int32_t i = 1; i <= k; ++i) {
            ASSERT_TRUE(match.unmakeMove());
            const Snapshot back = snapshotOf(match);
            const Snapshot& expected = history[played - i];
            EXPECT_EQ(back.cells, expected.cells) << boardDump(match);
            EXPECT_EQ(back.counts, expected.counts);
            EXPECT_EQ(back.sideToMove, expected.sideToMove);
            EXPECT_EQ(back.cursors, expected.cursors);
            // A position reached by taking back is never over.
            EXPECT_LT(back.status, 2);
        }
        for (std::int32_t i = 0; i < k; ++i)
            ASSERT_TRUE(match.redoMove());
        EXPECT_EQ(snapshotOf(match), history.back());
        EXPECT_FALSE(match.redoMove());
        checkInvariants(match);
    }
}

TEST(DscProg, TakingEverythingBackKeepsTheWholeGameForReplay) {
    std::mt19937 random(7);
    DscProg match;
    match.reset();
    while (!match.isOver())
        playRandom(match, random);
    const std::int32_t moveEnd = match.moveEnd();
    const std::int32_t flipEnd = match.flipEnd();
    while (match.unmakeMove()) {
    }
    EXPECT_EQ(match.movesPlayed(), 0);
    EXPECT_EQ(match.moveCursor(), -1);
    EXPECT_EQ(match.flipCursor(), -1);
    EXPECT_EQ(match.moveEnd(), moveEnd);
    EXPECT_EQ(match.flipEnd(), flipEnd);
    EXPECT_EQ(match.redoLimit(), moveEnd + 1);
}

TEST(DscProg, NewPlacementAfterATakeBackDropsTheTail) {
    DscProg match;
    match.reset();
    ASSERT_TRUE(match.makeMove(4, 3));
    ASSERT_TRUE(match.makeMove(3, 3));
    ASSERT_TRUE(match.unmakeMove());
    ASSERT_TRUE(match.makeMove(5, 3));
    EXPECT_FALSE(match.redoMove());
    EXPECT_EQ(match.moveEnd(), match.moveCursor());
    EXPECT_EQ(match.flipEnd(), match.flipCursor());
    checkInvariants(match);
}

TEST(DscProg, GameEndsByBoardFullOrNoMovesWithTheOpponentOfTheLastMoverToMove) {
    std::mt19937 random(99);
    bool sawFull = false;
    bool sawNoMoves = false;
    for (int game = 0; game < 400 && !(sawFull && sawNoMoves); ++game) {
        DscProg match;
        match.reset();
        while (!match.isOver())
            playRandom(match, random);
        const DiscColor last = match.currentMoveColor();
        EXPECT_EQ(match.sideToMove(), opponentOf(last));
        if (match.status() == MatchStatus::BoardFull) {
            sawFull = true;
            EXPECT_EQ(match.movesPlayed(), 60);
        } else {
            ASSERT_EQ(match.status(), MatchStatus::NoMoves);
            sawNoMoves = true;
            EXPECT_LT(match.movesPlayed(), 60);
        }
        EXPECT_FALSE(match.makeMove(1, 1));
        ASSERT_TRUE(match.unmakeMove());
        EXPECT_EQ(match.sideToMove(), last);
        EXPECT_LT(static_cast<int>(match.status()), 2);
    }
    EXPECT_TRUE(sawFull);
    EXPECT_TRUE(sawNoMoves);
}

TEST(DscProg, CopyFromMakesAnIndependentEqualMatch) {
    std::mt19937 random(3);
    DscProg live;
    live.reset();
    for (int i = 0; i < 20; ++i)
        playRandom(live, random);
    live.unmakeMove();
    DscProg copy;
    copy.copyFrom(live);
    EXPECT_EQ(snapshotOf(copy), snapshotOf(live));
    EXPECT_EQ(copy.redoLimit(), live.redoLimit());
    ASSERT_TRUE(copy.redoMove());
    EXPECT_NE(snapshotOf(copy), snapshotOf(live));
    ASSERT_TRUE(live.redoMove());
    EXPECT_EQ(snapshotOf(copy), snapshotOf(live));
}

}  // namespace
}  // namespace discada
