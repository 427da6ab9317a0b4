#include <gtest/gtest.h>

#include "ui/WindowSizes.h"

TEST(WindowSizes, StartSizeOnlyForTheThreeKnownDpiValues) {
    EXPECT_EQ(StartSizeForDpi(96), (PixelSize{370, 520}));
    EXPECT_EQ(StartSizeForDpi(120), (PixelSize{430, 630}));
    EXPECT_EQ(StartSizeForDpi(144), (PixelSize{550, 750}));
    EXPECT_FALSE(StartSizeForDpi(110));
    EXPECT_FALSE(StartSizeForDpi(192));
}

TEST(WindowSizes, ExpandChangesOnlyTheWidthInNormalMode) {
    for (int dpi : {96, 120, 144}) {
        const auto collapsed = ExpandGeometryFor(dpi, false, false);
        const auto expanded = ExpandGeometryFor(dpi, false, true);
        ASSERT_TRUE(collapsed && expanded) << dpi;
        EXPECT_EQ(collapsed->size, *StartSizeForDpi(dpi));
        EXPECT_EQ(collapsed->size.cy, expanded->size.cy);
        EXPECT_GT(expanded->size.cx, collapsed->size.cx);
        EXPECT_EQ(collapsed->dy, expanded->dy);
    }
    EXPECT_EQ(ExpandGeometryFor(120, false, true)->size, (PixelSize{710, 630}));
    EXPECT_EQ(ExpandGeometryFor(144, false, true)->dy, 36);
    EXPECT_FALSE(ExpandGeometryFor(110, false, true));
}

TEST(WindowSizes, SizeTroubleModeHasASmallAndALargeRowForAnyDpi) {
    EXPECT_EQ(ExpandGeometryFor(96, true, false)->size, (PixelSize{550, 750}));
    EXPECT_EQ(ExpandGeometryFor(110, true, true)->size, (PixelSize{910, 750}));
    EXPECT_EQ(ExpandGeometryFor(143, true, true)->size, (PixelSize{910, 750}));
    EXPECT_EQ(ExpandGeometryFor(144, true, false)->size, (PixelSize{630, 870}));
    EXPECT_EQ(ExpandGeometryFor(192, true, true)->size, (PixelSize{1110, 870}));
    EXPECT_EQ(ExpandGeometryFor(192, true, true)->dy, 42);
}
