// Placement of images, gradient bands and colour conversion.
#include "brennix/draw_geometry.h"

#include <gtest/gtest.h>

namespace dravolt::brennix {
namespace {

TEST(PlaceImage, FollowsDestSourceAndFade)
{
    const IntRect item{100, 50, 140, 90};
    struct Case { ImageModify modify; std::optional<ImagePlacement> expected; };
    const Case cases[] = {
        {{}, ImagePlacement{item, {0, 0, 16, 8}, 255}},
        {{IntRect{2, 3, 18, 11}, std::nullopt, 64}, ImagePlacement{{102, 53, 118, 61}, {0, 0, 16, 8}, 64}},
        {{std::nullopt, IntRect{8, 0, 16, 8}, 255}, ImagePlacement{item, {8, 0, 16, 8}, 255}},
        // A source reaching outside the image is cut to it.
        {{std::nullopt, IntRect{-4, -4, 40, 40}, 255}, ImagePlacement{item, {0, 0, 16, 8}, 255}},
        {{IntRect{5, 5, 5, 9}, std::nullopt, 255}, std::nullopt},
        {{std::nullopt, IntRect{16, 0, 20, 8}, 255}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceImage(item, 16, 8, c.modify), c.expected);
    EXPECT_FALSE(PlaceImage(item, 0, 8, {}));
}

TEST(GradientBands, CoverTheRectangleFromFirstToSecondColour)
{
    const auto bands = GradientBands({10, 20, 30, 36}, 0xFF000000, 0xFF0030F0, true, 4);
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0], (ColorBand{{10, 20, 30, 24}, 0xFF000000}));
    EXPECT_EQ(bands[1], (ColorBand{{10, 24, 30, 28}, 0xFF001050}));
    EXPECT_EQ(bands[3], (ColorBand{{10, 32, 30, 36}, 0xFF0030F0}));

    const auto across = GradientBands({0, 0, 10, 2}, 0xFFFFFFFF, 0xFF000000, false, 3);
    ASSERT_EQ(across.size(), 3u);
    EXPECT_EQ(across[0].rect, (IntRect{0, 0, 3, 2}));
    EXPECT_EQ(across[2].rect, (IntRect{6, 0, 10, 2}));
}

TEST(GradientBands, ClampTheStepCount)
{
    EXPECT_EQ(GradientBands({0, 0, 4, 3}, 1, 2, true, 16).size(), 3u);
    const auto one = GradientBands({0, 0, 4, 3}, 0xFF112233, 0xFF000000, true, 0);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].argb, 0xFF112233u);
    EXPECT_TRUE(GradientBands({0, 0, 0, 3}, 1, 2, true, 4).empty());
}

TEST(ArgbToColorRef, SwapsRedAndBlueAndDropsAlpha)
{
    static_assert(ArgbToColorRef(0x80112233) == 0x00332211);
    static_assert(ArgbToColorRef(0xFFFF0000) == 0x000000FF);
}

}  // namespace
}  // namespace dravolt::brennix
