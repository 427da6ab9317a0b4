#include <gtest/gtest.h>

#include "ui/DesktopLayout.h"
#include "ui/WindowSizes.h"

TEST(WindowSizes, TheThreeDrawnRowsStayAsDrawn) {
    EXPECT_EQ(StartSizeForDpi(96), (PixelSize{370, 520}));
    EXPECT_EQ(StartSizeForDpi(120), (PixelSize{430, 630}));
    EXPECT_EQ(StartSizeForDpi(144), (PixelSize{550, 750}));
    EXPECT_EQ(ExpandSizeFor(96, false, true), (PixelSize{610, 520}));
    EXPECT_EQ(ExpandSizeFor(120, false, true), (PixelSize{710, 630}));
    EXPECT_EQ(ExpandSizeFor(144, false, true), (PixelSize{910, 750}));
    EXPECT_EQ(ExpandSizeFor(96, true, false), (PixelSize{550, 750}));
    EXPECT_EQ(ExpandSizeFor(120, true, true), (PixelSize{910, 750}));
    EXPECT_EQ(ExpandSizeFor(144, true, true), (PixelSize{1110, 870}));
    EXPECT_EQ(TerminateDialogLayoutFor(96), (TerminateDialogLayout{{300, 200}, false}));
    EXPECT_EQ(TerminateDialogLayoutFor(120), (TerminateDialogLayout{{350, 230}, true}));
    EXPECT_EQ(TerminateDialogLayoutFor(144), (TerminateDialogLayout{{460, 270}, true}));
}

// Other scales take the nearest lower row times dpi / row dpi; below 96 the 96 row shrinks.
TEST(WindowSizes, OtherDpiValuesScaleTheNearestLowerRow) {
    struct Case {
        int dpi;
        PixelSize start, expanded, troubleExpanded, terminate;
        bool bCorner;
    };
    const Case cases[] = {
        {72, {278, 390}, {458, 390}, {683, 563}, {225, 150}, false},
        {110, {424, 596}, {699, 596}, {1043, 859}, {344, 229}, false},
        {143, {512, 751}, {846, 751}, {1084, 894}, {417, 274}, true},
        {168, {642, 875}, {1062, 875}, {1295, 1015}, {537, 315}, true},
        {192, {733, 1000}, {1213, 1000}, {1480, 1160}, {613, 360}, true},
        {288, {1100, 1500}, {1820, 1500}, {2220, 1740}, {920, 540}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(StartSizeForDpi(c.dpi), c.start);
        EXPECT_EQ(ExpandSizeFor(c.dpi, false, false), c.start);
        EXPECT_EQ(ExpandSizeFor(c.dpi, false, true), c.expanded);
        EXPECT_EQ(ExpandSizeFor(c.dpi, true, true), c.troubleExpanded);
        EXPECT_EQ(TerminateDialogLayoutFor(c.dpi), (TerminateDialogLayout{c.terminate, c.bCorner}));
    }
    EXPECT_EQ(StartSizeForDpi(0), StartSizeForDpi(96)) << "no dpi read: 100 %";
}

TEST(WindowSizes, FitInWorkAreaMovesThenShrinks) {
    const PixelRect work = {0, 40, 1280, 860};  // taskbar along the top
    EXPECT_EQ(FitInWorkArea({0, 0, 370, 520}, work), (PixelRect{0, 40, 370, 520}));
    EXPECT_EQ(FitInWorkArea({1200, 800, 370, 520}, work), (PixelRect{910, 380, 370, 520}));
    EXPECT_EQ(FitInWorkArea({0, 0, 1100, 1500}, work), (PixelRect{0, 40, 1100, 860}));
    EXPECT_EQ(FitInWorkArea({-50, 0, 2000, 300}, work), (PixelRect{0, 40, 1280, 300}));
}
