#include <gtest/gtest.h>

#include "ui/DesktopLayout.h"
#include "ui/WindowSizes.h"

namespace {

int MulDivRound(int a, int b, int c) {
    return (a * b + c / 2) / c;
}

// The dialogs' metrics as Wine 8 gives them (measured with MapDialogRect and AdjustWindowRectEx
// at every dpi): the base units of Tahoma, the face "MS Shell Dlg" stands for, by the pixel
// height of its 8 points, and a caption that grows with the dpi.
DialogMetrics TahomaMetrics(int nDpi) {
    struct Units {
        int baseX, baseY;
    };
    constexpr Units kByPixelHeight[] = {
        {4, 10},  {5, 11},  {6, 12},  {6, 13},  {7, 14},  {7, 16},  {8, 17},  {8, 18},  {9, 19},
        {10, 21}, {10, 22}, {10, 23}, {11, 24}, {12, 25}, {12, 27}, {13, 28}, {14, 29}, {14, 30},
        {15, 31}, {15, 33}, {16, 34}, {16, 35}, {17, 36}, {17, 37}, {18, 39},
    };
    const int nPixels = MulDivRound(8, nDpi, 72);  // 8 at 72 dpi, 32 at 288
    const Units units = kByPixelHeight[nPixels - 8];
    return {units.baseX, units.baseY, {6, MulDivRound(18, nDpi, 96) + 7}};
}

struct Sizes {
    PixelSize collapsed, expanded, troubleCollapsed, troubleExpanded, terminate;
};

Sizes SizesAt(int nDpi, const DialogMetrics& m) {
    return {StartSizeFor(nDpi, m), ExpandSizeFor(nDpi, m, false, true),
            ExpandSizeFor(nDpi, m, true, false), ExpandSizeFor(nDpi, m, true, true),
            TerminateDialogLayoutFor(nDpi, m).size};
}

bool IsDrawnRow(int nDpi) {
    return nDpi == 96 || nDpi == 120 || nDpi == 144;
}

// Where the client area of a window of size ends, in pixels: it shows whole a control that ends
// there or before, and nothing of one that starts there or after.
PixelSize ClientEndOf(PixelSize size, const DialogMetrics& m) {
    return {size.cx - m.frame.cx, size.cy - m.frame.cy};
}

}  // namespace

TEST(WindowSizes, TheThreeDrawnRowsStayAsDrawnWhateverTheFont) {
    for (const DialogMetrics& m : {TahomaMetrics(96), DialogMetrics{7, 15, {8, 31}}}) {
        EXPECT_EQ(StartSizeFor(96, m), (PixelSize{370, 520}));
        EXPECT_EQ(StartSizeFor(120, m), (PixelSize{430, 630}));
        EXPECT_EQ(StartSizeFor(144, m), (PixelSize{550, 750}));
        EXPECT_EQ(ExpandSizeFor(96, m, false, true), (PixelSize{610, 520}));
        EXPECT_EQ(ExpandSizeFor(120, m, false, true), (PixelSize{710, 630}));
        EXPECT_EQ(ExpandSizeFor(144, m, false, true), (PixelSize{910, 750}));
        EXPECT_EQ(ExpandSizeFor(96, m, true, false), (PixelSize{550, 750}));
        EXPECT_EQ(ExpandSizeFor(120, m, true, true), (PixelSize{910, 750}));
        EXPECT_EQ(ExpandSizeFor(144, m, true, false), (PixelSize{630, 870}));
        EXPECT_EQ(ExpandSizeFor(144, m, true, true), (PixelSize{1110, 870}));
        EXPECT_EQ(TerminateDialogLayoutFor(96, m), (TerminateDialogLayout{{300, 200}, false}));
        EXPECT_EQ(TerminateDialogLayoutFor(120, m), (TerminateDialogLayout{{350, 230}, true}));
        EXPECT_EQ(TerminateDialogLayoutFor(144, m), (TerminateDialogLayout{{460, 270}, true}));
        EXPECT_EQ(StartSizeFor(0, m), StartSizeFor(96, m)) << "no dpi read: 100 %";
    }
}

TEST(WindowSizes, NoSizeShrinksAsTheDpiGrows) {
    Sizes last = SizesAt(72, TahomaMetrics(72));
    for (int nDpi = 73; nDpi <= 288; ++nDpi) {
        SCOPED_TRACE(nDpi);
        const Sizes now = SizesAt(nDpi, TahomaMetrics(nDpi));
        const PixelSize Sizes::*kinds[] = {&Sizes::collapsed, &Sizes::expanded,
                                           &Sizes::troubleCollapsed, &Sizes::troubleExpanded,
                                           &Sizes::terminate};
        for (const PixelSize Sizes::*kind : kinds) {
            EXPECT_GE((now.*kind).cx, (last.*kind).cx);
            EXPECT_GE((now.*kind).cy, (last.*kind).cy);
        }
        last = now;
    }
}

// The edges come from res/VorlIP.rc. Main window: the left panel ends at 234 and the options
// column starts at 244; the options column ends at 397, the apology label starts at 407 and ends
// at 415, the parked controls start at 949; the bottom row ends at 300. Terminate dialog: the
// buttons end at 189 and 94, the disabled page button starts at 124 below them, and nothing
// starts to their right within the template's 316.
TEST(WindowSizes, EveryOtherScaleShowsWholeWhatMustShowAndNothingOfTheHiddenColumn) {
    struct Span {
        int lastShown, firstHidden;
    };
    const auto expectShows = [](const char* what, int end, Span span, int base, int per) {
        EXPECT_GE(end, MulDivRound(span.lastShown, base, per)) << what << " cut";
        EXPECT_LT(end, MulDivRound(span.firstHidden, base, per)) << what << " shows what it hides";
    };
    for (int nDpi = 72; nDpi <= 288; ++nDpi) {
        if (IsDrawnRow(nDpi)) continue;
        SCOPED_TRACE(nDpi);
        const DialogMetrics m = TahomaMetrics(nDpi);
        const Sizes sizes = SizesAt(nDpi, m);
        const int bx = m.baseX;
        expectShows("collapsed", ClientEndOf(sizes.collapsed, m).cx, {234, 244}, bx, 4);
        expectShows("expanded", ClientEndOf(sizes.expanded, m).cx, {397, 407}, bx, 4);
        expectShows("trouble, expanded", ClientEndOf(sizes.troubleExpanded, m).cx, {415, 949}, bx,
                    4);
        // Between the drawn rows the trouble width is theirs: it cuts the options column as
        // they do, since it may neither shrink nor grow past them.
        if (nDpi < 96) {
            expectShows("trouble", ClientEndOf(sizes.troubleCollapsed, m).cx, {234, 244}, bx, 4);
        } else if (nDpi > 144) {
            expectShows("trouble", ClientEndOf(sizes.troubleCollapsed, m).cx, {397, 407}, bx, 4);
        }
        for (const PixelSize& size :
             {sizes.collapsed, sizes.expanded, sizes.troubleCollapsed, sizes.troubleExpanded}) {
            EXPECT_GE(ClientEndOf(size, m).cy, MulDivRound(300, m.baseY, 8)) << "bottom row cut";
        }
        expectShows("terminate", ClientEndOf(sizes.terminate, m).cx, {189, 316}, bx, 4);
        expectShows("terminate", ClientEndOf(sizes.terminate, m).cy, {94, 124}, m.baseY, 8);
    }
}

TEST(WindowSizes, FitInWorkAreaMovesThenShrinks) {
    const PixelRect work = {0, 40, 1280, 860};  // taskbar along the top
    EXPECT_EQ(FitInWorkArea({0, 0, 370, 520}, work), (PixelRect{0, 40, 370, 520}));
    EXPECT_EQ(FitInWorkArea({1200, 800, 370, 520}, work), (PixelRect{910, 380, 370, 520}));
    EXPECT_EQ(FitInWorkArea({0, 0, 1100, 1500}, work), (PixelRect{0, 40, 1100, 860}));
    EXPECT_EQ(FitInWorkArea({-50, 0, 2000, 300}, work), (PixelRect{0, 40, 1280, 300}));
}
