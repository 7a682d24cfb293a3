#include <gtest/gtest.h>

#include "ai/dsc_cpu.h"
#include "ai/weight_table.h"
#include "ai_test_support.h"

namespace discada {
namespace {

// The known answers and the rules every search must keep.
class Search : public ::testing::TestWithParam<SearchKind> {
protected:
    Answer search(const DscProg& match, std::int32_t depth) {
        return searchOn(cpu_, match, GetParam(), depth, match.sideToMove());
    }

    FakeClock clock_;
    DscCpu cpu_{clock_};
};

const Line kReferenceLine = {{5, 6}, {4, 6}, {3, 4}, {6, 6}, {7, 7}, {7, 6}, {3, 7}, {3, 6}};

TEST_P(Search, AnswersBlacksOpeningAtFourThree) {
    DscProg match;
    replay(match, {{4, 3}});
    const Answer three = search(match, 3);
    EXPECT_EQ(three.choice, (CellPos{3, 5}));
    EXPECT_EQ(three.value, 1);
    const Answer five = search(match, 5);
    EXPECT_EQ(five.choice, (CellPos{3, 3}));
    EXPECT_EQ(five.value, 1);
}

// The bounds a child receives are not corrected by the weight of the placement: this is where
// the search differs from an exact minimax, which would choose (4,7).
TEST_P(Search, ValuesTheReferencePositionAsTheGameAlwaysHas) {
    DscProg match;
    replay(match, kReferenceLine);
    ASSERT_EQ(allLegal(match), (Line{{2, 7}, {3, 5}, {4, 7}, {5, 7}, {6, 7}, {7, 5}}));
    const Answer answer = search(match, 3);
    EXPECT_EQ(answer.choice, (CellPos{6, 7}));
    EXPECT_EQ(answer.value, -28);

    // The root's loop by hand: each placement's subtree with the bounds the root hands it.
    const std::int32_t expected[] = {-60, -30, -29, -31, -28, -31};
    const WeightTable weights(match.board());
    std::int32_t alpha = -999;
    int i = 0;
    for (const CellPos m : allLegal(match)) {
        ASSERT_TRUE(match.makeMove(m.column, m.row));
        cpu_.copyFrom(match);
        cpu_.setMode(GameMode::ComputerBlack);
        cpu_.setSearchKind(GetParam());
        CellPos slot{};
        const std::int32_t value = cpu_.search(2, slot, alpha, 999) +
                                   weights.weight(m.column, m.row, kBlack, match.movesPlayed());
        match.unmakeMove();
        EXPECT_EQ(value, expected[i++]) << "placement " << m.column << ',' << m.row;
        alpha = std::max(alpha, value);
    }
}

// At depth 1 every child is a leaf, so the root's value is the best of weight plus leaf score,
// and between equal values the first placement in scan order stays. The leaf is the finished
// game's score when the placement ends the game, whatever the depth.
TEST_P(Search, AtDepthOneChoosesTheFirstBestOfWeightPlusLeafScore) {
    std::mt19937 random(21);
    DscProg match;
    int ties = 0;
    int endings = 0;
    for (int i = 0; i < 400; ++i) {
        replay(match, randomLine(random, 20 + static_cast<std::int32_t>(random() % 40)));
        if (match.isOver()) continue;
        const DiscColor computer = match.sideToMove();
        const WeightTable weights(match.board());
        std::int32_t best = -999;
        CellPos choice{};
        int bestCount = 0;
        const Line all = allLegal(match);
        for (std::size_t k = 0; k < all.size() && k < kCellListCapacity; ++k) {
            const CellPos m = all[k];
            ASSERT_TRUE(match.makeMove(m.column, m.row));
            const bool over = match.isOver();
            endings += over;
            const std::int32_t leaf =
                over ? weights.endScore(computer) : weights.mobilityScore(computer);
            const std::int32_t value = leaf + weights.weight(m.column, m.row, computer, 0);
            match.unmakeMove();
            if (value > best) {
                best = value;
                choice = m;
                bestCount = 1;
            } else if (value == best) {
                ++bestCount;
            }
        }
        ties += bestCount > 1;
        const Answer answer = search(match, 1);
        EXPECT_EQ(answer.choice, choice) << boardDump(match);
        EXPECT_EQ(answer.value, best) << boardDump(match);
        EXPECT_EQ(answer.nodes, 1 + std::min<std::uint64_t>(all.size(), kCellListCapacity));
    }
    EXPECT_GT(ties, 20);
    EXPECT_GT(endings, 5);
}

// A search that ends at its root (the game is over, or depth 0) writes nothing into the slot,
// and the private match shows the copied position again after any search.
TEST_P(Search, LeavesTheSlotAloneAtALeafAndTheMatchAsItWas) {
    DscProg match;
    replay(match, {{4, 3}});
    cpu_.copyFrom(match);
    cpu_.setMode(GameMode::ComputerWhite);
    cpu_.setSearchKind(GetParam());
    CellPos slot{9, 9};
    EXPECT_EQ(cpu_.search(0, slot, -999, 999), WeightTable(match.board()).mobilityScore(kWhite));
    EXPECT_EQ(slot, (CellPos{9, 9}));
    EXPECT_EQ(cpu_.lastNodes(), 1u);

    std::mt19937 random(22);
    for (int i = 0; i < 30; ++i) {
        replay(match, randomLine(random, 40 + static_cast<std::int32_t>(random() % 21)));
        cpu_.copyFrom(match);
        cpu_.setMode(static_cast<GameMode>(match.sideToMove()));
        const Snapshot before = snapshotOf(cpu_);
        slot = {9, 9};
        cpu_.search(4, slot, -999, 999);
        EXPECT_EQ(snapshotOf(cpu_), before) << boardDump(match);
        EXPECT_EQ(slot == (CellPos{9, 9}), match.isOver()) << boardDump(match);
    }
}

INSTANTIATE_TEST_SUITE_P(EverySearch, Search,
                         ::testing::Values(SearchKind::MatchWalk, SearchKind::BitboardWalk,
                                           SearchKind::Pruned),
                         [](const auto& info) {
                             const SearchKind kind = info.param;
                             return kind == SearchKind::BitboardWalk ? "BitboardWalk"
                                    : kind == SearchKind::MatchWalk  ? "MatchWalk"
                                                                     : "Pruned";
                         });

}  // namespace
}  // namespace discada
