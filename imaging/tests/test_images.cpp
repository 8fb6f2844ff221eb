// Builds the test fixtures in code, so no binary files need committing.
#include "test_images.h"

#include <cstring>

#include <gif_lib.h>
#include <png.h>

#include "imaging/tiff_memory.h"

namespace dravolt::imaging::test {

Image Pattern(int width, int height, int bpp, bool grey) {
    Image image = Image::Create(width, height, bpp);
    if (bpp <= 8 && !grey) {
        std::vector<Rgba> palette;
        for (int i = 0; i < (1 << bpp); ++i)
            palette.push_back({static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(255 - i),
                               static_cast<std::uint8_t>(i * 11 + 3), 255});
        image.SetPalette(palette);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<std::uint32_t>(x * 31 + y * 17 + x * y);
            if (bpp <= 8)
                image.SetRaw(x, y, v % (1u << bpp));
            else
                image.SetRaw(x, y, PackBgra({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(x * 20),
                                             static_cast<std::uint8_t>(y * 20),
                                             static_cast<std::uint8_t>(bpp == 32 ? 255 - x : 255)}));
        }
    return image;
}

Image Solid(int width, int height, Rgba color) {
    Image image = Image::Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.SetRaw(x, y, PackBgra(color));
    return image;
}

bool SameColors(const Image& a, const Image& b) {
    if (!a.IsValid() || !b.IsValid() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            Rgba ca = a.ColorAt(x, y), cb = b.ColorAt(x, y);
            if (a.Bpp() != 32 || b.Bpp() != 32) ca.a = cb.a = 255;
            if (!(ca == cb)) return false;
        }
    return true;
}

namespace {

void AppendPng(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

int Channels(int colorType) {
    switch (colorType) {
        case PNG_COLOR_TYPE_RGB: return 3;
        case PNG_COLOR_TYPE_RGBA: return 4;
        case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
        default: return 1;
    }
}

}  // namespace

std::vector<std::uint8_t> PngBytes(int width, int height, int colorType, int bitDepth, bool interlaced,
                                   bool transparency, int dpi) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), bitDepth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back({static_cast<png_byte>(i), static_cast<png_byte>(255 - i), static_cast<png_byte>(i / 2)});
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette.data(), 1 << bitDepth);
    png_byte alpha[1] = {0};
    png_color_16 transparent{};
    if (transparency) png_set_tRNS(png, info, alpha, 1, &transparent);
    const auto perMetre = static_cast<png_uint_32>(dpi / 0.0254 + 0.5);
    if (dpi) png_set_pHYs(png, info, perMetre, perMetre, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * Channels(colorType) * bitDepth + 7) / 8;
    std::vector<std::vector<png_byte>> rows(static_cast<std::size_t>(height), std::vector<png_byte>(rowBytes));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t i = 0; i < rowBytes; ++i) rows[y][i] = static_cast<png_byte>(i * 7 + y * 13);
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> BmpBytes(const Image& image, bool topDown) {
    const std::uint32_t paletteBytes = image.HasPalette() ? 4u << image.Bpp() : 0;
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    const auto pixelBytes = static_cast<std::uint32_t>(image.Pixels().size());
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, offset + pixelBytes, 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(image.Width()), 4);
    Put(out, static_cast<std::uint32_t>(topDown ? -image.Height() : image.Height()), 4);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(image.Bpp()), 2);
    Put(out, 0, 4);  // uncompressed
    Put(out, pixelBytes, 4);
    Put(out, 11811, 4);  // 300 dpi in pixels per metre
    Put(out, 11811, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (const Rgba& c : image.Palette()) out.insert(out.end(), {c.b, c.g, c.r, 0});
    for (int row = 0; row < image.Height(); ++row) {
        const int y = topDown ? row : image.Height() - 1 - row;
        out.insert(out.end(), image.Row(y), image.Row(y) + image.Stride());
    }
    return out;
}

std::vector<std::uint8_t> BmpRle8Bytes() {
    // Bottom row: a run of 3 x index 1, a literal of two (2, 2) clipped at
    // the edge, end of line; top row: a delta of one column, index 3, end of
    // bitmap.
    const std::vector<std::uint8_t> runs{3, 1, 0, 3, 2, 2, 2, 0, 0, 0, 0, 2, 1, 0, 1, 3, 0, 1};
    const Image blank = Image::Create(4, 2, 8);
    std::vector<std::uint8_t> out = BmpBytes(blank, false);
    out.resize(out.size() - blank.Pixels().size());
    out[30] = 1;  // BI_RLE8
    out.insert(out.end(), runs.begin(), runs.end());
    return out;
}

namespace {

int AppendGif(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

}  // namespace

std::vector<std::uint8_t> GifBytes(const Image& image, bool interlaced) {
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendGif, &error);
    std::vector<GifColorType> colors;
    for (const Rgba& c : image.Palette()) colors.push_back({c.r, c.g, c.b});
    ColorMapObject* map = GifMakeMapObject(256, colors.data());
    EGifPutScreenDesc(gif, image.Width(), image.Height(), 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, image.Width(), image.Height(), interlaced, nullptr);
    constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.Width()));
    auto putRow = [&](int y) {
        std::memcpy(line.data(), image.Row(y), line.size());
        EGifPutLine(gif, line.data(), image.Width());
    };
    if (interlaced) {
        for (int pass = 0; pass < 4; ++pass)
            for (int y = kStart[pass]; y < image.Height(); y += kStep[pass]) putRow(y);
    } else {
        for (int y = 0; y < image.Height(); ++y) putRow(y);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

namespace {

void WritePage(TIFF* tif, const Image& image) {
    const bool bilevel = image.Bpp() == 1;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, image.Width());
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, image.Height());
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, bilevel ? 1 : 8);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, bilevel ? 1 : 3);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, bilevel ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    for (int y = 0; y < image.Height(); ++y)
        TIFFWriteScanline(tif, const_cast<std::uint8_t*>(image.Row(y)), static_cast<std::uint32_t>(y), 0);
    TIFFWriteDirectory(tif);
}

}  // namespace

std::vector<std::uint8_t> TwoPageTiff() {
    std::vector<std::uint8_t> out;
    TiffMemoryStream stream{{}, &out};
    TiffHandle tif = OpenTiffWriter(stream);
    WritePage(tif.get(), Pattern(16, 8, 1));
    WritePage(tif.get(), Solid(5, 5, {200, 100, 50, 255}));
    tif.reset();
    return out;
}

}  // namespace dravolt::imaging::test
