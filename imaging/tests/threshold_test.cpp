// Optimal and adaptive threshold.
#include <gtest/gtest.h>

#include "imaging/threshold.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

Histogram WithLevels(std::initializer_list<std::pair<int, std::uint64_t>> levels) {
    Histogram h{};
    for (const auto& [level, count] : levels) h[static_cast<std::size_t>(level)] = count;
    return h;
}

TEST(OptimalThreshold, SingleLevelAndEmptyHistograms) {
    EXPECT_EQ(OptimalThreshold(WithLevels({{0, 50}})), 0);
    EXPECT_EQ(OptimalThreshold(WithLevels({{200, 50}})), 199);
    EXPECT_EQ(OptimalThreshold(Histogram{}), 0);
}

TEST(OptimalThreshold, AveragesTheFourCriteria) {
    // Between two equal levels three criteria take the first split (20) and
    // the potential difference the balance point (120): (3 * 20 + 120) / 4.
    const Histogram two = WithLevels({{20, 10}, {220, 10}});
    EXPECT_EQ(PotentialDifferenceThreshold(two), 120);
    EXPECT_EQ(OptimalThreshold(two), 45);
    // Adjacent levels: the average is the lower level, not strictly inside,
    // so the middle of the range is taken.
    EXPECT_EQ(OptimalThreshold(WithLevels({{100, 1}, {101, 1000}})), 100);
}

TEST(OptimalThreshold, SeparatesTwoSpreadClusters) {
    Histogram h{};
    for (int i = 30; i <= 70; ++i) h[static_cast<std::size_t>(i)] = 100 - static_cast<std::uint64_t>(std::abs(i - 50) * 2);
    for (int i = 170; i <= 210; ++i) h[static_cast<std::size_t>(i)] = 100 - static_cast<std::uint64_t>(std::abs(i - 190) * 2);
    for (int t : {OtsuThreshold(h), MinimumErrorThreshold(h), MaximumEntropyThreshold(h),
                  PotentialDifferenceThreshold(h), OptimalThreshold(h)}) {
        EXPECT_GE(t, 70);
        EXPECT_LT(t, 170);
    }
}

TEST(AdaptiveThreshold, GivesAOneBitImageOfTheSameSizeWithBlackZero) {
    for (int bpp : {1, 4, 8, 24, 32}) {
        Image image = test::Pattern(70, 130, bpp);
        image.SetResolution(300, 300);
        ASSERT_TRUE(AdaptiveThreshold(image));
        EXPECT_EQ(image.Bpp(), 1);
        EXPECT_EQ(image.Width(), 70);
        EXPECT_EQ(image.Height(), 130);
        EXPECT_EQ(image.XDpi(), 300);
        EXPECT_EQ(image.Palette()[0], (Rgba{0, 0, 0, 255}));
        EXPECT_EQ(image.Palette()[1], (Rgba{255, 255, 255, 255}));
    }
}

TEST(AdaptiveThreshold, DarkTextOnUnevenPaperBecomesBlackOnWhite) {
    // Paper darkening from left (230) to right (130); text strokes 60 below it.
    Image page = Image::Create(256, 128, 8);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            const int paper = 230 - x * 100 / 255;
            const bool ink = (x % 16 < 3) && (y % 32 < 20);
            page.SetRaw(x, y, static_cast<std::uint32_t>(ink ? paper - 60 : paper));
        }
    ASSERT_TRUE(AdaptiveThreshold(page));
    int wrong = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool ink = (x % 16 < 3) && (y % 32 < 20);
            wrong += page.RawAt(x, y) != (ink ? 0u : 1u);
        }
    EXPECT_LT(wrong, 256 * 128 / 25);  // under 4 % of the pixels
}

TEST(AdaptiveThreshold, UniformImagesAndInvalidInput) {
    Image white = test::Solid(10, 10, {255, 255, 255, 255});
    ASSERT_TRUE(AdaptiveThreshold(white));
    EXPECT_EQ(white.RawAt(5, 5), 1u);  // 255 is above its threshold 254
    Image black = test::Solid(10, 10, {0, 0, 0, 255});
    ASSERT_TRUE(AdaptiveThreshold(black));
    EXPECT_EQ(black.RawAt(5, 5), 0u);
    Image invalid;
    EXPECT_FALSE(AdaptiveThreshold(invalid));
}

}  // namespace
}  // namespace dravolt::imaging
