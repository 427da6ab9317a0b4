// Main-window sizes in pixels by screen dpi. The template is far wider than the window is ever
// made; these sizes show the left panel, or both panels when expanded.
//
// Three rows are drawn by hand (96, 120 and 144 dpi). Any other dpi takes the nearest lower row
// (the 96 row below 96) scaled by dpi / that row's dpi, so every display scale gets a window of
// the same proportions instead of the whole template.
#pragma once

struct PixelSize {
    int cx;
    int cy;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int x;
    int y;
    int cx;
    int cy;
    bool operator==(const PixelRect&) const = default;
};

// value * nDpi / nRowDpi, rounded to the nearest pixel.
int ScaleForDpi(int value, int nDpi, int nRowDpi);

// The window's size when it first shows: the left panel only.
PixelSize StartSizeForDpi(int nDpi);

// Size after ">>"/"<<" for the new expanded state, in normal or size-trouble mode.
PixelSize ExpandSizeFor(int nDpi, bool bSizeTrouble, bool bExpanded);

// The terminate dialog: its size, and whether it moves to the work area's corner (rows 120 and
// 144 and the dpi values scaled from them) or stays where the system placed it (the 96 row).
struct TerminateDialogLayout {
    PixelSize size;
    bool bAtCorner;
    bool operator==(const TerminateDialogLayout&) const = default;
};
TerminateDialogLayout TerminateDialogLayoutFor(int nDpi);

// wanted moved and, if need be, shrunk so that it lies inside workArea.
PixelRect FitInWorkArea(PixelRect wanted, const PixelRect& workArea);
