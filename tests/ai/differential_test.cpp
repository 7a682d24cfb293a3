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
    const std::vector<Line> lines = unfinishedLines(random, 3000, anyPlacementCount);
    for (std::size_t i = 0; i < lines.size() && !::testing::Test::HasFailure(); ++i) {
        expectModelsAgree(cpu, lines[i], 1 + static_cast<std::int32_t>(i % 4), i % 7 == 3, events);
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
