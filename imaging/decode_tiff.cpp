// TIFF decoding through libtiff, first directory only. Strip-based bilevel,
// grey and palette images are read line by line and keep their depth (a
// 1-bit page stays 1-bit); everything else goes through libtiff's RGBA
// reader, which knows every photometric and compression it supports.
#include <utility>
#include <vector>

#include "imaging/decode.h"
#include "imaging/resolution.h"
#include "imaging/tiff_memory.h"

namespace dravolt::imaging {

namespace {

struct TiffLayout {
    std::uint32_t width = 0, height = 0;
    std::uint16_t bps = 1, spp = 1, photometric = PHOTOMETRIC_MINISWHITE, planar = PLANARCONFIG_CONTIG;
    bool tiled = false;
    bool hasAlpha = false;
};

TiffLayout ReadLayout(TIFF* tif) {
    TiffLayout l;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &l.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &l.height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &l.bps);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &l.spp);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &l.planar);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &l.photometric))
        l.photometric = l.spp >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISWHITE;
    l.tiled = TIFFIsTiled(tif) != 0;
    std::uint16_t extraCount = 0;
    std::uint16_t* extraTypes = nullptr;
    if (TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes) && extraCount > 0)
        l.hasAlpha = extraTypes[0] == EXTRASAMPLE_ASSOCALPHA || extraTypes[0] == EXTRASAMPLE_UNASSALPHA;
    return l;
}

bool IsBlackWhite(const TiffLayout& l) {
    return l.photometric == PHOTOMETRIC_MINISWHITE || l.photometric == PHOTOMETRIC_MINISBLACK;
}

// Depth kept when the image can be read line by line, or 0. RGB with
// unassociated alpha must come this way: the RGBA reader premultiplies it.
int LineDepth(const TiffLayout& l) {
    if (l.tiled || l.planar != PLANARCONFIG_CONTIG) return 0;
    if (l.photometric == PHOTOMETRIC_RGB && l.bps == 8 && l.spp == 3) return 24;
    if (l.photometric == PHOTOMETRIC_RGB && l.bps == 8 && l.spp == 4 && l.hasAlpha) return 32;
    if (l.spp != 1) return 0;
    if (IsBlackWhite(l) && (l.bps == 1 || l.bps == 8)) return l.bps;
    if (l.photometric == PHOTOMETRIC_PALETTE && (l.bps == 4 || l.bps == 8)) return l.bps;
    return 0;
}

std::vector<Rgba> ReadColorMap(TIFF* tif, int entries) {
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    std::vector<Rgba> palette;
    if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue)) return palette;
    // Some writers store 8-bit values in the 16-bit map.
    bool eightBit = true;
    for (int i = 0; i < entries; ++i)
        if (red[i] > 255 || green[i] > 255 || blue[i] > 255) eightBit = false;
    const int shift = eightBit ? 0 : 8;
    for (int i = 0; i < entries; ++i)
        palette.push_back({static_cast<std::uint8_t>(red[i] >> shift), static_cast<std::uint8_t>(green[i] >> shift),
                           static_cast<std::uint8_t>(blue[i] >> shift), 255});
    return palette;
}

// TIFF stores R, G, B (, A); the image keeps B, G, R (, A).
void SwapRedAndBlue(Image& image) {
    const int size = image.Bpp() / 8;
    for (int y = 0; y < image.Height(); ++y) {
        std::uint8_t* p = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, p += size) std::swap(p[0], p[2]);
    }
}

Image ReadLines(TIFF* tif, const TiffLayout& l, int bpp) {
    Image image = Image::Create(l.width, l.height, bpp);
    if (!image.IsValid() || static_cast<std::size_t>(TIFFScanlineSize64(tif)) > image.Stride()) return {};
    for (int y = 0; y < image.Height(); ++y)
        if (TIFFReadScanline(tif, image.Row(y), static_cast<std::uint32_t>(y), 0) < 0) return {};
    const bool whiteIsZero = l.photometric == PHOTOMETRIC_MINISWHITE;
    if (bpp >= 24) {
        SwapRedAndBlue(image);
    } else if (l.photometric == PHOTOMETRIC_PALETTE) {
        image.SetPalette(ReadColorMap(tif, 1 << bpp));
    } else if (bpp == 1) {
        const Rgba black{0, 0, 0, 255}, white{255, 255, 255, 255};
        image.SetPalette(whiteIsZero ? std::vector<Rgba>{white, black} : std::vector<Rgba>{black, white});
    } else if (whiteIsZero) {
        // Keep grey images on the ascending ramp.
        for (auto& byte : image.Pixels()) byte = static_cast<std::uint8_t>(255 - byte);
    }
    return image;
}

Image ReadRgba(TIFF* tif, const TiffLayout& l) {
    const bool bilevel = l.bps == 1 && l.spp == 1 && IsBlackWhite(l);
    const int bpp = bilevel ? 1 : l.hasAlpha ? 32 : 24;
    // The RGBA raster is the largest buffer here; it passes the guard too.
    if (!PixelDataSize(l.width, l.height, 32)) return {};
    char message[1024];
    if (!TIFFRGBAImageOK(tif, message)) return {};
    std::vector<std::uint32_t> raster(static_cast<std::size_t>(l.width) * l.height);
    if (!TIFFReadRGBAImageOriented(tif, l.width, l.height, raster.data(), ORIENTATION_TOPLEFT, 1)) return {};
    Image image = Image::Create(l.width, l.height, bpp);
    if (!image.IsValid()) return {};
    if (bilevel) image.SetPalette({{0, 0, 0, 255}, {255, 255, 255, 255}});
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint32_t p = raster[static_cast<std::size_t>(y) * l.width + x];
            const Rgba c{static_cast<std::uint8_t>(TIFFGetR(p)), static_cast<std::uint8_t>(TIFFGetG(p)),
                         static_cast<std::uint8_t>(TIFFGetB(p)), static_cast<std::uint8_t>(TIFFGetA(p))};
            image.SetRaw(x, y, bilevel ? (c.r >= 128 ? 1u : 0u) : PackBgra(c));
        }
    return image;
}

void ReadResolution(TIFF* tif, Image& image) {
    float x = 0, y = 0;
    std::uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (!TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x) || !TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y)) return;
    if (unit != RESUNIT_INCH && unit != RESUNIT_CENTIMETER) return;
    const double perInch = unit == RESUNIT_CENTIMETER ? 2.54 : 1.0;
    image.SetResolution(DotsPerInch(x, perInch), DotsPerInch(y, perInch));
}

}  // namespace

Image DecodeTiff(std::span<const std::uint8_t> bytes) {
    TiffMemoryStream stream{bytes};
    TiffHandle tif = OpenTiffReader(stream);
    if (!tif) return {};
    const TiffLayout layout = ReadLayout(tif.get());
    const int lineDepth = LineDepth(layout);
    if (!PixelDataSize(layout.width, layout.height, lineDepth ? lineDepth : 24)) return {};
    Image image = lineDepth ? ReadLines(tif.get(), layout, lineDepth) : ReadRgba(tif.get(), layout);
    if (image.IsValid()) ReadResolution(tif.get(), image);
    return image;
}

}  // namespace dravolt::imaging
