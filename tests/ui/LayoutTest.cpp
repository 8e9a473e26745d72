#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "ui/Layout.h"

namespace {

TEST(Layout, AnchorsKeepTheirEdgesAndUnanchoredAxesKeepTheirCentreFraction)
{
    // A control at 100, 40 / 60 x 20 of a 400 x 200 client area, in a client of 600 x 300.
    const TBounds design{100, 40, 60, 20};
    const SIZE from{400, 200};
    const SIZE to{600, 300};
    struct Case {
        unsigned anchors;
        TBounds expected;
    } const cases[] = {
        {akLeft | akTop, {100, 40, 60, 20}},
        {akRight | akTop, {300, 40, 60, 20}},
        {akLeft | akRight | akTop, {100, 40, 260, 20}},
        {akLeft | akBottom, {100, 140, 60, 20}},
        {akLeft | akTop | akRight | akBottom, {100, 40, 260, 120}},
        // Centre 130 of 400 stays at the same fraction of 600 (195): left 165.
        {akTop, {165, 40, 60, 20}},
        // Centre 50 of 200 goes to 75; the control keeps its size.
        {akLeft, {100, 65, 60, 20}},
        {akBottom, {165, 140, 60, 20}},
    };
    for (const Case& c : cases) EXPECT_EQ(AnchoredBounds(design, c.anchors, from, to), c.expected) << c.anchors;
    // The design size gives the design bounds back, whatever the anchors.
    for (const Case& c : cases) EXPECT_EQ(AnchoredBounds(design, c.anchors, from, from), design) << c.anchors;
}

TEST(Layout, ScalingScalesEdgesSoTouchingNeighboursStillTouch)
{
    struct Case {
        UINT dpi;
        TBounds in, out;
    } const cases[] = {
        {96, {8, 24, 153, 17}, {8, 24, 153, 17}},
        {120, {8, 24, 153, 17}, {10, 30, 191, 21}},
        {144, {8, 24, 153, 17}, {12, 36, 230, 26}},
        {192, {8, 24, 153, 17}, {16, 48, 306, 34}},
        // 9 + 75 ends at 84 at 96 DPI: at 144 DPI 13.5 rounds to 14 and 126 stays, so 112 wide.
        {144, {9, 0, 75, 1}, {14, 0, 112, 2}},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaleToDpi(c.in, c.dpi), c.out) << c.dpi;
    EXPECT_EQ(ScaleToDpi(12, 144), 18);
    EXPECT_EQ(ScaleToDpi(345, 120), 431);
}

}  // namespace
