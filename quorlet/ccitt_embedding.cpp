#include "quorlet/ccitt_embedding.h"

#include "quorlet/pdf_error.h"

namespace quorlet {
namespace {

struct TiffGeometry {
    std::uint32_t width = 0, height = 0;
    std::uint16_t photometric = PHOTOMETRIC_MINISWHITE;
};

TiffGeometry GeometryOf(TIFF* tiff)
{
    TiffGeometry g;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &g.width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &g.height);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &g.photometric);
    if (g.width == 0 || g.height == 0 || g.width > 1'000'000 || g.height > 1'000'000)
        throw PdfError("the TIFF image has no usable size");
    return g;
}

bool Group4AsItStands(TIFF* tiff)
{
    std::uint16_t compression = 0, fillOrder = FILLORDER_MSB2LSB;
    std::uint32_t options = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_FILLORDER, &fillOrder);
    if (compression != COMPRESSION_CCITTFAX4) return false;
    TIFFGetField(tiff, TIFFTAG_GROUP4OPTIONS, &options);
    // Several strips are separate Group 4 codings and cannot be joined;
    // uncompressed mode is not handled by every reader.
    return fillOrder == FILLORDER_MSB2LSB && !TIFFIsTiled(tiff) &&
           TIFFNumberOfStrips(tiff) == 1 && (options & GROUP4OPT_UNCOMPRESSED) == 0;
}

std::vector<unsigned char> RawStrip(TIFF* tiff)
{
    std::uint64_t* counts = nullptr;
    if (!TIFFGetField(tiff, TIFFTAG_STRIPBYTECOUNTS, &counts) || !counts || counts[0] == 0 ||
        counts[0] > (1ULL << 31))
        throw PdfError("the TIFF file is damaged");
    std::vector<unsigned char> data(static_cast<std::size_t>(counts[0]));
    const tmsize_t got = TIFFReadRawStrip(tiff, 0, data.data(), static_cast<tmsize_t>(data.size()));
    if (got != static_cast<tmsize_t>(data.size()))
        throw PdfError("the TIFF file is damaged or cut off");
    return data;
}

BilevelImage DecodeBilevel(TIFF* tiff, const TiffGeometry& g)
{
    BilevelImage image{static_cast<int>(g.width), static_cast<int>(g.height), {}};
    const std::size_t stride = (g.width + 7) / 8;
    if (TIFFIsTiled(tiff) || static_cast<std::size_t>(TIFFScanlineSize64(tiff)) != stride)
        throw PdfError("this one-bit TIFF layout is not supported");
    image.rows.resize(stride * g.height);
    for (std::uint32_t row = 0; row < g.height; ++row)
        if (TIFFReadScanline(tiff, image.rows.data() + row * stride, row) < 0)
            throw PdfError("the TIFF file is damaged or cut off");
    if (g.photometric == PHOTOMETRIC_MINISBLACK)
        for (unsigned char& byte : image.rows) byte = static_cast<unsigned char>(~byte);
    return image;
}

EmbeddedImage WriteGroup4(ObjectWriter& writer, int width, int height, bool blackIs1,
                          const std::vector<unsigned char>& data)
{
    const int object = writer.Reserve();
    writer.BeginStream(object, Group4Dictionary(width, height, blackIs1), data.size());
    writer.WriteStreamData(data.data(), data.size());
    writer.EndStream();
    return {object, width, height};
}

}  // namespace

bool IsBilevel(TIFF* tiff)
{
    std::uint16_t bits = 1, samples = 1, photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    return bits == 1 && samples == 1 &&
           (photometric == PHOTOMETRIC_MINISWHITE || photometric == PHOTOMETRIC_MINISBLACK);
}

std::string Group4Dictionary(int width, int height, bool blackIs1)
{
    const std::string w = std::to_string(width), h = std::to_string(height);
    return " /Type /XObject /Subtype /Image /Width " + w + " /Height " + h +
           " /ColorSpace /DeviceGray /BitsPerComponent 1 /Filter /CCITTFaxDecode"
           " /DecodeParms << /K -1 /Columns " + w + " /Rows " + h +
           (blackIs1 ? " /BlackIs1 true" : "") + " >>";
}

EmbeddedImage EmbedBilevelTiff(ObjectWriter& writer, TIFF* tiff)
{
    const TiffGeometry g = GeometryOf(tiff);
    if (Group4AsItStands(tiff)) {
        // Group 4 codes zero bits as white runs; where the file calls zero
        // black, the reader must be told that one bits are black.
        const bool blackIs1 = g.photometric == PHOTOMETRIC_MINISBLACK;
        return WriteGroup4(writer, static_cast<int>(g.width), static_cast<int>(g.height),
                           blackIs1, RawStrip(tiff));
    }
    return EmbedGroup4(writer, DecodeBilevel(tiff, g));
}

EmbeddedImage EmbedGroup4(ObjectWriter& writer, const BilevelImage& image)
{
    return WriteGroup4(writer, image.width, image.height, false, EncodeGroup4(image));
}

}  // namespace quorlet
