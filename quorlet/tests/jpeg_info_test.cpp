#include "quorlet/file_access.h"
#include "quorlet/jpeg_embedding.h"
#include "quorlet/jpeg_info.h"
#include "quorlet/pdf_error.h"
#include "test_images.h"

#include <gtest/gtest.h>

namespace quorlet {
namespace {

using test::Bytes;

JpegInfo InfoOf(const Bytes& bytes)
{
    const auto path = test::FreshFolder("jpeg-info") / "image.jpg";
    test::WriteBytes(path, bytes);
    const FilePtr file = OpenFile(path, "rb");
    return ReadJpegInfo(file.get());
}

TEST(JpegInfo, ReadsSizeAndColoursOfEachKind)
{
    struct Case {
        int components;
        bool progressive;
    };
    for (const Case c : {Case{1, false}, Case{3, false}, Case{3, true}, Case{4, false}}) {
        const JpegInfo info = InfoOf(test::MakeJpeg(37, 21, c.components, c.progressive));
        EXPECT_EQ(info.width, 37);
        EXPECT_EQ(info.height, 21);
        EXPECT_EQ(info.components, c.components);
        EXPECT_EQ(info.precision, 8);
        EXPECT_TRUE(CanPassThrough(info));
        // libjpeg marks CMYK files the Adobe way, and only those.
        EXPECT_EQ(info.adobeMarker, c.components == 4);
    }
}

TEST(JpegInfo, AdobeCmykIsInvertedBackAndOthersAreNot)
{
    JpegInfo cmyk{10, 20, 4, 8, true, true};
    EXPECT_NE(JpegImageDictionary(cmyk).find("/Decode [1 0 1 0 1 0 1 0]"), std::string::npos);
    cmyk.adobeMarker = false;
    EXPECT_EQ(JpegImageDictionary(cmyk).find("/Decode"), std::string::npos);
    EXPECT_NE(JpegImageDictionary({10, 20, 1, 8, true, false}).find("/DeviceGray"),
              std::string::npos);
}

TEST(JpegInfo, ToleratesPaddingAfterTheEndMarker)
{
    Bytes padded = test::MakeJpeg(16, 16, 3);
    padded.insert(padded.end(), 100, 0);
    EXPECT_EQ(InfoOf(padded).width, 16);
}

TEST(JpegInfo, RefusesDamagedFiles)
{
    const Bytes good = test::MakeJpeg(40, 30, 3);
    const Bytes cutInData(good.begin(), good.end() - 40);
    const Bytes cutInHeaders(good.begin(), good.begin() + 30);
    Bytes zeroHeight = good;
    for (std::size_t i = 2; i + 8 < zeroHeight.size(); ++i)
        if (zeroHeight[i] == 0xFF && zeroHeight[i + 1] == 0xC0) {
            zeroHeight[i + 5] = zeroHeight[i + 6] = 0;
            break;
        }
    for (const Bytes& bad : {cutInData, cutInHeaders, zeroHeight, Bytes{0xFF, 0xD8}, Bytes{'x'}})
        EXPECT_THROW(InfoOf(bad), PdfError);
}

}  // namespace
}  // namespace quorlet
