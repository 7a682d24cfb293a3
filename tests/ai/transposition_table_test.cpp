#include "ai/transposition_table.h"

#include <gtest/gtest.h>

#include <random>

namespace discada {
namespace {

using Bits = TranspositionTable::Bits;

// A stored position comes back with its bounds and best placement; a position that shares only
// one colour's discs with it is not found, even where it takes the same entry (a small table
// and many lookups make sure some do).
TEST(TranspositionTable, FindsAPositionByTheDiscsOfBothColours) {
    TranspositionTable table;
    table.sizeFor(0);
    std::mt19937_64 random(81);
    const Bits own = random();
    const Bits other = random() & ~own;
    table.store(own, other, 5, -3, 12, 17);
    const TranspositionTable::Entry* entry = table.find(own, other);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->lower, -3);
    EXPECT_EQ(entry->upper, 12);
    EXPECT_EQ(entry->depth, 5);
    EXPECT_EQ(entry->bestPlusOne, 18);
    for (int i = 0; i < 20000; ++i) {
        const Bits discs = random();
        EXPECT_EQ(table.find(own, discs & ~own), nullptr) << i;
        EXPECT_EQ(table.find(discs & ~other, other), nullptr) << i;
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
}  // namespace discada
