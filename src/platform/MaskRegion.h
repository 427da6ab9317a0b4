// The busy window's outline: pixel rows of a colour-keyed mask turned into rectangles, one per
// run of pixels that are not the key colour. Plain code; the GDI side (BitmapRegion.cpp) reads
// the pixels and turns the rectangles into a region.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct MaskRect {
    int32_t left, top, right, bottom;
    bool operator==(const MaskRect&) const = default;
};

// A 32-bit pixel (blue, green, red, unused) is outside the shape when its three colour bytes
// are all 255; the fourth byte does not count and there is no tolerance.
inline bool IsMaskKey(const uint8_t* pPixel) {
    return pPixel[0] == 255 && pPixel[1] == 255 && pPixel[2] == 255;
}

// Appends to out one rectangle (x0, y, x1, y + 1) per run of non-key pixels of the row of
// nWidth 32-bit pixels at pRow.
void AppendRowRuns(const uint8_t* pRow, int32_t nWidth, int32_t y, std::vector<MaskRect>& out);

// Collects the runs of nHeight rows from the top row down and hands them out in batches of at
// most nBatch rectangles (the last batch may be smaller; no batch is empty). rowAt(y) gives the
// pixels of row y counted from the top, so a bottom-up bitmap is read without copying.
template <class RowAt, class Sink>
void ForEachRunBatch(int32_t nWidth, int32_t nHeight, size_t nBatch, RowAt rowAt, Sink sink) {
    std::vector<MaskRect> batch;
    for (int32_t y = 0; y < nHeight; ++y) {
        std::vector<MaskRect> row;
        AppendRowRuns(rowAt(y), nWidth, y, row);
        for (const MaskRect& rect : row) {
            batch.push_back(rect);
            if (batch.size() == nBatch) {
                sink(batch);
                batch.clear();
            }
        }
    }
    if (!batch.empty()) sink(batch);
}

// The smallest rectangle holding every rectangle of rects; (0, 0, 0, 0) for none.
MaskRect BoundsOf(const std::vector<MaskRect>& rects);
