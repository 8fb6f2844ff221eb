// TIFF encoding through libtiff into memory: bilevel, grey, palette, RGB
// and RGBA, with the resolution in dots per inch.
#include <algorithm>
#include <vector>

#include "imaging/encode.h"
#include "imaging/tiff_memory.h"

namespace dravolt::imaging {

namespace {

std::uint16_t ChooseCompression(const Image& image) {
    const bool bilevel = image.Bpp() == 1;
    const int option = image.TiffCompression();
    if (option == 0) return bilevel ? COMPRESSION_CCITTRLE : COMPRESSION_NONE;
    const bool ccitt =
        option == COMPRESSION_CCITTRLE || option == COMPRESSION_CCITTFAX3 || option == COMPRESSION_CCITTFAX4;
    // The fax codes only exist for bilevel images; refusing would lose the page.
    if (ccitt && !bilevel) return COMPRESSION_NONE;
    return static_cast<std::uint16_t>(option);
}

bool IsGreyRampOf(const Image& image) { return image.Palette() == GreyRamp(1 << image.Bpp()); }

void SetColorMap(TIFF* tif, const Image& image) {
    std::vector<std::uint16_t> red, green, blue;
    for (const Rgba& c : image.Palette()) {
        red.push_back(static_cast<std::uint16_t>(c.r * 257));
        green.push_back(static_cast<std::uint16_t>(c.g * 257));
        blue.push_back(static_cast<std::uint16_t>(c.b * 257));
    }
    TIFFSetField(tif, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
}

void SetPixelLayout(TIFF* tif, const Image& image) {
    const int bpp = image.Bpp();
    const bool direct = bpp >= 24;
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, direct ? 8 : bpp);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, direct ? bpp / 8 : 1);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    if (direct) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        if (bpp == 32) {
            const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
            TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, &extra);
        }
    } else if (bpp == 1) {
        // The bits are written as they are; the palette decides their sense.
        const bool zeroIsDark = Luminance(image.Palette()[0]) <= Luminance(image.Palette()[1]);
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, zeroIsDark ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_MINISWHITE);
    } else if (IsGreyRampOf(image)) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    } else {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        SetColorMap(tif, image);
    }
}

void SetTags(TIFF* tif, const Image& image, std::uint16_t compression) {
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(image.Width()));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(image.Height()));
    SetPixelLayout(tif, image);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tif, TIFFTAG_XRESOLUTION, static_cast<float>(image.XDpi()));
    TIFFSetField(tif, TIFFTAG_YRESOLUTION, static_cast<float>(image.YDpi()));
    TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
}

// Fills `row` with row y as TIFF wants it: our B, G, R (, A) become R, G, B (, A).
// libtiff may modify the buffer while encoding, so it always gets a copy.
void PrepareRow(const Image& image, int y, std::vector<std::uint8_t>& row) {
    const std::uint8_t* in = image.Row(y);
    if (image.Bpp() < 24) {
        std::copy_n(in, image.Stride(), row.data());
        return;
    }
    const std::size_t size = static_cast<std::size_t>(image.Bpp() / 8);
    for (std::size_t i = 0; i < static_cast<std::size_t>(image.Width()) * size; i += size) {
        row[i] = in[i + 2];
        row[i + 1] = in[i + 1];
        row[i + 2] = in[i];
        if (size == 4) row[i + 3] = in[i + 3];
    }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeTiff(const Image& image) {
    if (!image.IsValid()) return std::nullopt;
    const std::uint16_t compression = ChooseCompression(image);
    if (!TIFFIsCODECConfigured(compression)) return std::nullopt;
    std::vector<std::uint8_t> output;
    TiffMemoryStream stream{{}, &output};
    {
        TiffHandle tif = OpenTiffWriter(stream);
        if (!tif) return std::nullopt;
        SetTags(tif.get(), image, compression);
        std::vector<std::uint8_t> row(image.Stride());
        for (int y = 0; y < image.Height(); ++y) {
            PrepareRow(image, y, row);
            if (TIFFWriteScanline(tif.get(), row.data(), static_cast<std::uint32_t>(y), 0) < 0) return std::nullopt;
        }
        if (!TIFFWriteDirectory(tif.get())) return std::nullopt;
    }
    return output;
}

}  // namespace dravolt::imaging
