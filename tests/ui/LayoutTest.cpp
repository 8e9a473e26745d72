#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "ui/ChildLayout.h"
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

namespace {

HWND Child(int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(n)); }

// A form's children without any window: each goes where its anchors take it at the DPI, and a
// child sized to its text takes its measured size, measured once per text, font and DPI.
TEST(ChildLayout, PlacesByAnchorsAndMeasuresEachTextOncePerDpi)
{
    TChildLayout layout({400, 200});
    layout.Set(Child(1), {100, 40, 60, 20}, akRight | akTop);
    layout.Set(Child(2), {8, 8, 0, 0}, akLeft | akBottom);
    layout.SetFitText(Child(2), true);
    int measured = 0;
    auto measure = [&](HWND child, bool bold, UINT dpi) {
        ++measured;
        EXPECT_EQ(child, Child(2));
        int width = bold ? 120 : 100;
        return SIZE{MulDiv(width, static_cast<int>(dpi), 96), MulDiv(12, static_cast<int>(dpi), 96)};
    };
    EXPECT_EQ(layout.PlaceFor(Child(1), {600, 300}, 96, measure), (TBounds{300, 40, 60, 20}));
    EXPECT_EQ(layout.PlaceFor(Child(1), {600, 300}, 144, measure), (TBounds{450, 60, 90, 30}));
    EXPECT_EQ(layout.PlaceFor(Child(2), {600, 300}, 96, measure), (TBounds{8, 108, 100, 12}));
    EXPECT_EQ(layout.PlaceFor(Child(2), {400, 200}, 96, measure), (TBounds{8, 8, 100, 12}));
    EXPECT_EQ(measured, 1) << "a size change measured the text again";
    EXPECT_EQ(layout.PlaceFor(Child(2), {400, 200}, 144, measure), (TBounds{12, 12, 150, 18}));
    EXPECT_EQ(measured, 2);
    layout.SetBold(Child(2), true);
    EXPECT_EQ(layout.PlaceFor(Child(2), {400, 200}, 144, measure), (TBounds{12, 12, 180, 18}));
    // Laid out anew (a new caption): measured anew, still sized to its text and bold.
    layout.Set(Child(2), {8, 30, 0, 0}, akLeft | akTop);
    EXPECT_EQ(layout.PlaceFor(Child(2), {400, 200}, 144, measure), (TBounds{12, 45, 180, 18}));
    EXPECT_EQ(measured, 4);

    EXPECT_EQ(layout.Designed(Child(1)), (TBounds{100, 40, 60, 20}));
    layout.Remove(Child(1));
    EXPECT_FALSE(layout.Has(Child(1)));
    EXPECT_EQ(layout.Designed(Child(1)), TBounds{});
    EXPECT_EQ(layout.Children(), std::vector<HWND>{Child(2)});
}

}  // namespace
