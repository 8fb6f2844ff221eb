#include "quorlet/pdf_error.h"
#include "writer_fixture.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include <algorithm>

namespace quorlet::test {
namespace {

using JpegPdfTest = WriterTest;

TEST_F(JpegPdfTest, JpegPagesAreTheFilesByteForByte)
{
    struct Page {
        const char* name;
        int width, height, components;
        bool progressive;
    };
    const Page pages[] = {{"gray.jpg", 120, 80, 1, false},
                          {"colour.jpeg", 64, 96, 3, false},
                          {"progressive", 90, 60, 3, true},  // no extension: content decides
                          {"cmyk.jpg", 50, 50, 4, false}};
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    std::vector<std::pair<double, double>> sizes;
    for (const Page& p : pages) {
        WriteBytes(File(p.name), MakeJpeg(p.width, p.height, p.components, p.progressive));
        WriteFullPage(File(p.name), p.width, p.height);
        sizes.emplace_back(p.width, p.height);
    }
    session_.Finish();

    ExpectSoundPdf(pdf, sizes);
    EXPECT_EQ(ImageEncodings(pdf), std::vector<std::string>(4, "jpeg"));
    int status = 0;
    RunCommand("pdfimages -j '" + pdf.string() + "' '" + File("x").string() + "'", status);
    for (int i = 0; i < 4; ++i) {
        const auto extracted = File("x-00" + std::to_string(i) + ".jpg");
        EXPECT_EQ(ReadBytes(extracted), ReadBytes(File(pages[i].name))) << pages[i].name;
    }
}

TEST_F(JpegPdfTest, AdobeCmykRendersInItsRealColours)
{
    // Adobe CMYK stores inverted samples: pure cyan is written as 0,255,255,255.
    const auto cmyk = File("cyan.jpg");
    WriteBytes(cmyk, MakeSolidCmykJpeg(32, 32, {0, 255, 255, 255}));
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    WriteFullPage(cmyk, 32, 32);
    session_.Finish();
    for (const Raster& r : {RenderWithPoppler(pdf, 1, 72), RenderWithMupdf(pdf, 1, 72)}) {
        ASSERT_EQ(r.width, 32);
        EXPECT_LT(r.At(16, 16, 0), 100) << "red is absent from cyan";
        EXPECT_GT(r.At(16, 16, 1), 120);
        EXPECT_GT(r.At(16, 16, 2), 120);
    }
}

using PlacementTest = WriterTest;

TEST_F(PlacementTest, YIsTheImagesLowerEdgeMeasuredFromTheTop)
{
    const auto tiff = File("page.tif");
    WriteBilevelTiff(tiff, 48, 40, COMPRESSION_CCITTFAX4, PHOTOMETRIC_MINISWHITE, 40);
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    session_.BeginPage(200, 100);
    session_.InsertImage(10, 60, 48, 40, tiff);  // top edge at 20 from the page's top
    session_.EndPage();
    session_.Finish();
    ExpectSoundPdf(pdf, {{200, 100}});
    for (const Renderer renderer : {Renderer::Poppler, Renderer::Mupdf}) {
        const Raster r = RenderPoints(renderer, pdf, 1, true);
        ASSERT_EQ(r.width, 200);
        int left = r.width, top = r.height, right = -1, bottom = -1;
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                if (r.At(x, y) < 128) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        EXPECT_EQ(std::vector<int>({left, top, right, bottom}), std::vector<int>({10, 20, 57, 59}));
    }
}

TEST_F(PlacementTest, TextInHelveticaInTheCurrentColour)
{
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    session_.BeginPage(300, 100);
    session_.SetColor(255, 0, 0);
    session_.PlaceText(20, 60, 30, "Total (net) 100\\");
    session_.EndPage();
    session_.Finish();
    ExpectSoundPdf(pdf, {{300, 100}});
    int status = 0;
    EXPECT_NE(RunCommand("pdftotext '" + pdf.string() + "' -", status).find("Total (net) 100\\"),
              std::string::npos);
    const Raster r = RenderWithPoppler(pdf, 1, 72);
    bool red = false;
    for (int y = 30; y < 60; ++y)
        for (int x = 20; x < 200; ++x)
            red = red || (r.At(x, y, 0) > 200 && r.At(x, y, 1) < 60 && r.At(x, y, 2) < 60);
    EXPECT_TRUE(red);
}

TEST_F(PlacementTest, ManyPagesKeepACorrectCrossReference)
{
    const auto jpeg = File("small.jpg");
    WriteBytes(jpeg, MakeJpeg(20, 10, 3));
    const auto pdf = File("out.pdf");
    session_.Init(pdf);
    std::vector<std::pair<double, double>> sizes;
    for (int i = 0; i < 300; ++i) {
        WriteFullPage(jpeg, 20 + i % 7, 10 + i % 5);
        sizes.emplace_back(20 + i % 7, 10 + i % 5);
    }
    session_.Finish();
    std::string report;
    EXPECT_TRUE(QpdfChecks(pdf, report)) << report;
    EXPECT_EQ(PageSizes(pdf), sizes);
}

}  // namespace
}  // namespace quorlet::test
