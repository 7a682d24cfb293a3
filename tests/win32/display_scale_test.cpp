#include <gtest/gtest.h>

#include "win32/display_scale.h"

namespace discada {
namespace {

// At 125 % and 150 %, the scales most screens use besides 100 % and 200 %, half pixels are
// common: each goes up, so no area comes out a pixel short and apart from the next one.
TEST(DisplayScale, RoundsEachLogicalPixelToTheNearestDevicePixel) {
    const DisplayScale at120(120);
    const DisplayScale at144(144);
    EXPECT_EQ(at120.pixels(1), 1);      // 1.25
    EXPECT_EQ(at120.pixels(3), 4);      // 3.75
    EXPECT_EQ(at120.pixels(530), 663);  // 662.5
    EXPECT_EQ(at144.pixels(1), 2);      // 1.5
    EXPECT_EQ(at144.pixels(Rect{385, 120, 515, 320}), (Rect{578, 180, 773, 480}));
    EXPECT_EQ(DisplayScale().pixels(Rect{385, 120, 515, 320}), (Rect{385, 120, 515, 320}));
}

}  // namespace
}  // namespace discada
