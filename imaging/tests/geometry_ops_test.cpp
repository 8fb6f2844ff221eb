// Pixel moves: lossless at every depth, crops clipped, free rotation sized.
#include <gtest/gtest.h>

#include "imaging/geometry_ops.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

using test::Pattern;

TEST(GeometryOps, MirrorFlipAndTurnsMovePixelsAtEveryDepth) {
    for (int bpp : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bpp);
        const Image source = Pattern(13, 7, bpp);
        Image mirrored = source, flipped = source, right = source, left = source;
        ASSERT_TRUE(Mirror(mirrored) && Flip(flipped) && RotateRight(right) && RotateLeft(left));
        ASSERT_EQ(right.Width(), 7);
        ASSERT_EQ(left.Height(), 13);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x) {
                const std::uint32_t v = source.RawAt(x, y);
                ASSERT_EQ(mirrored.RawAt(12 - x, y), v);
                ASSERT_EQ(flipped.RawAt(x, 6 - y), v);
                ASSERT_EQ(right.RawAt(6 - y, x), v);  // the top-left corner goes top-right
                ASSERT_EQ(left.RawAt(y, 12 - x), v);
            }
    }
}

TEST(GeometryOps, FourTurnsAndTwoMirrorsRestoreTheImage) {
    Image image = Pattern(10, 3, 1);
    image.SetResolution(300, 150);
    const Image source = image;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(RotateRight(image));
    ASSERT_TRUE(Mirror(image) && Mirror(image));
    EXPECT_EQ(image.Pixels(), source.Pixels());
    ASSERT_TRUE(RotateLeft(image));
    EXPECT_EQ(image.XDpi(), 150);
}

TEST(Crop, KeepsOnlyThePartInsideTheImage) {
    struct Case {
        long long left, top, right, bottom;
        int width, height, firstX, firstY;
    };
    const Case cases[] = {
        {2, 1, 5, 4, 3, 3, 2, 1},        // inside
        {-5, -5, 3, 2, 3, 2, 0, 0},      // over the top-left corner
        {10, 5, 100, 100, 3, 2, 10, 5},  // over the bottom-right corner
    };
    for (int bpp : {1, 4, 24}) {
        const Image source = Pattern(13, 7, bpp);
        for (const Case& c : cases) {
            Image image = source;
            ASSERT_TRUE(Crop(image, c.left, c.top, c.right, c.bottom));
            EXPECT_EQ(image.Width(), c.width);
            EXPECT_EQ(image.Height(), c.height);
            EXPECT_EQ(image.RawAt(0, 0), source.RawAt(c.firstX, c.firstY));
            EXPECT_EQ(image.RawAt(c.width - 1, c.height - 1),
                      source.RawAt(c.firstX + c.width - 1, c.firstY + c.height - 1));
        }
    }
}

TEST(Crop, NothingInsideLeavesTheImageAndFails) {
    const Image source = Pattern(8, 8, 24);
    for (const auto& r : {std::array<long long, 4>{20, 20, 30, 30}, {3, 3, 3, 6}, {5, 5, 2, 2}, {-9, 0, 0, 8}}) {
        Image image = source;
        EXPECT_FALSE(Crop(image, r[0], r[1], r[2], r[3]));
        EXPECT_EQ(image.Pixels(), source.Pixels());
        EXPECT_EQ(image.Width(), 8);
    }
}

TEST(RotateFree, RightAnglesAreLosslessQuarterTurns) {
    const Image source = Pattern(9, 4, 1);
    for (double angle : {90.0, -270.0, 180.0, 360.0, -90.0}) {
        SCOPED_TRACE(angle);
        Image turned = source, expected = source;
        ASSERT_TRUE(RotateFree(turned, angle, {255, 0, 0, 255}));
        const int quarter = static_cast<int>(((static_cast<long long>(angle) / 90) % 4 + 4) % 4);
        for (int i = 0; i < quarter; ++i) RotateRight(expected);
        EXPECT_EQ(turned.Bpp(), 1);
        EXPECT_EQ(turned.Pixels(), expected.Pixels());
    }
}

TEST(RotateFree, EnlargesTheCanvasAndFillsTheCornersWithTheBackground) {
    Image image = test::Solid(40, 20, {0, 0, 255, 255});
    const Rgba background{255, 255, 0, 255};
    ASSERT_TRUE(RotateFree(image, 45.0, background));
    // |40 cos 45| + |20 sin 45| = 42.43 in both directions.
    EXPECT_EQ(image.Width(), 43);
    EXPECT_EQ(image.Height(), 43);
    EXPECT_EQ(image.ColorAt(0, 0), background);
    EXPECT_EQ(image.ColorAt(21, 21), (Rgba{0, 0, 255, 255}));
    EXPECT_FALSE(RotateFree(image, 400.0, background));
}

TEST(RotateFree, SmallClockwiseTurnMovesTheTopRightCornerDown) {
    // A white image with a black top-right corner; after 10 degrees
    // clockwise the corner lies lower on the right than on the left.
    Image image = test::Solid(60, 30, {255, 255, 255, 255});
    for (int y = 0; y < 5; ++y)
        for (int x = 55; x < 60; ++x) image.SetRaw(x, y, PackBgra({0, 0, 0, 255}));
    ASSERT_TRUE(RotateFree(image, 10.0, {255, 255, 255, 255}));
    int darkRow = -1;
    for (int y = 0; y < image.Height() && darkRow < 0; ++y)
        for (int x = image.Width() / 2; x < image.Width(); ++x)
            if (image.ColorAt(x, y).r < 64) darkRow = y;
    EXPECT_GT(darkRow, 5);
    EXPECT_EQ(image.Bpp(), 24);
}

TEST(PixelColor, CountsRowsFromTheBottom) {
    Image image = Pattern(3, 4, 32);
    EXPECT_EQ(image.PixelColor(0, 0), image.ColorAt(0, 3));
    EXPECT_EQ(image.PixelColor(2, 3), image.ColorAt(2, 0));
    EXPECT_FALSE(image.PixelColor(3, 0));
    EXPECT_FALSE(image.PixelColor(0, -1));
}

}  // namespace
}  // namespace dravolt::imaging
