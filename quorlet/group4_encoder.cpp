// Group 4 encoding through libtiff's own coder: the image is written as a
// one-strip TIFF in memory and the strip's bytes are taken out again, which
// is exactly the coding a CCITTFaxDecode filter with K -1 expects.
#include "quorlet/ccitt_embedding.h"

#include "quorlet/pdf_error.h"

#include <algorithm>

namespace quorlet {
namespace {

std::vector<unsigned char> WriteOneStripTiff(const BilevelImage& image, std::size_t stride)
{
    std::vector<unsigned char> file;
    TiffSource sink{nullptr, &file, 0, {}};
    TiffPtr tiff = OpenTiff(sink, "w");
    TIFF* t = tiff.get();
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(image.width));
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(image.height));
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(t, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, static_cast<std::uint32_t>(image.height));
    std::vector<unsigned char> row(stride);
    for (int y = 0; y < image.height; ++y) {
        // libtiff may modify the row it is given, so it gets a copy.
        std::copy_n(image.rows.begin() + static_cast<std::ptrdiff_t>(y * stride), stride, row.begin());
        if (TIFFWriteScanline(t, row.data(), static_cast<std::uint32_t>(y), 0) < 0)
            throw PdfError("cannot encode the one-bit image: " + sink.firstError);
    }
    if (!TIFFWriteDirectory(t)) throw PdfError("cannot encode the one-bit image");
    tiff.reset();
    return file;
}

}  // namespace

std::vector<unsigned char> EncodeGroup4(const BilevelImage& image)
{
    const std::size_t stride = (static_cast<std::size_t>(image.width) + 7) / 8;
    if (image.width <= 0 || image.height <= 0 || image.rows.size() != stride * image.height)
        throw PdfError("internal error: bad one-bit image");
    std::vector<unsigned char> file = WriteOneStripTiff(image, stride);
    TiffSource source{nullptr, &file, 0, {}};
    TiffPtr tiff = OpenTiff(source, "r");
    std::uint64_t* counts = nullptr;
    std::uint64_t* offsets = nullptr;
    if (!TIFFGetField(tiff.get(), TIFFTAG_STRIPBYTECOUNTS, &counts) ||
        !TIFFGetField(tiff.get(), TIFFTAG_STRIPOFFSETS, &offsets) ||
        offsets[0] + counts[0] > file.size())
        throw PdfError("internal error: Group 4 encoding failed");
    return {file.begin() + static_cast<std::ptrdiff_t>(offsets[0]),
            file.begin() + static_cast<std::ptrdiff_t>(offsets[0] + counts[0])};
}

}  // namespace quorlet
