// Decoding by content: every format and the variants pages arrive in.
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include "imaging/decode.h"
#include "imaging/encode.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

using test::Pattern;

TEST(DetectFormat, ReadsTheMagicNumberNotTheName) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        ImageFormat format;
    };
    const Case cases[] = {
        {{0xFF, 0xD8, 0xFF, 0xE0}, ImageFormat::Jpeg},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, ImageFormat::Png},
        {{'I', 'I', 42, 0}, ImageFormat::Tiff},
        {{'M', 'M', 0, 42}, ImageFormat::Tiff},
        {{'G', 'I', 'F', '8', '9', 'a'}, ImageFormat::Gif},
        {{'B', 'M', 0, 0}, ImageFormat::Bmp},
        {{0xFF, 0xD8}, ImageFormat::Unknown},
        {{}, ImageFormat::Unknown},
        {{'%', 'P', 'D', 'F'}, ImageFormat::Unknown},
    };
    for (const Case& c : cases) EXPECT_EQ(DetectFormat(c.bytes), c.format);
}

TEST(DecodeFile, IgnoresAMisleadingExtension) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("dravolt_decode_test-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "really_a_jpeg.png";
    ASSERT_TRUE(EncodeToFile(Pattern(12, 9, 24), EncodeFormat::Jpeg, path));
    EXPECT_EQ(DetectFileFormat(path), ImageFormat::Jpeg);
    EXPECT_EQ(DetectFileFormat(dir / "missing.jpg"), ImageFormat::Unknown);
    const Image image = DecodeFile(path);
    EXPECT_EQ(image.Width(), 12);
    EXPECT_EQ(image.Bpp(), 24);
    EXPECT_FALSE(DecodeFile(dir / "missing.jpg").IsValid());
    EXPECT_EQ(DetectFileFormat(dir), ImageFormat::Unknown);
    EXPECT_FALSE(DecodeFile(dir).IsValid()) << "a folder";
    std::filesystem::remove_all(dir);
}

// A JPEG written straight through libjpeg, for the variants our encoder
// does not produce (progressive, CMYK with the Adobe marker).
std::vector<std::uint8_t> LibjpegBytes(int width, int height, J_COLOR_SPACE space, int components,
                                       bool progressive, const std::vector<std::uint8_t>& pixel) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row;
    for (int x = 0; x < width; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
    for (int y = 0; y < height; ++y) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

void ExpectNear(Rgba actual, Rgba expected) {
    EXPECT_NEAR(actual.r, expected.r, 3);
    EXPECT_NEAR(actual.g, expected.g, 3);
    EXPECT_NEAR(actual.b, expected.b, 3);
}

TEST(DecodeJpeg, HandlesProgressiveGreyAndAdobeCmyk) {
    const Image progressive = Decode(LibjpegBytes(17, 11, JCS_RGB, 3, true, {200, 40, 90}));
    ASSERT_EQ(progressive.Bpp(), 24);
    ExpectNear(progressive.ColorAt(16, 10), {200, 40, 90});

    const Image grey = Decode(LibjpegBytes(8, 8, JCS_GRAYSCALE, 1, false, {77}));
    ASSERT_TRUE(grey.IsGray());
    EXPECT_NEAR(grey.ColorAt(3, 3).r, 77, 2);

    // Adobe stores the inks inverted: 255 is no ink, so this is full magenta.
    const Image cmyk = Decode(LibjpegBytes(8, 8, JCS_CMYK, 4, false, {255, 0, 255, 255}));
    ASSERT_EQ(cmyk.Bpp(), 24);
    ExpectNear(cmyk.ColorAt(4, 4), {255, 0, 255});
}

TEST(DecodeJpeg, DctScalingReducesTheSize) {
    const auto bytes = *EncodeJpeg(Pattern(64, 40, 24));
    EXPECT_EQ(DecodeJpeg(bytes, 1).Width(), 8);
    EXPECT_EQ(DecodeJpeg(bytes, 4).Height(), 20);
    EXPECT_FALSE(DecodeJpeg(bytes, 0).IsValid());
}

TEST(DecodePng, EveryColourTypeAndDepth) {
    struct Case {
        int colorType, bitDepth;
        bool transparency;
        int expectedBpp;
    };
    const Case cases[] = {
        {PNG_COLOR_TYPE_GRAY, 1, false, 8},       {PNG_COLOR_TYPE_GRAY, 4, false, 8},
        {PNG_COLOR_TYPE_GRAY, 16, false, 8},      {PNG_COLOR_TYPE_GRAY, 8, true, 32},
        {PNG_COLOR_TYPE_PALETTE, 2, false, 8},    {PNG_COLOR_TYPE_PALETTE, 8, true, 32},
        {PNG_COLOR_TYPE_RGB, 8, false, 24},       {PNG_COLOR_TYPE_RGB, 16, false, 24},
        {PNG_COLOR_TYPE_RGB_ALPHA, 8, false, 32}, {PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, 32},
    };
    for (const Case& c : cases)
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << "type " << c.colorType << " depth " << c.bitDepth << " interlaced "
                                            << interlaced);
            const Image image = Decode(test::PngBytes(13, 7, c.colorType, c.bitDepth, interlaced, c.transparency));
            ASSERT_TRUE(image.IsValid());
            EXPECT_EQ(image.Bpp(), c.expectedBpp);
            EXPECT_EQ(image.Width(), 13);
            EXPECT_EQ(image.Height(), 7);
        }
}

TEST(DecodePng, InterlacingDoesNotChangePixelsAndResolutionIsRead) {
    const Image plain = Decode(test::PngBytes(19, 9, PNG_COLOR_TYPE_RGB, 8, false, false, 150));
    const Image interlaced = Decode(test::PngBytes(19, 9, PNG_COLOR_TYPE_RGB, 8, true, false));
    EXPECT_TRUE(test::SameColors(plain, interlaced));
    // Row 0 holds bytes 0, 7, 14 as R, G, B of the first pixel.
    EXPECT_EQ(plain.ColorAt(0, 0), (Rgba{0, 7, 14, 255}));
    EXPECT_EQ(plain.XDpi(), 150);
    EXPECT_EQ(interlaced.XDpi(), 96);
}

TEST(DecodeBmp, EveryDepthBothRowOrders) {
    for (int bpp : {1, 4, 8, 24, 32})
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bpp << " bits, top-down " << topDown);
            const Image source = Pattern(11, 6, bpp);
            const Image image = Decode(test::BmpBytes(source, topDown));
            ASSERT_TRUE(image.IsValid());
            // 32-bit BMPs without an alpha mask carry no alpha.
            EXPECT_EQ(image.Bpp(), bpp == 32 ? 24 : bpp);
            EXPECT_TRUE(test::SameColors(image, source));
            EXPECT_EQ(image.XDpi(), 300);
        }
}

TEST(DecodeBmp, RunLengthEncoded) {
    const Image image = Decode(test::BmpRle8Bytes());
    ASSERT_TRUE(image.IsValid());
    const std::uint32_t bottom[] = {1, 1, 1, 2}, top[] = {0, 3, 0, 0};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(image.RawAt(x, 1), bottom[x]) << x;
        EXPECT_EQ(image.RawAt(x, 0), top[x]) << x;
    }
}

TEST(DecodeGif, FirstFramePlainAndInterlaced) {
    const Image source = Pattern(10, 13, 8);
    for (bool interlaced : {false, true}) {
        const Image image = Decode(test::GifBytes(source, interlaced));
        ASSERT_TRUE(image.IsValid());
        EXPECT_EQ(image.Bpp(), 8);
        EXPECT_TRUE(test::SameColors(image, source)) << interlaced;
    }
}

TEST(DecodeTiff, MultiPageFileGivesItsFirstPageStillOneBit) {
    const Image image = Decode(test::TwoPageTiff());
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(image.Width(), 16);
    EXPECT_EQ(image.Bpp(), 1);
    const Image source = Pattern(16, 8, 1);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(image.RawAt(x, y), source.RawAt(x, y));
    EXPECT_EQ(image.Palette()[0], (Rgba{0, 0, 0, 255}));
}

}  // namespace
}  // namespace dravolt::imaging
