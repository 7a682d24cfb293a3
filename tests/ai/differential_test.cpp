#include <gtest/gtest.h>

#include "differential_support.h"

namespace discada {
namespace {

// The two position models under the one search: the same choice, root value and nodes on
// positions of seeded random games at depths 1 to 4, with passes and finished games inside
// the trees, and on positions with more than 24 legal placements.
TEST(DifferentialSearch, ModelsAgreeAtDepths1To4) {
    FakeClock clock;
    DscCpu cpu(clock);
    TreeEvents events;
    std::mt19937 random(41);
    int positions = 0;
    while (positions < 3000) {
        const Line line = randomLine(random, static_cast<std::int32_t>(random() % 60));
        DscProg match;
        replay(match, line);
        if (match.isOver()) continue;
        const std::int32_t depth = 1 + positions % 4;
        expectModelsAgree(cpu, line, depth, positions % 7 == 3, events);
        ++positions;
        if (::testing::Test::HasFailure()) return;
    }
    std::uint64_t wideRoots = 0;
    for (const Line& line : wideLines()) {
        for (const std::int32_t depth : {1, 2, 3})
            expectModelsAgree(cpu, line, depth, false, events);
        ++wideRoots;
    }
    EXPECT_GT(wideRoots, 5u);
    EXPECT_GT(events.passes, 100u);
    EXPECT_GT(events.endings, 100u);
    EXPECT_GT(events.wideNodes, 5u);
}

}  // namespace
}  // namespace discada
