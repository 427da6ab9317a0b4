#include "platform/MaskRegion.h"

#include <algorithm>

namespace {
constexpr int32_t kBytesPerPixel = 4;
}  // namespace

void AppendRowRuns(const uint8_t* pRow, int32_t nWidth, int32_t y, std::vector<MaskRect>& out) {
    for (int32_t x = 0; x < nWidth; ++x) {
        const int32_t x0 = x;
        while (x < nWidth && !IsMaskKey(pRow + static_cast<size_t>(x) * kBytesPerPixel)) ++x;
        // The key pixel that ended the run is skipped by the loop's own step.
        if (x > x0) out.push_back({x0, y, x, y + 1});
    }
}

MaskRect BoundsOf(const std::vector<MaskRect>& rects) {
    if (rects.empty()) return {0, 0, 0, 0};
    MaskRect bounds = rects.front();
    for (const MaskRect& r : rects) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    return bounds;
}
