// The exact figures of the colour operations.
#include <gtest/gtest.h>

#include "imaging/color_ops.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

using test::Solid;

// A one-row grey image holding the given levels.
Image GreyRow(std::initializer_list<int> levels) {
    Image image = Image::Create(static_cast<long long>(levels.size()), 1, 8);
    int x = 0;
    for (int level : levels) image.SetRaw(x++, 0, static_cast<std::uint32_t>(level));
    return image;
}

TEST(Grayscale, UsesTheLibraryLuminance) {
    struct Case {
        Rgba color;
        std::uint32_t level;
    };
    for (const Case c : {Case{{255, 0, 0}, 76}, Case{{0, 255, 0}, 149}, Case{{0, 0, 255}, 29},
                         Case{{255, 255, 255}, 255}, Case{{10, 20, 30}, 18}}) {
        Image image = Solid(2, 2, c.color);
        ASSERT_TRUE(Grayscale(image));
        EXPECT_TRUE(image.IsGray());
        EXPECT_EQ(image.RawAt(1, 1), c.level);
    }
}

TEST(Light, ExactValuesOfTheFourSteps) {
    struct Case {
        int brightness, contrast, in, out;
    };
    const Case cases[] = {
        {10, 0, 0, 10},   {10, 0, 250, 255}, {-10, 0, 5, 0},   {-10, 0, 200, 190},
        {0, 10, 128, 128}, {0, 10, 0, 0},    {0, 10, 255, 255}, {0, -10, 0, 13},
        {0, -10, 255, 242}, {0, 10, 133, 134},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.brightness << ", " << c.contrast << ") of " << c.in);
        Image image = GreyRow({c.in});
        ASSERT_TRUE(Light(image, c.brightness, c.contrast));
        EXPECT_EQ(image.ColorAt(0, 0).r, c.out);
        EXPECT_TRUE(image.IsGray());
    }
}

TEST(Light, ChangesThePaletteOfColourPaletteImages) {
    Image image = test::Pattern(4, 4, 4);
    const Rgba before = image.Palette()[2];
    const std::uint32_t index = image.RawAt(1, 1);
    ASSERT_TRUE(Light(image, 10, 0));
    EXPECT_EQ(image.RawAt(1, 1), index);
    EXPECT_EQ(image.Palette()[2].r, std::min(255, before.r + 10));
}

TEST(Negative, InvertsChannelsAndKeepsAlpha) {
    Image image = Image::Create(1, 1, 32);
    image.SetRaw(0, 0, PackBgra({10, 20, 30, 40}));
    ASSERT_TRUE(Negative(image));
    EXPECT_EQ(image.ColorAt(0, 0), (Rgba{245, 235, 225, 40}));
}

TEST(HistogramStretch, SpreadsTheOccurringRange) {
    Image image = GreyRow({50, 100, 150});
    ASSERT_TRUE(HistogramStretch(image));
    EXPECT_EQ(image.RawAt(0, 0), 0u);
    EXPECT_EQ(image.RawAt(1, 0), 128u);
    EXPECT_EQ(image.RawAt(2, 0), 255u);
}

TEST(HistogramStretch, LeavesFullRangeAndUniformImagesUnchanged) {
    for (Image image : {GreyRow({0, 77, 255}), GreyRow({90, 90, 90}), Solid(3, 3, {40, 40, 200})}) {
        const Image before = image;
        ASSERT_TRUE(HistogramStretch(image));
        EXPECT_EQ(image.Pixels(), before.Pixels());
        EXPECT_EQ(image.Palette(), before.Palette());
    }
}

TEST(Convolve3x3, SmoothsWithTheScanKernel) {
    // One bright pixel in the middle of a dark 3 x 3 grey image.
    Image image = Image::Create(3, 3, 8);
    image.SetRaw(1, 1, 160);
    ASSERT_TRUE(Convolve3x3(image, {1, 1, 1, 1, 8, 1, 1, 1, 1}, 16, 0));
    EXPECT_EQ(image.RawAt(1, 1), 80u);  // 8 * 160 / 16
    EXPECT_EQ(image.RawAt(0, 0), 10u);  // 160 / 16
    Image flat = Solid(4, 4, {100, 150, 200});
    ASSERT_TRUE(Convolve3x3(flat, {1, 1, 1, 1, 8, 1, 1, 1, 1}, 16, 0));
    EXPECT_EQ(flat.ColorAt(0, 3), (Rgba{100, 150, 200, 255}));
    EXPECT_FALSE(Convolve3x3(flat, {}, 0, 0));
}

TEST(IncreaseBpp24, KeepsColoursAndLeavesDeepImagesAlone) {
    const Image palette = test::Pattern(9, 5, 4);
    Image raised = palette;
    ASSERT_TRUE(IncreaseBpp24(raised));
    EXPECT_EQ(raised.Bpp(), 24);
    EXPECT_TRUE(test::SameColors(raised, palette));
    Image deep = test::Pattern(3, 3, 32);
    ASSERT_TRUE(IncreaseBpp24(deep));
    EXPECT_EQ(deep.Bpp(), 32);
}

TEST(ColorOps, InvalidImagesFail) {
    Image invalid;
    EXPECT_FALSE(Grayscale(invalid));
    EXPECT_FALSE(Negative(invalid));
    EXPECT_FALSE(Light(invalid, 10, 0));
    EXPECT_FALSE(HistogramStretch(invalid));
    EXPECT_FALSE(IncreaseBpp24(invalid));
}

}  // namespace
}  // namespace dravolt::imaging
