#include <gtest/gtest.h>

#include "differential_support.h"

namespace discada {
namespace {

// The computer's search written a second time, step by step as the game's rules state it, on the
// bitboard position. It shares nothing with TreeWalk but the position, so a fault in the one
// cannot hide in the other the way it hides from a comparison of two models under one template.
class TranscribedSearch {
public:
    TranscribedSearch(BitPosition& position, DiscColor computer)
        : position_(position), computer_(computer) {}

    std::int32_t search(std::int32_t depth, BitPosition::Move& slot, std::int32_t alpha,
                        std::int32_t beta) {
        ++nodes;
        const BitPosition::Moves moves = position_.legalMoves();
        if (moves.empty()) return position_.endScore(computer_);
        if (depth == 0) return position_.mobilityScore(computer_);
        const DiscColor s = position_.sideToMove();
        if (s == computer_) {
            alpha = -999;
        } else {
            beta = 999;
        }
        BitPosition::Move best = -1;
        for (const BitPosition::Move m : moves) {
            const BitPosition::Undo undo = position_.make(m);
            std::int32_t v = search(depth - 1, slot, alpha, beta);
            position_.unmake(m, undo);
            const std::int32_t w = position_.weight(m, s);
            v = s == computer_ ? v + w : v - w;
            const DiscColor p = position_.lastMoverColor();
            if (p != s && ((p == computer_ && v < alpha) || (p != computer_ && v > beta))) {
                alpha = v;
                beta = v;
                best = m;
                break;
            }
            if (s == computer_ && v > alpha) {
                alpha = v;
                best = m;
            }
            if (s != computer_ && v < beta) {
                beta = v;
                best = m;
            }
        }
        slot = best;
        return s == computer_ ? alpha : beta;
    }

    std::uint64_t nodes = 0;

private:
    BitPosition& position_;
    const DiscColor computer_;
};

// The tree walk and the transcription on positions of random games, for the side to move and for
// the other colour, at depths 1 to 5: the same placement, value and nodes.
TEST(TranscribedSearch, AgreesWithTheTreeWalkOnChoiceValueAndNodes) {
    FakeClock clock;
    DscCpu cpu(clock);
    std::mt19937 random(71);
    const std::vector<Line> lines = unfinishedLines(random, 3000, anyPlacementCount);
    for (std::size_t i = 0; i < lines.size() && !::testing::Test::HasFailure(); ++i) {
        DscProg match;
        replay(match, lines[i]);
        const std::int32_t depth = 1 + static_cast<std::int32_t>(i % 5);
        const DiscColor computer = i % 2 == 0 ? match.sideToMove() : opponentOf(match.sideToMove());
        BitPosition position = BitPosition::of(match);
        TranscribedSearch transcribed(position, computer);
        BitPosition::Move slot = -1;
        const std::int32_t value = transcribed.search(depth, slot, -999, 999);
        const Answer walk = searchOn(cpu, match, SearchKind::BitboardWalk, depth, computer);
        EXPECT_EQ(walk, (Answer{BitPosition::cellOf(slot), value, transcribed.nodes}))
            << "depth " << depth << " computer " << computer << boardDump(match)
            << lineText(lines[i]);
    }
}

}  // namespace
}  // namespace discada
