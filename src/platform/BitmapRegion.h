// Window regions from colour-keyed bitmaps.
#pragma once

#include <windows.h>

#include <cstddef>

namespace platform {

// Rectangles merged into one region call; more are combined by union.
inline constexpr size_t kRegionBatch = 2000;

// A region made of every pixel of hBitmap that is not pure white, built from one rectangle per
// run of such pixels, nBatch rectangles per region call. Returns null when a device context or
// the pixel buffer cannot be had. The caller owns the region (until it gives it to a window)
// and keeps owning hBitmap.
HRGN CreateRegionFromBitmap(HBITMAP hBitmap, size_t nBatch = kRegionBatch);

}  // namespace platform
