// Damaged and forged files must fail cleanly: an invalid image, no crash,
// no huge allocation (ASan and UBSan watch every case).
#include <zlib.h>

#include <gtest/gtest.h>
#include <png.h>

#include "imaging/decode.h"
#include "imaging/encode.h"
#include "test_images.h"

namespace dravolt::imaging {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Pattern;

Bytes Truncated(Bytes bytes, double fraction) {
    bytes.resize(static_cast<std::size_t>(bytes.size() * fraction));
    return bytes;
}

void PutBe32(Bytes& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}
void PutLe(Bytes& bytes, std::size_t at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Sets a PNG's IHDR size and fixes its checksum, so only the size is forged.
Bytes PngWithSize(std::uint32_t width, std::uint32_t height) {
    Bytes png = test::PngBytes(4, 4, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false);
    PutBe32(png, 16, width);
    PutBe32(png, 20, height);
    PutBe32(png, 29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
    return png;
}

// Offset of the start-of-frame segment's height field in our own JPEGs.
std::size_t JpegSofSize(const Bytes& jpeg) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i + 5;
    return 0;
}

TEST(HostileInput, TruncatedFilesOfEveryFormatFail) {
    const Image colour = Pattern(64, 48, 24);
    const Bytes files[] = {
        *EncodeJpeg(colour),
        test::PngBytes(64, 48, PNG_COLOR_TYPE_RGB, 8, false, false),
        *EncodeTiff(colour),
        test::BmpBytes(colour, false),
        test::GifBytes(Pattern(64, 48, 8), false),
    };
    for (const Bytes& file : files)
        for (double fraction : {0.0, 0.01, 0.1, 0.5, 0.9}) {
            SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(DetectFormat(file)) << ", kept " << fraction);
            EXPECT_FALSE(Decode(Truncated(file, fraction)).IsValid());
        }
}

TEST(HostileInput, HugeDimensionsAreRefusedFromTheHeader) {
    Bytes jpeg = *EncodeJpeg(Pattern(16, 16, 24));
    const std::size_t sof = JpegSofSize(jpeg);
    ASSERT_NE(sof, 0u);
    jpeg[sof] = jpeg[sof + 1] = jpeg[sof + 2] = jpeg[sof + 3] = 0xFF;  // 65535 x 65535

    Bytes bmp = test::BmpBytes(Pattern(4, 4, 24), false);
    PutLe(bmp, 18, 100000, 4);
    PutLe(bmp, 22, 100000, 4);

    Bytes gif = test::GifBytes(Pattern(4, 4, 8), false);
    // Logical screen and image descriptor sizes (after the 768-byte palette).
    for (std::size_t at : {std::size_t{6}, std::size_t{8}, std::size_t{13 + 768 + 5}, std::size_t{13 + 768 + 7}})
        PutLe(gif, at, 0xFFFF, 2);

    Image tall = Pattern(4, 4, 24);
    Bytes tiff = *EncodeTiff(tall);
    // Our writer puts the directory after the pixels; patch the size tags in it.
    const std::uint32_t ifd = tiff[4] | (tiff[5] << 8) | (tiff[6] << 16) | (static_cast<std::uint32_t>(tiff[7]) << 24);
    const std::uint16_t count = static_cast<std::uint16_t>(tiff[ifd] | (tiff[ifd + 1] << 8));
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::size_t entry = ifd + 2 + 12 * static_cast<std::size_t>(i);
        const std::uint16_t tag = static_cast<std::uint16_t>(tiff[entry] | (tiff[entry + 1] << 8));
        if (tag == 256 || tag == 257) PutLe(tiff, entry + 8, 200000, tiff[entry + 2] == 3 ? 2 : 4);
    }

    for (const Bytes& file : {jpeg, bmp, gif, tiff, PngWithSize(20000, 20000), PngWithSize(8193, 8192)})
        EXPECT_FALSE(Decode(file).IsValid()) << static_cast<int>(DetectFormat(file));
}

TEST(HostileInput, GuardBoundaryIsExact) {
    EXPECT_EQ(PixelDataSize(8192, 8192, 32), kMaxPixelBytes);
    EXPECT_FALSE(PixelDataSize(8192, 8193, 32));
    EXPECT_FALSE(PixelDataSize(1LL << 40, 1LL << 40, 1));
    EXPECT_FALSE(PixelDataSize(0, 10, 24));
    EXPECT_FALSE(PixelDataSize(10, -1, 24));
    EXPECT_FALSE(PixelDataSize(10, 10, 16));
    EXPECT_FALSE(Image::Create(70000, 70000, 24).IsValid());
}

TEST(HostileInput, ZeroSizesFail) {
    Bytes bmp = test::BmpBytes(Pattern(4, 4, 8), false);
    PutLe(bmp, 18, 0, 4);
    Bytes gif = test::GifBytes(Pattern(4, 4, 8), false);
    PutLe(gif, 13 + 768 + 5, 0, 2);
    PutLe(gif, 13 + 768 + 7, 0, 2);
    for (const Bytes& file : {Bytes{}, Bytes{0xFF}, bmp, gif, PngWithSize(0, 5)}) EXPECT_FALSE(Decode(file).IsValid());
}

TEST(HostileInput, BadPngChecksumFails) {
    Bytes png = test::PngBytes(8, 8, PNG_COLOR_TYPE_RGB, 8, false, false);
    png[29] ^= 0xFF;  // the IHDR checksum
    EXPECT_FALSE(Decode(png).IsValid());
    Bytes data = test::PngBytes(8, 8, PNG_COLOR_TYPE_RGB, 8, false, false);
    data[data.size() - 20] ^= 0x55;  // inside the image data or its checksum
    EXPECT_FALSE(Decode(data).IsValid());
}

TEST(HostileInput, TiffDirectoryLoopStillGivesTheFirstPage) {
    Bytes tiff = *EncodeTiff(Pattern(5, 3, 24));
    const std::uint32_t ifd = tiff[4] | (tiff[5] << 8) | (tiff[6] << 16) | (static_cast<std::uint32_t>(tiff[7]) << 24);
    const std::uint16_t count = static_cast<std::uint16_t>(tiff[ifd] | (tiff[ifd + 1] << 8));
    PutLe(tiff, ifd + 2 + 12 * static_cast<std::size_t>(count), ifd, 4);  // next directory: itself
    const Image image = Decode(tiff);
    EXPECT_TRUE(test::SameColors(image, Pattern(5, 3, 24)));
}

TEST(HostileInput, BmpRleRunsBeyondTheImageAreClipped) {
    Bytes bmp = test::BmpRle8Bytes();
    // Replace the runs by a long run, a far delta and a literal past the end.
    bmp.resize(bmp.size() - 18);
    for (std::uint8_t b : {255, 7, 0, 2, 255, 255, 0, 255, 1}) bmp.push_back(b);
    const Image image = Decode(bmp);
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(image.RawAt(3, 1), 7u);
}

}  // namespace
}  // namespace dravolt::imaging
