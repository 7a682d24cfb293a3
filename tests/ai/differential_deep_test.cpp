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
    int positions = 0;
    while (positions < 300) {
        const Line line = randomLine(random, static_cast<std::int32_t>(random() % 60));
        DscProg match;
        replay(match, line);
        if (match.isOver()) continue;
        expectModelsAgree(cpu, line, 5, positions % 7 == 3, events);
        ++positions;
        if (::testing::Test::HasFailure()) return;
    }
    int deep = 0;
    while (deep < 8) {
        const Line line = randomLine(random, 46 + deep);
        DscProg match;
        replay(match, line);
        if (match.isOver()) continue;
        expectModelsAgree(cpu, line, 7 + deep % 4, false, events);
        ++deep;
    }
    EXPECT_GT(events.passes, 100u);
    EXPECT_GT(events.endings, 100u);
}

}  // namespace
}  // namespace discada
