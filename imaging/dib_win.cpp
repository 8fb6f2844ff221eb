// Copies between the image raster and DIB sections. Both keep rows padded
// to 4 bytes with pixels in B, G, R (, A) order, so rows copy unchanged;
// only the row order (DIBs made here are bottom-up) and the palette differ.
#include "imaging/dib_win.h"

#include <algorithm>
#include <cstring>

#include "imaging/resolution.h"

namespace dravolt::imaging {

namespace {

// A header followed by room for the largest colour table.
struct DibInfo {
    BITMAPINFOHEADER header{};
    RGBQUAD colors[256]{};
    BITMAPINFO* Get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

// A memory device context, needed by GetDIBits only to name a device.
class MemoryDc {
public:
    MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

bool IsImageDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32; }

DibInfo InfoFor(const Image& image) {
    DibInfo info;
    BITMAPINFOHEADER& h = info.header;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = image.Width();
    h.biHeight = image.Height();  // positive: bottom-up
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(image.Bpp());
    h.biCompression = BI_RGB;
    h.biXPelsPerMeter = PerMetreFromDpi(image.XDpi());
    h.biYPelsPerMeter = PerMetreFromDpi(image.YDpi());
    const auto& palette = image.Palette();
    h.biClrUsed = image.HasPalette() ? static_cast<DWORD>(palette.size()) : 0;
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i)
        info.colors[i] = {palette[i].b, palette[i].g, palette[i].r, 0};
    return info;
}

// Moves one edge of the target by as much as its source edge moved, in the
// target's scale, so a clipped source still lands where it would have.
LONG MapEdge(LONG sourceEdge, LONG sourceStart, LONG sourceLength, LONG targetStart,
             LONG targetLength) {
    const long long moved = static_cast<long long>(sourceEdge - sourceStart) * targetLength;
    return static_cast<LONG>(targetStart + moved / sourceLength);
}

}  // namespace

DibBitmap MakeDib(const Image& image) {
    if (!image.IsValid()) return {};
    DibInfo info = InfoFor(image);
    void* bits = nullptr;
    DibBitmap dib(CreateDIBSection(nullptr, info.Get(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return {};
    auto* out = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < image.Height(); ++y)
        std::memcpy(out + static_cast<std::size_t>(image.Height() - 1 - y) * image.Stride(), image.Row(y),
                    image.Stride());
    return dib;
}

bool DrawImagePart(HDC dc, const Image& image, const RECT& source, const RECT& target) {
    const LONG sourceWidth = source.right - source.left;
    const LONG sourceHeight = source.bottom - source.top;
    if (!image.IsValid() || sourceWidth <= 0 || sourceHeight <= 0) return false;
    const RECT part{std::max<LONG>(source.left, 0), std::max<LONG>(source.top, 0),
                    std::min<LONG>(source.right, image.Width()), std::min<LONG>(source.bottom, image.Height())};
    if (part.left >= part.right || part.top >= part.bottom) return false;
    const LONG targetWidth = target.right - target.left;
    const LONG targetHeight = target.bottom - target.top;
    const RECT onto{MapEdge(part.left, source.left, sourceWidth, target.left, targetWidth),
                    MapEdge(part.top, source.top, sourceHeight, target.top, targetHeight),
                    MapEdge(part.right, source.left, sourceWidth, target.left, targetWidth),
                    MapEdge(part.bottom, source.top, sourceHeight, target.top, targetHeight)};

    // Only the part's rows are described, from its top row on: where the y of a
    // top-down source is counted from differs between a stretch and a plain
    // copy, and a source starting at row 0 of exactly these rows reads the same in both.
    const int rows = static_cast<int>(part.bottom - part.top);
    DibInfo info = InfoFor(image);
    info.header.biHeight = -rows;  // negative: the top row comes first, as the image keeps it
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    const int lines = StretchDIBits(dc, onto.left, onto.top, onto.right - onto.left, onto.bottom - onto.top,
                                    static_cast<int>(part.left), 0, static_cast<int>(part.right - part.left),
                                    rows, image.Row(static_cast<int>(part.top)), info.Get(), DIB_RGB_COLORS,
                                    SRCCOPY);
    SetStretchBltMode(dc, previousMode);
    return lines > 0;
}

Image ImageFromBitmap(HBITMAP bitmap) {
    DIBSECTION section{};
    const int described = bitmap ? GetObjectW(bitmap, sizeof(section), &section) : 0;
    if (described < static_cast<int>(sizeof(BITMAP))) return {};
    const bool isSection = described == static_cast<int>(sizeof(DIBSECTION));
    const BITMAP& bm = section.dsBm;
    // Bit-field layouts are not ours: GetDIBits turns them into plain 24-bit.
    const bool plain = isSection && section.dsBmih.biCompression == BI_RGB;
    const int bpp = plain && IsImageDepth(bm.bmBitsPixel) ? bm.bmBitsPixel : 24;
    Image image = Image::Create(bm.bmWidth, bm.bmHeight, bpp);
    if (!image.IsValid()) return {};

    DibInfo info;
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = image.Width();
    info.header.biHeight = -image.Height();  // negative: rows arrive top row first, as the image keeps them
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bpp);
    info.header.biCompression = BI_RGB;
    const MemoryDc dc;
    if (!dc.Get() || GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(image.Height()), image.Pixels().data(),
                               info.Get(), DIB_RGB_COLORS) != image.Height())
        return {};
    if (image.HasPalette()) {
        std::vector<Rgba> palette(std::size_t{1} << bpp);
        for (std::size_t i = 0; i < palette.size(); ++i)
            palette[i] = {info.colors[i].rgbRed, info.colors[i].rgbGreen, info.colors[i].rgbBlue, 255};
        image.SetPalette(std::move(palette));
    }
    if (isSection) {
        const auto dpi = DpiFromPerMetre(section.dsBmih.biXPelsPerMeter, section.dsBmih.biYPelsPerMeter);
        if (dpi) image.SetResolution(dpi->x, dpi->y);
    }
    return image;
}

}  // namespace dravolt::imaging
