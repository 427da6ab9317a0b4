#include "platform/BitmapRegion.h"

#include <vector>

#include "platform/MaskRegion.h"

namespace platform {

namespace {

// The rectangle buffer grows in steps of this many rectangles.
constexpr size_t kRectGrowth = 100;
constexpr WORD kBitsPerPixel = 32;

// One region from a batch of rectangles.
HRGN RegionOfBatch(const std::vector<MaskRect>& rects) {
    const size_t capacity = (rects.size() + kRectGrowth - 1) / kRectGrowth * kRectGrowth;
    std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + capacity * sizeof(RECT));
    auto* pData = reinterpret_cast<RGNDATA*>(buffer.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = static_cast<DWORD>(rects.size());
    pData->rdh.nRgnSize = 0;
    const MaskRect bounds = BoundsOf(rects);
    pData->rdh.rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    auto* pRects = reinterpret_cast<RECT*>(pData->Buffer);
    for (size_t i = 0; i < rects.size(); ++i) {
        pRects[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    }
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), pData);
}

}  // namespace

HRGN CreateRegionFromBitmap(HBITMAP hBitmap, size_t nBatch) {
    BITMAP bm = {};
    if (!hBitmap || nBatch == 0 || !::GetObjectW(hBitmap, sizeof(bm), &bm)) return nullptr;
    HDC hSection = ::CreateCompatibleDC(nullptr);
    if (!hSection) return nullptr;
    // A 32-bit bottom-up section: every pixel is four bytes whatever the source's depth.
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = bm.bmWidth;
    bih.biHeight = bm.bmHeight;
    bih.biPlanes = 1;
    bih.biBitCount = kBitsPerPixel;
    bih.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(hSection, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS,
                                      &pBits, nullptr, 0);
    if (!hDib) {
        ::DeleteDC(hSection);
        return nullptr;
    }
    HGDIOBJ hOldDib = ::SelectObject(hSection, hDib);
    HDC hSource = ::CreateCompatibleDC(hSection);
    if (!hSource) {
        ::SelectObject(hSection, hOldDib);
        ::DeleteObject(hDib);
        ::DeleteDC(hSection);
        return nullptr;
    }
    BITMAP dib = {};
    ::GetObjectW(hDib, sizeof(dib), &dib);
    const LONG nRowBytes = (dib.bmWidthBytes + 3) / 4 * 4;
    HGDIOBJ hOldSource = ::SelectObject(hSource, hBitmap);
    ::BitBlt(hSection, 0, 0, bm.bmWidth, bm.bmHeight, hSource, 0, 0, SRCCOPY);
    ::GdiFlush();

    const auto* pBottomUp = static_cast<const uint8_t*>(pBits);
    const int32_t nHeight = bm.bmHeight;
    HRGN hResult = nullptr;
    ForEachRunBatch(
        bm.bmWidth, nHeight, nBatch,
        [&](int32_t y) {
            // Bottom-up: the top row is the last one in memory.
            return pBottomUp + static_cast<size_t>(nHeight - 1 - y) * nRowBytes;
        },
        [&](const std::vector<MaskRect>& batch) {
            HRGN hBatch = RegionOfBatch(batch);
            if (!hBatch) return;
            if (!hResult) {
                hResult = hBatch;
            } else {
                ::CombineRgn(hResult, hResult, hBatch, RGN_OR);
                ::DeleteObject(hBatch);
            }
        });

    ::SelectObject(hSource, hOldSource);
    ::DeleteDC(hSource);
    ::SelectObject(hSection, hOldDib);
    ::DeleteObject(hDib);
    ::DeleteDC(hSection);
    return hResult;
}

}  // namespace platform
