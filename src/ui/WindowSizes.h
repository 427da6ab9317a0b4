// Window sizes in pixels by screen dpi, for the main window and the terminate dialog. The main
// template is far wider than the window is ever made; these sizes show the left panel, or both
// panels when expanded.
//
// Three rows were drawn by hand (96, 120 and 144 dpi) and hold at exactly those scales. Any other
// scale takes its size from the template's own layout: the edges of the controls that must show,
// in dialog units, through the base units the dialog really has (they follow the font, which
// grows in steps, not in a straight line with the dpi), plus the frame. A size between two drawn
// rows stays between them, so no size shrinks as the dpi grows.
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

// What a created dialog measures at the running scale: its base units (the pixels of 4
// horizontal and of 8 vertical dialog units, as MapDialogRect converts them) and what its frame
// and caption add to the client area's width and height (AdjustWindowRectEx).
struct DialogMetrics {
    int baseX;
    int baseY;
    PixelSize frame;
};

// The window's size when it first shows: the left panel only.
PixelSize StartSizeFor(int nDpi, const DialogMetrics& metrics);

// Size after ">>"/"<<" for the new expanded state, in normal or size-trouble mode. Size trouble
// gives more room: collapsed, the options column whole (below 96 dpi the left panel only);
// expanded, the label beyond the options column too.
PixelSize ExpandSizeFor(int nDpi, const DialogMetrics& metrics, bool bSizeTrouble, bool bExpanded);

// The terminate dialog: its size, showing its three buttons, and whether it moves to the work
// area's corner (from 120 dpi up) or stays where the system placed it.
struct TerminateDialogLayout {
    PixelSize size;
    bool bAtCorner;
    bool operator==(const TerminateDialogLayout&) const = default;
};
TerminateDialogLayout TerminateDialogLayoutFor(int nDpi, const DialogMetrics& metrics);

// wanted moved and, if need be, shrunk so that it lies inside workArea.
PixelRect FitInWorkArea(PixelRect wanted, const PixelRect& workArea);
