// Round trips through the JPEG and TIFF encoders.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "imaging/decode.h"
#include "imaging/encode.h"
#include "imaging/tiff_memory.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

using test::Pattern;

std::uint16_t CompressionTag(const std::vector<std::uint8_t>& bytes) {
    TiffMemoryStream stream{bytes};
    TiffHandle tif = OpenTiffReader(stream);
    std::uint16_t code = 0;
    TIFFGetField(tif.get(), TIFFTAG_COMPRESSION, &code);
    return code;
}

TEST(EncodeJpeg, KeepsSizeResolutionAndQualityMatters) {
    Image image = Pattern(40, 30, 24);
    image.SetResolution(300, 200);
    const auto bytes = EncodeJpeg(image);
    ASSERT_TRUE(bytes);
    const Image decoded = Decode(*bytes);
    EXPECT_EQ(decoded.Width(), 40);
    EXPECT_EQ(decoded.Height(), 30);
    EXPECT_EQ(decoded.XDpi(), 300);
    EXPECT_EQ(decoded.YDpi(), 200);
    image.SetJpegQuality(20);
    EXPECT_LT(EncodeJpeg(image)->size(), bytes->size());
}

TEST(EncodeJpeg, AcceptsEveryDepthButOne) {
    struct Case {
        int bpp;
        bool grey;
        int decodedBpp;
    };
    const Case cases[] = {{4, false, 24}, {4, true, 8}, {8, false, 24}, {8, true, 8}, {24, false, 24}, {32, false, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bpp << " bits, grey " << c.grey);
        // One colour throughout, so that JPEG's loss stays small.
        Image source = Pattern(16, 16, c.bpp, c.grey);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) source.SetRaw(x, y, source.RawAt(5, 3));
        const auto bytes = EncodeJpeg(source);
        ASSERT_TRUE(bytes);
        const Image decoded = Decode(*bytes);
        EXPECT_EQ(decoded.Bpp(), c.decodedBpp);
        const Rgba expected = source.ColorAt(0, 0), actual = decoded.ColorAt(0, 0);
        EXPECT_NEAR(actual.r, expected.r, 3);
        EXPECT_NEAR(actual.g, expected.g, 3);
        EXPECT_NEAR(actual.b, expected.b, 3);
    }
    EXPECT_FALSE(EncodeJpeg(Pattern(8, 8, 1)));
    EXPECT_FALSE(EncodeJpeg(Image{}));
}

TEST(EncodeTiff, BilevelRoundTripsWithEachCompression) {
    for (int option : {0, 1, 2}) {
        SCOPED_TRACE(option);
        Image page = Pattern(37, 23, 1);
        page.SetPalette({{0, 0, 0, 255}, {255, 255, 255, 255}});
        page.SetTiffCompression(option);
        page.SetResolution(300, 600);
        const auto bytes = EncodeTiff(page);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(CompressionTag(*bytes), option == 1 ? 1 : 2);
        const Image decoded = Decode(*bytes);
        ASSERT_EQ(decoded.Bpp(), 1);
        EXPECT_TRUE(test::SameColors(decoded, page));
        EXPECT_EQ(decoded.XDpi(), 300);
        EXPECT_EQ(decoded.YDpi(), 600);
    }
}

TEST(EncodeTiff, WhiteIsZeroPalettesKeepTheirLook) {
    Image page = Pattern(9, 4, 1);
    page.SetPalette({{255, 255, 255, 255}, {0, 0, 0, 255}});
    EXPECT_TRUE(test::SameColors(Decode(*EncodeTiff(page)), page));
}

TEST(EncodeTiff, EveryOtherDepthRoundTripsExactly) {
    struct Case {
        int bpp;
        bool grey;
    };
    for (const Case c : {Case{4, false}, Case{4, true}, Case{8, false}, Case{8, true}, Case{24, false}, Case{32, false}})
        for (int option : {1, 2}) {
            SCOPED_TRACE(testing::Message() << c.bpp << " bits, grey " << c.grey << ", option " << option);
            Image image = Pattern(21, 5, c.bpp, c.grey);
            image.SetTiffCompression(option);
            const auto bytes = EncodeTiff(image);
            ASSERT_TRUE(bytes);
            // CCITT exists only for bilevel pages: the others go uncompressed.
            EXPECT_EQ(CompressionTag(*bytes), 1);
            const Image decoded = Decode(*bytes);
            EXPECT_TRUE(test::SameColors(decoded, image));
            EXPECT_EQ(decoded.IsGray(), c.bpp == 8 && c.grey);
        }
}

TEST(EncodeToFile, WritesWhatDecodeFileReads) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("dravolt_encode_test-" + std::to_string(std::random_device{}()) + ".tif");
    const Image image = Pattern(6, 6, 24);
    ASSERT_TRUE(EncodeToFile(image, EncodeFormat::Tiff, path));
    EXPECT_TRUE(test::SameColors(DecodeFile(path), image));
    std::filesystem::remove(path);
    EXPECT_FALSE(EncodeToFile(image, EncodeFormat::Jpeg, "/nonexistent-folder/x.jpg"));
}

}  // namespace
}  // namespace dravolt::imaging
