#include "ai/bitboard.h"

#include <gtest/gtest.h>

#include "ai/bit_position.h"
#include "ai/kernels.h"
#include "ai_test_support.h"

namespace discada {
namespace {

using bitboard::Bits;

Bits bitsOf(const Line& cells) {
    Bits b = 0;
    for (const CellPos c : cells)
        b |= Bits{1} << bitboard::cellOf(c.column, c.row);
    return b;
}

Bits discsOf(const DscProg& match, DiscColor colour) {
    Bits b = 0;
    for (std::int32_t column = 1; column <= kBoardSize; ++column) {
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            if (match.board().stateAt(column, row) == colour) {
                b |= Bits{1} << bitboard::cellOf(column, row);
            }
        }
    }
    return b;
}

// The kernels of every instruction set the processor runs, and the portable forms, against the
// board's own rules on each position of seeded random games.
TEST(Bitboard, LegalPlacementsAndTurnedDiscsAgreeWithTheBoard) {
    std::vector<const Kernels*> kernels;
    for (const KernelIsa isa : {KernelIsa::Portable, KernelIsa::Avx2, KernelIsa::Avx512}) {
        if (isSupported(isa)) kernels.push_back(&kernelsFor(isa));
    }
    std::mt19937 random(11);
    DscProg match;
    std::array<CellPos, kCellListCapacity> turned;
    for (int game = 0; game < 60; ++game) {
        const Line line = randomLine(random, 60);
        match.reset();
        for (const CellPos next : line) {
            const Bits black = discsOf(match, kBlack);
            const Bits white = discsOf(match, kWhite);
            const Bits blackLegal = bitsOf(legalFor(match, kBlack));
            const Bits whiteLegal = bitsOf(legalFor(match, kWhite));
            ASSERT_EQ(bitboard::legalPlacementsPortable(black, white), blackLegal);
            ASSERT_EQ(bitboard::legalPlacementsPortable(white, black), whiteLegal);
            for (const Kernels* k : kernels) {
                const bitboard::LegalPair both = k->legalPlacements(black, white);
                ASSERT_EQ(both.first, blackLegal) << boardDump(match);
                ASSERT_EQ(both.second, whiteLegal) << boardDump(match);
            }

            const DiscColor side = match.sideToMove();
            const Bits own = side == kBlack ? black : white;
            const Bits other = side == kBlack ? white : black;
            for (const CellPos m : allLegal(match)) {
                const std::int32_t n = match.board().findFlips(m.column, m.row, side, turned);
                const Bits expected = bitsOf(Line(turned.begin(), turned.begin() + n));
                const std::int32_t cell = bitboard::cellOf(m.column, m.row);
                ASSERT_EQ(bitboard::turnedDiscsPortable(cell, own, other), expected);
                for (const Kernels* k : kernels) {
                    ASSERT_EQ(k->turnedDiscs(cell, own, other), expected) << boardDump(match);
                }
            }
            ASSERT_TRUE(match.makeMove(next.column, next.row));
        }
    }
}

// The position follows the match placement by placement and back: discs, side to move, the
// colour of the last placement, the count of placements and the legal placements.
void expectSamePosition(const BitPosition& position, const DscProg& match) {
    ASSERT_EQ(position.discs(kBlack), discsOf(match, kBlack)) << boardDump(match);
    ASSERT_EQ(position.discs(kWhite), discsOf(match, kWhite)) << boardDump(match);
    ASSERT_EQ(position.sideToMove(), match.sideToMove()) << boardDump(match);
    ASSERT_EQ(position.lastMoverColor(), match.currentMoveColor()) << boardDump(match);
    ASSERT_EQ(position.movesPlayed(), match.movesPlayed());
    const Bits legal = match.isOver() ? 0 : bitsOf(allLegal(match));
    ASSERT_EQ(position.allLegal(), legal) << boardDump(match);
}

TEST(BitPosition, FollowsTheMatchThroughWholeGamesAndBack) {
    std::mt19937 random(12);
    DscProg match;
    int passes = 0;
    int fullBoards = 0;
    for (int game = 0; game < 200; ++game) {
        const Line line = randomLine(random, 60);
        match.reset();
        BitPosition position = BitPosition::of(match);
        std::vector<BitPosition::Undo> undos;
        for (const CellPos m : line) {
            undos.push_back(position.make(BitPosition::moveOf(m)));
            ASSERT_TRUE(match.makeMove(m.column, m.row));
            passes += match.status() == MatchStatus::Pass;
            fullBoards += match.status() == MatchStatus::BoardFull;
            expectSamePosition(position, match);
            expectSamePosition(BitPosition::of(match), match);
        }
        for (auto m = line.rbegin(); m != line.rend(); ++m) {
            position.unmake(BitPosition::moveOf(*m), undos.back());
            undos.pop_back();
            match.unmakeMove();
            expectSamePosition(position, match);
        }
    }
    EXPECT_GT(passes, 10);
    EXPECT_GT(fullBoards, 10);
}

TEST(BitPosition, OffersOnlyTheFirst24PlacementsInScanOrder) {
    const std::vector<Line>& wide = wideLines();
    ASSERT_FALSE(wide.empty());
    DscProg match;
    for (const Line& line : wide) {
        replay(match, line);
        const Line all = allLegal(match);
        const Line first(all.begin(), all.begin() + kCellListCapacity);
        Line offered;
        for (const BitPosition::Move m : BitPosition::of(match).legalMoves()) {
            offered.push_back(BitPosition::cellOf(m));
        }
        EXPECT_EQ(offered, first) << lineText(line);
    }
}

}  // namespace
}  // namespace discada
