#include "ui/WindowSizes.h"

#include <algorithm>
#include <optional>
#include <span>

namespace {

// Where a window's client area ends, in dialog units.
struct LayoutEdges {
    int right;
    int bottom;
};

// The templates' own margin, kept after the last control that must show; each hidden control
// starts further out than that.
constexpr int kMargin = 7;

// The main template (res/VorlIP.rc). The left panel ends at 234 (Search, "?", ">>", the printer
// list) and the options column starts at 244; the options column ends at 397 and the apology
// label starts at 407; that label ends at 415 and the parked controls start at 949. The bottom
// row ("Change All", "Exit Anyway!") ends at 300, and nothing lies below it.
constexpr int kMainBottom = 300 + kMargin;
constexpr LayoutEdges kLeftPanel = {234 + kMargin, kMainBottom};
constexpr LayoutEdges kBothPanels = {397 + kMargin, kMainBottom};
constexpr LayoutEdges kWithApology = {415 + kMargin, kMainBottom};

// The terminate template: its three buttons end at 189 and 94. The disabled page button starts
// at 124 below them and stays hidden, as in the drawn rows; the picture strip opens the page.
constexpr LayoutEdges kTerminateButtons = {189 + kMargin, 94 + kMargin};

struct SizeRow {
    int dpi;
    PixelSize collapsed;
    PixelSize expanded;
};

constexpr SizeRow kNormalRows[] = {
    {96, {370, 520}, {610, 520}},
    {120, {430, 630}, {710, 630}},
    {144, {550, 750}, {910, 750}},
};

// Size trouble was drawn with one size below 144 dpi and one from 144 up.
constexpr SizeRow kSizeTroubleRows[] = {
    {96, {550, 750}, {910, 750}},
    {120, {550, 750}, {910, 750}},
    {144, {630, 870}, {1110, 870}},
};

struct TerminateRow {
    int dpi;
    PixelSize size;
};

constexpr TerminateRow kTerminateRows[] = {
    {96, {300, 200}},
    {120, {350, 230}},
    {144, {460, 270}},
};

constexpr int kBaseDpi = 96;
constexpr int kCornerDpi = 120;

// units * base / per, rounded to the nearest pixel as MapDialogRect rounds.
int ToPixels(int units, int base, int per) {
    return static_cast<int>((static_cast<long long>(units) * base + per / 2) / per);
}

PixelSize LayoutSize(const LayoutEdges& edges, const DialogMetrics& metrics) {
    return {ToPixels(edges.right, metrics.baseX, 4) + metrics.frame.cx,
            ToPixels(edges.bottom, metrics.baseY, 8) + metrics.frame.cy};
}

// The size at nDpi: a drawn row's own at its dpi; otherwise the layout's, but at least the row
// below and at most the row above, so that the sizes never shrink from one dpi to the next
// (the base units grow with the dpi, so a neighbouring row fits wherever it takes over).
template <class Row, class Pick>
PixelSize Sized(std::span<const Row> rows, int nDpi, PixelSize layout, Pick pick) {
    std::optional<PixelSize> below;
    std::optional<PixelSize> above;
    for (const Row& row : rows) {
        if (row.dpi == nDpi) return pick(row);
        if (row.dpi < nDpi) below = pick(row);
        if (row.dpi > nDpi && !above) above = pick(row);
    }
    if (below) layout = {std::max(layout.cx, below->cx), std::max(layout.cy, below->cy)};
    if (above) layout = {std::min(layout.cx, above->cx), std::min(layout.cy, above->cy)};
    return layout;
}

// Where the main window's client area ends in each state.
const LayoutEdges& EdgesFor(int nDpi, bool bSizeTrouble, bool bExpanded) {
    if (!bSizeTrouble) return bExpanded ? kBothPanels : kLeftPanel;
    if (bExpanded) return kWithApology;
    // Below the first row, the whole options column would be wider than the trouble width drawn
    // for 96 dpi, and no size may shrink towards it.
    return nDpi < kBaseDpi ? kLeftPanel : kBothPanels;
}

// A dpi the system cannot mean (none read) is taken as 100 %.
int Usable(int nDpi) {
    return nDpi > 0 ? nDpi : kBaseDpi;
}

}  // namespace

PixelSize StartSizeFor(int nDpi, const DialogMetrics& metrics) {
    return ExpandSizeFor(nDpi, metrics, false, false);
}

PixelSize ExpandSizeFor(int nDpi, const DialogMetrics& metrics, bool bSizeTrouble, bool bExpanded) {
    nDpi = Usable(nDpi);
    const LayoutEdges& edges = EdgesFor(nDpi, bSizeTrouble, bExpanded);
    const std::span<const SizeRow> rows = bSizeTrouble ? kSizeTroubleRows : kNormalRows;
    return Sized<SizeRow>(rows, nDpi, LayoutSize(edges, metrics), [bExpanded](const SizeRow& row) {
        return bExpanded ? row.expanded : row.collapsed;
    });
}

TerminateDialogLayout TerminateDialogLayoutFor(int nDpi, const DialogMetrics& metrics) {
    nDpi = Usable(nDpi);
    const PixelSize size =
        Sized<TerminateRow>(kTerminateRows, nDpi, LayoutSize(kTerminateButtons, metrics),
                            [](const TerminateRow& row) { return row.size; });
    return {size, nDpi >= kCornerDpi};
}

PixelRect FitInWorkArea(PixelRect wanted, const PixelRect& workArea) {
    wanted.cx = std::min(wanted.cx, workArea.cx);
    wanted.cy = std::min(wanted.cy, workArea.cy);
    wanted.x = std::clamp(wanted.x, workArea.x, workArea.x + workArea.cx - wanted.cx);
    wanted.y = std::clamp(wanted.y, workArea.y, workArea.y + workArea.cy - wanted.cy);
    return wanted;
}
