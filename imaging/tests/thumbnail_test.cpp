// Thumbnails: fitted, never enlarged, centred; JPEG decoded at a DCT scale.
#include <gtest/gtest.h>

#include "imaging/encode.h"
#include "imaging/thumbnail.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

const Rgba kCanvas{100, 100, 100, 255};

TEST(FitInside, ScalesDownOnlyKeepingTheAspectRatio) {
    struct Case {
        Size source, target, fitted;
    };
    const Case cases[] = {
        {{50, 20}, {100, 100}, {50, 20}},    // smaller: kept
        {{2480, 3508}, {120, 160}, {113, 160}},
        {{400, 100}, {100, 100}, {100, 25}},
        {{10000, 1}, {100, 100}, {100, 1}},  // never below one pixel
    };
    for (const Case& c : cases) EXPECT_EQ(FitInside(c.source, c.target), c.fitted);
}

TEST(Thumbnail, SmallImageIsCentredNotEnlarged) {
    const Image image = test::Solid(10, 6, {255, 0, 0, 255});
    const Image thumb = Thumbnail(image, {30, 20}, kCanvas);
    ASSERT_TRUE(thumb.IsValid());
    EXPECT_EQ(thumb.Width(), 30);
    EXPECT_EQ(thumb.Height(), 20);
    EXPECT_EQ(thumb.ColorAt(9, 6), kCanvas);
    EXPECT_EQ(thumb.ColorAt(10, 7), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(thumb.ColorAt(19, 12), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(thumb.ColorAt(20, 13), kCanvas);
}

TEST(Thumbnail, LargeImageIsAveragedDown) {
    // Alternating black and white columns average to mid grey.
    Image stripes = Image::Create(200, 100, 1);
    stripes.SetPalette({{0, 0, 0, 255}, {255, 255, 255, 255}});
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; x += 2) stripes.SetRaw(x, y, 1);
    const Image thumb = Thumbnail(stripes, {50, 50}, kCanvas);
    EXPECT_EQ(thumb.ColorAt(0, 11), kCanvas);  // the 50 x 25 image starts at row 12
    EXPECT_EQ(thumb.ColorAt(25, 25), (Rgba{128, 128, 128, 255}));
    EXPECT_FALSE(Thumbnail(stripes, {0, 10}, kCanvas).IsValid());
}

TEST(JpegScaleToCover, PicksTheSmallestScaleThatCovers) {
    EXPECT_EQ(JpegScaleToCover({2480, 3508}, {120, 160}), 1);
    EXPECT_EQ(JpegScaleToCover({800, 600}, {400, 300}), 4);
    EXPECT_EQ(JpegScaleToCover({800, 600}, {500, 400}), 5);  // fitted 500 x 375
    EXPECT_EQ(JpegScaleToCover({50, 50}, {100, 100}), 8);
}

TEST(DecodeThumbnail, JpegAndOtherFormatsGiveTheSameLayout) {
    const Image page = test::Solid(640, 480, {30, 60, 200, 255});
    for (EncodeFormat format : {EncodeFormat::Jpeg, EncodeFormat::Tiff}) {
        const Image thumb = DecodeThumbnail(*Encode(page, format), {100, 100}, kCanvas);
        ASSERT_TRUE(thumb.IsValid());
        EXPECT_EQ(thumb.Width(), 100);
        EXPECT_EQ(thumb.ColorAt(50, 11), kCanvas);
        const Rgba inside = thumb.ColorAt(50, 50);
        EXPECT_NEAR(inside.b, 200, 4);
        EXPECT_NEAR(inside.r, 30, 4);
    }
    EXPECT_FALSE(DecodeThumbnail({}, {10, 10}, kCanvas).IsValid());
}

}  // namespace
}  // namespace dravolt::imaging
