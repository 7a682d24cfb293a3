#include "game/window_layout.h"

#include <gtest/gtest.h>

namespace discada {
namespace {

TEST(WindowLayout, CentresOnThePrimaryScreenTruncatingTowardZero) {
    EXPECT_EQ(centredWindowPosition(1024, 768), (WindowPosition{247, 177}));
    EXPECT_EQ(centredWindowPosition(1920, 1080), (WindowPosition{695, 333}));
    EXPECT_EQ(centredWindowPosition(500, 600), (WindowPosition{-15, 93}));
    EXPECT_EQ(centredWindowPosition(529, 412), (WindowPosition{0, 0}));
}

}  // namespace
}  // namespace discada
