// The busy window's outline built from the real mask bitmap.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/BitmapRegion.h"

namespace {

// The mask as the program ships it, read from the resource folder of the source tree.
HBITMAP LoadShippedMask() {
    std::wstring path = L"Z:" VORLIP_RES_DIR L"/processing_mask.bmp";
    for (wchar_t& ch : path) {
        if (ch == L'/') ch = L'\\';
    }
    return static_cast<HBITMAP>(::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                             LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace

TEST(MaskRegionWin, RegionFollowsEveryPixelOfTheShippedMaskWhateverTheBatchSize) {
    HBITMAP hMask = LoadShippedMask();
    ASSERT_NE(hMask, nullptr);
    BITMAP bm = {};
    ASSERT_TRUE(::GetObjectW(hMask, sizeof(bm), &bm));
    EXPECT_EQ(bm.bmWidth, 300);
    EXPECT_EQ(bm.bmHeight, 170);

    HRGN hRegion = platform::CreateRegionFromBitmap(hMask);
    HRGN hOneBatch = platform::CreateRegionFromBitmap(hMask, SIZE_MAX);
    HRGN hSmallBatches = platform::CreateRegionFromBitmap(hMask, 7);
    ASSERT_NE(hRegion, nullptr);
    ASSERT_NE(hOneBatch, nullptr);
    ASSERT_NE(hSmallBatches, nullptr);
    EXPECT_TRUE(::EqualRgn(hRegion, hOneBatch));
    EXPECT_TRUE(::EqualRgn(hRegion, hSmallBatches));

    // Pixel by pixel against the mask itself, so a row read upside down or a run cut short
    // shows here: white is outside, everything else inside.
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hMask);
    int nWrong = 0;
    int nInside = 0;
    for (int y = 0; y < bm.bmHeight; ++y) {
        for (int x = 0; x < bm.bmWidth; ++x) {
            const bool bWhite = ::GetPixel(hdc, x, y) == RGB(255, 255, 255);
            const bool bIn = ::PtInRegion(hRegion, x, y) != FALSE;
            nInside += bIn;
            if (bIn == bWhite && ++nWrong <= 5) ADD_FAILURE() << "pixel " << x << "," << y;
        }
    }
    EXPECT_EQ(nWrong, 0);
    // The shape is neither empty nor the whole rectangle, and its corners are cut away.
    EXPECT_GT(nInside, bm.bmWidth * bm.bmHeight / 4);
    EXPECT_LT(nInside, bm.bmWidth * bm.bmHeight);
    EXPECT_FALSE(::PtInRegion(hRegion, 0, 0));
    EXPECT_FALSE(::PtInRegion(hRegion, bm.bmWidth - 1, bm.bmHeight - 1));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);

    ::DeleteObject(hRegion);
    ::DeleteObject(hOneBatch);
    ::DeleteObject(hSmallBatches);
    ::DeleteObject(hMask);
}

TEST(MaskRegionWin, NoBitmapGivesNoRegion) {
    EXPECT_EQ(platform::CreateRegionFromBitmap(nullptr), nullptr);
}
