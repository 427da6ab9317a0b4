#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/MaskRegion.h"

namespace {

constexpr int32_t kWidth = 300;
constexpr int32_t kHeight = 170;

// A top-down image of 32-bit pixels, black unless painted white.
struct Mask {
    int32_t width, height;
    std::vector<uint8_t> bytes;
    Mask(int32_t w, int32_t h) : width(w), height(h), bytes(static_cast<size_t>(w) * h * 4, 0) {}
    void White(int32_t x, int32_t y) {
        uint8_t* p = &bytes[(static_cast<size_t>(y) * width + x) * 4];
        p[0] = p[1] = p[2] = 255;
    }
    const uint8_t* Row(int32_t y) const { return &bytes[static_cast<size_t>(y) * width * 4]; }
    std::vector<std::vector<MaskRect>> Batches(size_t nBatch) const {
        std::vector<std::vector<MaskRect>> batches;
        ForEachRunBatch(
            width, height, nBatch, [this](int32_t y) { return Row(y); },
            [&](const std::vector<MaskRect>& batch) { batches.push_back(batch); });
        return batches;
    }
};

std::vector<MaskRect> Flatten(const std::vector<std::vector<MaskRect>>& batches) {
    std::vector<MaskRect> all;
    for (const auto& batch : batches) all.insert(all.end(), batch.begin(), batch.end());
    return all;
}

}  // namespace

TEST(MaskRegion, NoWhitePixelGivesOneFullRowRectanglePerRow) {
    const Mask mask(kWidth, kHeight);
    const auto rects = Flatten(mask.Batches(2000));
    ASSERT_EQ(rects.size(), static_cast<size_t>(kHeight));
    for (int32_t y = 0; y < kHeight; ++y) {
        EXPECT_EQ(rects[static_cast<size_t>(y)], (MaskRect{0, y, kWidth, y + 1}));
    }
    EXPECT_EQ(BoundsOf(rects), (MaskRect{0, 0, kWidth, kHeight}));
}

TEST(MaskRegion, RunEdgesAtTheRowEndsAndAroundKeyPixels) {
    Mask mask(10, 2);
    mask.White(0, 0);  // the row starts with no rectangle
    mask.White(4, 0);
    mask.White(5, 0);  // two key pixels in a row make no empty run
    mask.White(9, 1);  // the last pixel ends the row's only run
    EXPECT_EQ(Flatten(mask.Batches(2000)),
              (std::vector<MaskRect>{{1, 0, 4, 1}, {6, 0, 10, 1}, {0, 1, 9, 2}}));

    // Only the three colour bytes decide; a near-white pixel is inside.
    uint8_t pixels[] = {255, 255, 255, 0, 255, 255, 254, 255, 255, 255, 255, 17};
    std::vector<MaskRect> row;
    AppendRowRuns(pixels, 3, 7, row);
    EXPECT_EQ(row, (std::vector<MaskRect>{{1, 7, 2, 8}}));
}

TEST(MaskRegion, CheckerboardSplitsIntoFullBatchesWithNothingLostOrRepeated) {
    Mask mask(kWidth, kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            if ((x + y) % 2 == 0) mask.White(x, y);
        }
    }
    const auto batches = mask.Batches(2000);
    const auto single = mask.Batches(1000000);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].size(), static_cast<size_t>(kWidth / 2 * kHeight));  // 25,500 runs
    ASSERT_EQ(batches.size(), 13u);
    for (size_t i = 0; i + 1 < batches.size(); ++i) EXPECT_EQ(batches[i].size(), 2000u);
    EXPECT_EQ(batches.back().size(), 25500u - 12 * 2000u);
    EXPECT_EQ(Flatten(batches), single[0]);
}
