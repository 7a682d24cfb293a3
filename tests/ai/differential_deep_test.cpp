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

}  // namespace
}  // namespace discada
