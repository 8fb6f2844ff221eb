#include "test_images.h"

#include <jpeglib.h>
#include <tiffio.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quorlet::test {

Bytes Pattern(int width, int height, int components)
{
    Bytes pixels(static_cast<std::size_t>(width) * height * components);
    std::size_t i = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                pixels[i++] = static_cast<unsigned char>((x * (c + 1) * 7 + y * 3 + c * 60) & 0xFF);
    return pixels;
}

Bytes MakeJpeg(int width, int height, int components, bool progressive)
{
    return EncodeJpeg(width, height, components, Pattern(width, height, components), progressive);
}

Bytes MakeSolidCmykJpeg(int width, int height, std::array<unsigned char, 4> cmyk)
{
    Bytes pixels;
    for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), cmyk.begin(), cmyk.end());
    return EncodeJpeg(width, height, 4, pixels, false);
}

Bytes EncodeJpeg(int width, int height, int components, const Bytes& pixels, bool progressive)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels.data()) +
                       static_cast<std::size_t>(cinfo.next_scanline) * width * components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes BilevelPattern(int width, int height)
{
    Bytes pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = ((x / 8 + y / 8) % 2 == 0) || x == y;
    return pixels;
}

void WriteBilevelTiff(const std::filesystem::path& path, int width, int height, int compression,
                      int photometric, int rowsPerStrip)
{
    TIFF* tiff = TIFFOpen(path.string().c_str(), "w");
    if (!tiff) throw std::runtime_error("cannot write test TIFF");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
    const Bytes black = BilevelPattern(width, height);
    const bool zeroIsWhite = photometric == PHOTOMETRIC_MINISWHITE;
    std::vector<unsigned char> row((width + 7) / 8);
    for (int y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < width; ++x)
            if (black[static_cast<std::size_t>(y) * width + x] == zeroIsWhite)
                row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        TIFFWriteScanline(tiff, row.data(), y, 0);
    }
    TIFFClose(tiff);
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

Bytes ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path FreshFolder(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() / ("quorlet-test-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace quorlet::test
