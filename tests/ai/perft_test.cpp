#include <gtest/gtest.h>

#include "ai/kernels.h"
#include "match/dsc_prog.h"

namespace discada {
namespace {

TEST(Perft, LeafCountsFromTheStartMatchTheKnownTotalsOnEveryInstructionSet) {
    const std::uint64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216, 3005288};
    DscProg start;
    start.reset();
    for (const KernelIsa isa : {KernelIsa::Portable, KernelIsa::Avx2, KernelIsa::Avx512}) {
        if (!isSupported(isa)) continue;
        for (std::int32_t depth = 0; depth <= 9; ++depth) {
            EXPECT_EQ(kernelsFor(isa).perft(start, depth), expected[depth])
                << nameOf(isa) << " depth " << depth;
        }
    }
}

}  // namespace
}  // namespace discada
