#include "ui/WindowSizes.h"

namespace {

struct SizeRow {
    int dpi;
    PixelSize collapsed;
    PixelSize expanded;
    int dy;
};

constexpr SizeRow kNormalRows[] = {
    {96, {370, 520}, {610, 520}, 25},
    {120, {430, 630}, {710, 630}, 30},
    {144, {550, 750}, {910, 750}, 36},
};

constexpr SizeRow kSizeTroubleSmall = {0, {550, 750}, {910, 750}, 42};
constexpr SizeRow kSizeTroubleLarge = {144, {630, 870}, {1110, 870}, 42};

ExpandGeometry Pick(const SizeRow& row, bool bExpanded) {
    return {bExpanded ? row.expanded : row.collapsed, row.dy};
}

}  // namespace

std::optional<PixelSize> StartSizeForDpi(int nDpi) {
    for (const SizeRow& row : kNormalRows) {
        if (row.dpi == nDpi) return row.collapsed;
    }
    return std::nullopt;
}

std::optional<ExpandGeometry> ExpandGeometryFor(int nDpi, bool bSizeTrouble, bool bExpanded) {
    if (bSizeTrouble) return Pick(nDpi < 144 ? kSizeTroubleSmall : kSizeTroubleLarge, bExpanded);
    for (const SizeRow& row : kNormalRows) {
        if (row.dpi == nDpi) return Pick(row, bExpanded);
    }
    return std::nullopt;
}
