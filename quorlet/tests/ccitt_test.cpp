#include "writer_fixture.h"

#include <gtest/gtest.h>
#include <tiffio.h>

namespace quorlet::test {
namespace {

using OneBitPdfTest = WriterTest;

int BlackPixelsDifferingFromPattern(const Raster& r, int width, int height)
{
    if (r.width != width || r.height != height) return -1;
    const Bytes pattern = BilevelPattern(width, height);
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            differing += (r.At(x, y) < 128) != (pattern[static_cast<std::size_t>(y) * width + x] == 1);
    return differing;
}

// Each kind of one-bit TIFF ends up as CCITT data that renders to exactly
// the file's pixels, whether its data could be used as it stands or not.
TEST_F(OneBitPdfTest, EveryOneBitTiffBecomesLosslessGroup4)
{
    struct Kind {
        const char* name;
        int compression, photometric, rowsPerStrip;
    };
    const Kind kinds[] = {
        {"g4-one-strip", COMPRESSION_CCITTFAX4, PHOTOMETRIC_MINISWHITE, 1 << 30},
        {"g4-black-is-zero", COMPRESSION_CCITTFAX4, PHOTOMETRIC_MINISBLACK, 1 << 30},
        {"g4-strips", COMPRESSION_CCITTFAX4, PHOTOMETRIC_MINISWHITE, 16},
        {"run-length", COMPRESSION_CCITTRLE, PHOTOMETRIC_MINISWHITE, 1 << 30},
        {"group3", COMPRESSION_CCITTFAX3, PHOTOMETRIC_MINISWHITE, 1 << 30},
        {"uncompressed", COMPRESSION_NONE, PHOTOMETRIC_MINISBLACK, 7},
        {"lzw", COMPRESSION_LZW, PHOTOMETRIC_MINISWHITE, 1 << 30},
    };
    const int width = 101, height = 67;  // not a multiple of 8 on purpose
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    for (const Kind& k : kinds) {
        WriteBilevelTiff(File(k.name), width, height, k.compression, k.photometric,
                         std::min(k.rowsPerStrip, height));
        WriteFullPage(File(k.name), width, height);
    }
    session_.Finish();

    const std::size_t count = std::size(kinds);
    ExpectSoundPdf(pdf, std::vector<std::pair<double, double>>(count, {width, height}));
    EXPECT_EQ(ImageEncodings(pdf), std::vector<std::string>(count, "ccitt"));
    for (std::size_t i = 0; i < count; ++i) {
        const int page = static_cast<int>(i) + 1;
        for (const Renderer renderer : {Renderer::Poppler, Renderer::Mupdf})
            EXPECT_EQ(BlackPixelsDifferingFromPattern(RenderPoints(renderer, pdf, page, true),
                                                      width, height),
                      0)
                << kinds[i].name << (renderer == Renderer::Poppler ? " (poppler)" : " (MuPDF)");
    }
}

}  // namespace
}  // namespace quorlet::test
