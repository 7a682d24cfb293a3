#include "ai/perft.h"

#include <gtest/gtest.h>

#include "match/dsc_prog.h"

namespace discada {
namespace {

TEST(Perft, LeafCountsFromTheStartMatchTheKnownTotals) {
    const std::uint64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216, 3005288};
    DscProg start;
    start.reset();
    BitPosition position = BitPosition::of(start);
    for (std::int32_t depth = 0; depth <= 9; ++depth) {
        EXPECT_EQ(perft(position, depth), expected[depth]) << "depth " << depth;
    }
    EXPECT_EQ(position.movesPlayed(), 0);
    EXPECT_EQ(position.discs(kBlack) | position.discs(kWhite),
              BitPosition::of(start).discs(kBlack) | BitPosition::of(start).discs(kWhite));
}

}  // namespace
}  // namespace discada
