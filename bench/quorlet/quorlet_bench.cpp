// Writes one PDF from N page files (A4, 10 mm margins) and prints the time
// next to img2pdf on the same files and a plain copy of the same bytes (the
// floor), with the PDF overhead per page. Two sets: colour 300-dpi A4 JPEGs
// and one-bit A4 Group 4 TIFFs.
//   quorlet_bench [pages=100] [folder=/tmp/quorlet-bench]
#include "pdf/page_geometry.h"
#include "quorlet/writer_session.h"

#include <jpeglib.h>
#include <tiffio.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int kWidth = 2480, kHeight = 3508;  // A4 at 300 dpi

// A page-like colour scan: text lines on a tinted background.
std::vector<unsigned char> ColourPage(int seed)
{
    std::vector<unsigned char> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool ink = (y + seed) % 40 < 12 && x % 9 < 4 && x > 200 && x < 2280;
            unsigned char* p = &rgb[(static_cast<std::size_t>(y) * kWidth + x) * 3];
            p[0] = ink ? 20 : static_cast<unsigned char>(230 - x / 40);
            p[1] = ink ? 20 : static_cast<unsigned char>(235 - y / 60);
            p[2] = ink ? 30 : 225;
        }
    return rgb;
}

void WriteJpeg(const fs::path& path, const std::vector<unsigned char>& rgb)
{
    jpeg_compress_struct c{};
    jpeg_error_mgr e{};
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    FILE* out = std::fopen(path.c_str(), "wb");
    jpeg_stdio_dest(&c, out);
    c.image_width = kWidth, c.image_height = kHeight, c.input_components = 3, c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 85, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(&rgb[static_cast<std::size_t>(c.next_scanline) * kWidth * 3]);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(out);
}

void WriteGroup4Tiff(const fs::path& path, int seed)
{
    TIFF* t = TIFFOpen(path.c_str(), "w");
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, kWidth);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, kHeight);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, kHeight);
    std::vector<unsigned char> row(kWidth / 8);
    for (int y = 0; y < kHeight; ++y) {
        for (int i = 0; i < kWidth / 8; ++i)
            row[i] = ((y + seed) % 40 < 12 && i > 25 && i < 285 && (i + y / 40) % 7 != 0) ? 0xAA : 0;
        TIFFWriteScanline(t, row.data(), y, 0);
    }
    TIFFClose(t);
}

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void WriteWithQuorlet(const std::vector<fs::path>& pages, const fs::path& pdf)
{
    const dravolt::PageSetup a4{210, 297, 10, 10, 10, 10, true};
    const auto place = *dravolt::LayOutPage(a4, kWidth, kHeight);
    quorlet::WriterSession session;
    session.Init(pdf);
    for (const fs::path& page : pages) {
        session.BeginPage(place.pageWidth, place.pageHeight);
        session.InsertImage(place.x, place.y, place.width, place.height, page);
        session.EndPage();
    }
    session.Finish();
}

void CopyBytes(const std::vector<fs::path>& pages, const fs::path& target)
{
    std::ofstream out(target, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    for (const fs::path& page : pages) {
        std::ifstream in(page, std::ios::binary);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount())
            out.write(buffer.data(), in.gcount());
    }
}

void Report(const char* title, const std::vector<fs::path>& pages, const fs::path& folder)
{
    std::uintmax_t input = 0;
    std::string list;
    for (const fs::path& p : pages) input += fs::file_size(p), list += " '" + p.string() + "'";
    const fs::path ours = folder / "quorlet.pdf", peer = folder / "img2pdf.pdf", copy = folder / "copy.bin";
    const double tCopy = Seconds([&] { CopyBytes(pages, copy); });
    const double tOurs = Seconds([&] { WriteWithQuorlet(pages, ours); });
    const std::string command = "img2pdf --pagesize A4 --border 10mm:10mm -o '" + peer.string() + "'" + list;
    int status = 0;
    const double tPeer = Seconds([&] { status = std::system(command.c_str()); });
    const auto n = static_cast<double>(pages.size());
    auto overhead = [&](const fs::path& pdf) { return (static_cast<double>(fs::file_size(pdf)) - input) / n; };
    std::printf("\n%s: %zu pages, %.1f MB of page files\n", title, pages.size(), input / 1e6);
    std::printf("  %-10s %8s %14s\n", "", "seconds", "bytes/page over input");
    std::printf("  %-10s %8.3f %14s\n", "copy", tCopy, "-");
    std::printf("  %-10s %8.3f %14.0f\n", "quorlet", tOurs, overhead(ours));
    if (status == 0)
        std::printf("  %-10s %8.3f %14.0f\n", "img2pdf", tPeer, overhead(peer));
    else
        std::printf("  img2pdf    not available (exit %d)\n", status);
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    const fs::path folder = argc > 2 ? argv[2] : "/tmp/quorlet-bench";
    fs::create_directories(folder);
    std::vector<fs::path> jpegs, tiffs;
    // A few distinct pages, repeated: the figures are about moving bytes.
    for (int i = 0; i < count; ++i) {
        jpegs.push_back(folder / ("page" + std::to_string(i) + ".jpg"));
        tiffs.push_back(folder / ("page" + std::to_string(i) + ".tif"));
        if (fs::exists(jpegs.back()) && fs::exists(tiffs.back())) continue;
        if (i < 4) {
            WriteJpeg(jpegs.back(), ColourPage(i));
            WriteGroup4Tiff(tiffs.back(), i);
        } else {
            fs::copy_file(jpegs[i % 4], jpegs.back(), fs::copy_options::overwrite_existing);
            fs::copy_file(tiffs[i % 4], tiffs.back(), fs::copy_options::overwrite_existing);
        }
    }
    Report("Colour A4 JPEG, 300 dpi", jpegs, folder);
    Report("One-bit A4 Group 4 TIFF, 300 dpi", tiffs, folder);
    return 0;
}
