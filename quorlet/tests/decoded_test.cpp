#include "decoded_images.h"
#include "imaging/decode.h"
#include "writer_fixture.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdlib>
#include <functional>

namespace quorlet::test {
namespace {

using LosslessPdfTest = WriterTest;

// Largest difference of any sample between the rendered page and the source.
int LargestError(const Raster& r, const std::string& kind, int width, int height)
{
    if (r.width != width || r.height != height || r.channels != 3) return 256;
    int worst = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto expected = ExpectedColour(kind, width, x, y);
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(r.At(x, y, c) - expected[c]));
        }
    return worst;
}

// The page's image as poppler decodes it (pdfimages), to the pixel. Its
// renderer places images a fraction of a pixel off and blends neighbours,
// so pdftoppm output is only checked for being drawn at all.
int LargestErrorAsExtracted(const std::filesystem::path& pdf, int page, const std::string& kind,
                            int width, int height)
{
    const auto prefix = pdf.parent_path() / ("extracted-" + std::to_string(page));
    const std::string p = std::to_string(page);
    int status = 0;
    RunCommand("pdfimages -png -f " + p + " -l " + p + " '" + pdf.string() + "' '" +
                   prefix.string() + "'", status);
    const auto image = dravolt::imaging::DecodeFile(prefix.string() + "-000.png");
    if (image.Width() != width || image.Height() != height) return 256;
    int worst = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto expected = ExpectedColour(kind, width, x, y);
            const auto got = image.ColorAt(x, y);
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst, std::abs(std::array<int, 3>{got.r, got.g, got.b}[c] - expected[c]));
        }
    return worst;
}

TEST_F(LosslessPdfTest, DecodedFormatsRenderToTheirSourcePixels)
{
    struct Source {
        const char* file;
        const char* kind;  // how ExpectedColour reads the pixels
        int tolerance;     // soft masks are composed with rounding
        std::function<void(const std::filesystem::path&, int, int)> write;
    };
    const Source sources[] = {
        {"rgb.png", "rgb", 0, [](auto& p, int w, int h) { WritePng(p, w, h, 3); }},
        {"gray.png", "gray", 0, [](auto& p, int w, int h) { WritePng(p, w, h, 1); }},
        {"alpha.png", "alpha", 2, [](auto& p, int w, int h) { WritePng(p, w, h, 4); }},
        {"palette.png", "palette", 0, WritePalettePng},
        {"picture.bmp", "rgb", 0, WriteBmp24},
        {"lzw.tif", "rgb", 0, [](auto& p, int w, int h) { WriteRgbTiff(p, w, h, COMPRESSION_LZW); }},
        {"deflate.tif", "rgb", 0,
         [](auto& p, int w, int h) { WriteRgbTiff(p, w, h, COMPRESSION_ADOBE_DEFLATE); }},
        {"anim.gif", "palette", 0, WriteGif},
    };
    const int width = 70, height = 45;
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    for (const Source& s : sources) {
        s.write(File(s.file), width, height);
        WriteFullPage(File(s.file), width, height);
    }
    session_.Finish();

    const std::size_t count = std::size(sources);
    ExpectSoundPdf(pdf, std::vector<std::pair<double, double>>(count, {width, height}));
    for (std::size_t i = 0; i < count; ++i) {
        const int page = static_cast<int>(i) + 1;
        const char* file = sources[i].file;
        EXPECT_LE(LargestError(RenderWithMupdf(pdf, page, 72), sources[i].kind, width, height),
                  sources[i].tolerance)
            << file;
        if (std::string(sources[i].kind) != "alpha") {  // poppler extracts the mask apart
            EXPECT_EQ(LargestErrorAsExtracted(pdf, page, sources[i].kind, width, height), 0)
                << file << " (poppler)";
        }
    }
}

TEST_F(LosslessPdfTest, DamagedDecodedImagesFail)
{
    WritePng(File("whole.png"), 40, 40, 3);
    const Bytes whole = ReadBytes(File("whole.png"));
    WriteBytes(File("cut.png"), Bytes(whole.begin(), whole.begin() + whole.size() / 2));
    WriteBytes(File("header.bmp"), Bytes{'B', 'M', 0, 0});
    for (const char* bad : {"cut.png", "header.bmp"}) {
        session_.Init(File("out.pdf"));
        session_.BeginPage(40, 40);
        EXPECT_THROW(session_.InsertImage(0, 40, 40, 40, File(bad)), std::exception) << bad;
        session_.Finish();
        EXPECT_FALSE(std::filesystem::exists(File("out.pdf"))) << bad;
    }
}

}  // namespace
}  // namespace quorlet::test
