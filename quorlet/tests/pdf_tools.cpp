#include "pdf_tools.h"

#include "test_images.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace quorlet::test {
namespace {

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// Reads binary PNM (P5 gray or P6 RGB) as both renderers write it.
Raster ReadPnm(const std::filesystem::path& path)
{
    const Bytes bytes = ReadBytes(path);
    std::string header(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 64));
    std::istringstream in(header);
    std::string magic;
    int maxValue = 0;
    Raster r;
    in >> magic >> r.width >> r.height >> maxValue;
    if ((magic != "P5" && magic != "P6") || maxValue != 255) return {};
    r.channels = magic == "P5" ? 1 : 3;
    const std::size_t start = static_cast<std::size_t>(in.tellg()) + 1;
    const std::size_t size = static_cast<std::size_t>(r.width) * r.height * r.channels;
    if (bytes.size() < start + size) return {};
    r.samples.assign(bytes.begin() + start, bytes.begin() + start + size);
    return r;
}

}  // namespace

bool ReaderToolsAvailable()
{
    int status = 0;
    RunCommand("which qpdf pdfinfo pdfimages pdftoppm mutool >/dev/null 2>&1", status);
    return status == 0;
}

std::string RunCommand(const std::string& command, int& status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return output;
    }
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    status = pclose(pipe);
    return output;
}

bool QpdfChecks(const std::filesystem::path& pdf, std::string& report)
{
    int status = 0;
    report = RunCommand("qpdf --check " + Quoted(pdf) + " 2>&1", status);
    return status == 0 && report.find("WARNING") == std::string::npos;
}

std::vector<std::pair<double, double>> PageSizes(const std::filesystem::path& pdf)
{
    int status = 0;
    const std::string text = RunCommand("pdfinfo -f 1 -l 100000 " + Quoted(pdf) + " 2>&1", status);
    std::vector<std::pair<double, double>> sizes;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        double w = 0, h = 0;
        int page = 0;
        if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf pts", &page, &w, &h) == 3)
            sizes.emplace_back(w, h);
    }
    return sizes;
}

std::vector<std::string> ImageEncodings(const std::filesystem::path& pdf)
{
    int status = 0;
    std::istringstream lines(RunCommand("pdfimages -list " + Quoted(pdf) + " 2>&1", status));
    std::vector<std::string> encodings;
    std::string line;
    std::getline(lines, line);  // column titles
    std::getline(lines, line);  // rule
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field;
        for (int column = 0; column < 9 && fields >> field; ++column) {}
        if (!field.empty()) encodings.push_back(field);
    }
    return encodings;
}

Raster RenderWithPoppler(const std::filesystem::path& pdf, int page, int dpi, bool gray)
{
    const auto base = pdf.parent_path() / ("poppler-" + std::to_string(page));
    const std::string p = std::to_string(page);
    int status = 0;
    RunCommand("pdftoppm -r " + std::to_string(dpi) + (gray ? " -gray" : "") + " -f " + p +
                   " -l " + p + " -singlefile " + Quoted(pdf) + " " + Quoted(base) + " 2>&1",
               status);
    return status == 0 ? ReadPnm(base.string() + (gray ? ".pgm" : ".ppm")) : Raster{};
}

Raster RenderWithMupdf(const std::filesystem::path& pdf, int page, int dpi, bool gray)
{
    const auto out = pdf.parent_path() / ("mupdf-" + std::to_string(page) + ".pnm");
    int status = 0;
    RunCommand("mutool draw -q -r " + std::to_string(dpi) + " -c " + (gray ? "gray" : "rgb") +
                   " -o " + Quoted(out) + " " + Quoted(pdf) + " " + std::to_string(page) + " 2>&1",
               status);
    return status == 0 ? ReadPnm(out) : Raster{};
}

Raster RenderPoints(Renderer renderer, const std::filesystem::path& pdf, int page, bool gray)
{
    const Raster fine = renderer == Renderer::Poppler ? RenderWithPoppler(pdf, page, 144, gray)
                                                      : RenderWithMupdf(pdf, page, 144, gray);
    Raster r{fine.width / 2, fine.height / 2, fine.channels, {}};
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            for (int c = 0; c < r.channels; ++c) r.samples.push_back(fine.At(2 * x + 1, 2 * y + 1, c));
    return r;
}

void ExpectSoundPdf(const std::filesystem::path& pdf,
                    const std::vector<std::pair<double, double>>& pageSizes)
{
    std::string report;
    EXPECT_TRUE(QpdfChecks(pdf, report)) << report;
    EXPECT_EQ(PageSizes(pdf), pageSizes);
    for (int page = 1; page <= static_cast<int>(pageSizes.size()); ++page) {
        EXPECT_GT(RenderWithPoppler(pdf, page, 10).width, 0) << "poppler, page " << page;
        EXPECT_GT(RenderWithMupdf(pdf, page, 10).width, 0) << "MuPDF, page " << page;
    }
}

}  // namespace quorlet::test
