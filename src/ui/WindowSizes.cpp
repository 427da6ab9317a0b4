#include "ui/WindowSizes.h"

#include <algorithm>
#include <span>

namespace {

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

// The row for nDpi: the last one whose dpi is not above it, the first one below them all.
template <class Row>
const Row& RowFor(std::span<const Row> rows, int nDpi) {
    const Row* pRow = &rows.front();
    for (const Row& row : rows) {
        if (row.dpi <= nDpi) pRow = &row;
    }
    return *pRow;
}

PixelSize Scaled(PixelSize size, int nDpi, int nRowDpi) {
    return {ScaleForDpi(size.cx, nDpi, nRowDpi), ScaleForDpi(size.cy, nDpi, nRowDpi)};
}

// A dpi the system cannot mean (none read) is taken as 100 %.
int Usable(int nDpi) {
    return nDpi > 0 ? nDpi : kBaseDpi;
}

}  // namespace

int ScaleForDpi(int value, int nDpi, int nRowDpi) {
    if (nDpi == nRowDpi) return value;
    const long long scaled = static_cast<long long>(value) * nDpi;
    return static_cast<int>((scaled + nRowDpi / 2) / nRowDpi);
}

PixelSize StartSizeForDpi(int nDpi) {
    return ExpandSizeFor(nDpi, false, false);
}

PixelSize ExpandSizeFor(int nDpi, bool bSizeTrouble, bool bExpanded) {
    nDpi = Usable(nDpi);
    const SizeRow& row =
        RowFor<SizeRow>(bSizeTrouble ? std::span(kSizeTroubleRows) : std::span(kNormalRows), nDpi);
    return Scaled(bExpanded ? row.expanded : row.collapsed, nDpi, row.dpi);
}

TerminateDialogLayout TerminateDialogLayoutFor(int nDpi) {
    nDpi = Usable(nDpi);
    const TerminateRow& row = RowFor<TerminateRow>(kTerminateRows, nDpi);
    return {Scaled(row.size, nDpi, row.dpi), row.dpi != kBaseDpi};
}

PixelRect FitInWorkArea(PixelRect wanted, const PixelRect& workArea) {
    wanted.cx = std::min(wanted.cx, workArea.cx);
    wanted.cy = std::min(wanted.cy, workArea.cy);
    wanted.x = std::clamp(wanted.x, workArea.x, workArea.x + workArea.cx - wanted.cx);
    wanted.y = std::clamp(wanted.y, workArea.y, workArea.y + workArea.cy - wanted.cy);
    return wanted;
}
