// Renders every image of a skin archive onto one PNG, in archive order,
// over a checkerboard so that transparency shows. Small images are also
// drawn three times enlarged beside their real size.
//   skin_contact_sheet <skin.zip> <sheet.png>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "brennix/skin_pixels.h"
#include "brennix/zip_reader.h"
#include "imaging/decode.h"

using dravolt::brennix::SkinPixels;

namespace {

constexpr int kSheetWidth = 960;
constexpr int kGap = 12;

struct Sheet {
    int width, height;
    std::vector<std::uint8_t> rgb;

    Sheet(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t shade = ((x / 8 + y / 8) % 2) ? 0xCC : 0xF4;
                std::fill_n(&rgb[(static_cast<std::size_t>(y) * w + x) * 3], 3, shade);
            }
    }

    // Premultiplied BGRA composited over the sheet, enlarged by `scale`.
    void Draw(const SkinPixels& image, int left, int top, int scale)
    {
        for (int y = 0; y < image.height * scale && top + y < height; ++y)
            for (int x = 0; x < image.width * scale && left + x < width; ++x) {
                const std::uint8_t* s = &image.bgra[(static_cast<std::size_t>(y / scale) * image.width + x / scale) * 4];
                std::uint8_t* d = &rgb[(static_cast<std::size_t>(top + y) * width + left + x) * 3];
                for (int c = 0; c < 3; ++c)
                    d[c] = static_cast<std::uint8_t>(s[2 - c] + d[c] * (255 - s[3]) / 255);
            }
    }
};

bool WritePng(const Sheet& sheet, const char* path)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, sheet.width, sheet.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < sheet.height; ++y)
        png_write_row(png, &sheet.rgb[static_cast<std::size_t>(y) * sheet.width * 3]);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: skin_contact_sheet <skin.zip> <sheet.png>\n");
        return 2;
    }
    std::vector<std::uint8_t> archive;
    if (!dravolt::imaging::ReadFileBytes(argv[1], archive))
        return 1;
    const auto entries = dravolt::brennix::ReadZipDirectory(archive);
    if (!entries)
        return 1;

    std::vector<SkinPixels> images;
    for (const auto& entry : *entries) {
        const auto bytes = dravolt::brennix::ExtractZipEntry(archive, entry);
        const auto pixels = bytes ? dravolt::brennix::DecodeSkinPixels(*bytes) : std::nullopt;
        if (!pixels) {
            std::fprintf(stderr, "%s: cannot be read\n", entry.name.c_str());
            return 1;
        }
        std::printf("%-20s %3d x %3d %s\n", entry.name.c_str(), pixels->width, pixels->height,
                    pixels->alpha ? "alpha" : "opaque");
        images.push_back(*pixels);
    }

    // Flow layout: real size, then three times enlarged for small images.
    struct Spot { int x, y; };
    std::vector<Spot> spots;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const SkinPixels& image : images) {
        const int scale = std::max(image.width, image.height) <= 48 ? 3 : 1;
        const int w = image.width * (scale == 1 ? 1 : 1 + scale) + (scale == 1 ? 0 : kGap / 2);
        const int h = image.height * scale;
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        spots.push_back({x, y});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    Sheet sheet(kSheetWidth, y + rowHeight + kGap);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const SkinPixels& image = images[i];
        sheet.Draw(image, spots[i].x, spots[i].y, 1);
        if (std::max(image.width, image.height) <= 48)
            sheet.Draw(image, spots[i].x + image.width + kGap / 2, spots[i].y, 3);
    }
    return WritePng(sheet, argv[2]) ? 0 : 1;
}
