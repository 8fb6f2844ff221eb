#include "decoded_images.h"

#include <gif_lib.h>
#include <png.h>
#include <tiffio.h>

#include <stdexcept>

namespace quorlet::test {
namespace {

unsigned char Alpha(int x) { return static_cast<unsigned char>(x * 255 / 63 % 256); }

// Palette images use 64 colours indexed by x % 64.
std::array<unsigned char, 3> PaletteColour(int index)
{
    return {static_cast<unsigned char>(index * 4), static_cast<unsigned char>(255 - index * 3),
            static_cast<unsigned char>((index * 37) & 0xFF)};
}

}  // namespace

void WritePng(const std::filesystem::path& path, int width, int height, int components)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = components == 1 ? PNG_FORMAT_GRAY : components == 3 ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
    Bytes pixels = Pattern(width, height, components);
    if (components == 4)
        for (int i = 0; i < width * height; ++i) pixels[4 * i + 3] = Alpha(i % width);
    if (!png_image_write_to_file(&image, path.string().c_str(), 0, pixels.data(), 0, nullptr))
        throw std::runtime_error("cannot write test PNG");
}

void WritePalettePng(const std::filesystem::path& path, int width, int height)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = 64;
    Bytes colormap, indices;
    for (int i = 0; i < 64; ++i)
        for (unsigned char c : PaletteColour(i)) colormap.push_back(c);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) indices.push_back(static_cast<unsigned char>((x + y) % 64));
    if (!png_image_write_to_file(&image, path.string().c_str(), 0, indices.data(), 0, colormap.data()))
        throw std::runtime_error("cannot write test PNG");
}

void WriteBmp24(const std::filesystem::path& path, int width, int height)
{
    const int stride = (width * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height);
    Bytes file(54, 0);
    auto put32 = [&file](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, 54 + dataSize), put32(10, 54), put32(14, 40), put32(18, width), put32(22, height);
    file[26] = 1, file[28] = 24;
    put32(34, dataSize);
    const Bytes rgb = Pattern(width, height, 3);
    for (int y = height - 1; y >= 0; --y) {  // bottom row first
        for (int x = 0; x < width; ++x)
            for (int c = 2; c >= 0; --c) file.push_back(rgb[(static_cast<std::size_t>(y) * width + x) * 3 + c]);
        file.resize(file.size() + (stride - width * 3), 0);
    }
    WriteBytes(path, file);
}

void WriteRgbTiff(const std::filesystem::path& path, int width, int height, int compression)
{
    TIFF* tiff = TIFFOpen(path.string().c_str(), "w");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 8);
    Bytes rgb = Pattern(width, height, 3);
    for (int y = 0; y < height; ++y) TIFFWriteScanline(tiff, rgb.data() + static_cast<std::size_t>(y) * width * 3, y, 0);
    TIFFClose(tiff);
}

void WriteGif(const std::filesystem::path& path, int width, int height)
{
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.string().c_str(), false, &error);
    GifColorType colours[64];
    for (int i = 0; i < 64; ++i) {
        const auto c = PaletteColour(i);
        colours[i] = {c[0], c[1], c[2]};
    }
    ColorMapObject* map = GifMakeMapObject(64, colours);
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) row[x] = static_cast<GifPixelType>((x + y) % 64);
        EGifPutLine(gif, row.data(), width);
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
}

std::array<unsigned char, 3> ExpectedColour(const std::string& kind, int width, int x, int y)
{
    if (kind == "palette") return PaletteColour((x + y) % 64);
    if (kind == "gray") {
        const unsigned char v = Pattern(width, y + 1, 1)[static_cast<std::size_t>(y) * width + x];
        return {v, v, v};
    }
    const int components = kind == "alpha" ? 4 : 3;
    const Bytes p = Pattern(width, y + 1, components);
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * components;
    std::array<unsigned char, 3> rgb{p[at], p[at + 1], p[at + 2]};
    if (kind == "alpha")
        for (auto& c : rgb) c = static_cast<unsigned char>((c * Alpha(x) + 255 * (255 - Alpha(x)) + 127) / 255);
    return rgb;
}

}  // namespace quorlet::test
