// The independent readers every PDF of the tests is checked with: qpdf,
// poppler (pdfinfo, pdfimages, pdftoppm) and MuPDF (mutool), run as
// programs. Available only in the native build.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace quorlet::test {

struct Raster {
    int width = 0;
    int height = 0;
    int channels = 0;  // 1 gray, 3 RGB
    std::vector<unsigned char> samples;
    unsigned char At(int x, int y, int c = 0) const
    {
        return samples[(static_cast<std::size_t>(y) * width + x) * channels + c];
    }
};

bool ReaderToolsAvailable();

// Runs a shell command; returns its standard output, sets `status`.
std::string RunCommand(const std::string& command, int& status);

// qpdf --check passes without warnings; the text explains a failure.
bool QpdfChecks(const std::filesystem::path& pdf, std::string& report);

// Page sizes in points as pdfinfo reports them.
std::vector<std::pair<double, double>> PageSizes(const std::filesystem::path& pdf);

// The "enc" column of pdfimages -list per image: jpeg, ccitt, image, ...
std::vector<std::string> ImageEncodings(const std::filesystem::path& pdf);

// One page rendered at `dpi` by poppler and by MuPDF.
Raster RenderWithPoppler(const std::filesystem::path& pdf, int page, int dpi, bool gray = false);
Raster RenderWithMupdf(const std::filesystem::path& pdf, int page, int dpi, bool gray = false);

// The page at one sample per point: rendered at 144 dpi and sampled at the
// centre of each 2 × 2 block, which avoids the half-pixel drift poppler's
// image scaler shows at exactly 72 dpi.
enum class Renderer { Poppler, Mupdf };
Raster RenderPoints(Renderer renderer, const std::filesystem::path& pdf, int page, bool gray);

// Everything above in one go: passes qpdf, both renderers draw every page,
// and pdfinfo reports the expected sizes.
void ExpectSoundPdf(const std::filesystem::path& pdf,
                    const std::vector<std::pair<double, double>>& pageSizes);

}  // namespace quorlet::test
