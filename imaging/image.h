// The in-memory raster every page goes through: its size, bit depth,
// palette, resolution and the settings of the next encoding. Pixels are kept
// in rows of 4-byte-aligned width, top row first, with 24- and 32-bit pixels
// in B, G, R (, A) byte order, so that rows copy straight into and out of a
// device-independent bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dravolt::imaging {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// Images whose pixel data would exceed this are refused, before anything is
// allocated, so a forged header cannot exhaust memory.
inline constexpr std::uint64_t kMaxPixelBytes = 268435456;

// Bytes of one row of `width` pixels at `bpp` bits, rounded up to 4 bytes;
// nothing for a non-positive width or an unsupported depth.
std::optional<std::size_t> RowStride(long long width, int bpp);

// Bytes of the whole raster, or nothing when the size is invalid or beyond
// kMaxPixelBytes.
std::optional<std::size_t> PixelDataSize(long long width, long long height, int bpp);

// Luminance of a colour: (306 R + 601 G + 117 B) >> 10.
constexpr int Luminance(int r, int g, int b) { return (306 * r + 601 * g + 117 * b) >> 10; }
constexpr int Luminance(Rgba c) { return Luminance(c.r, c.g, c.b); }

std::vector<Rgba> GreyRamp(int entries);

class Image {
public:
    Image() = default;  // an invalid image

    // A blank image (all bytes zero) with the default palette of its depth
    // (grey ramp; black and white for 1 bit). Invalid when the size is
    // refused or the depth is not 1, 4, 8, 24 or 32.
    static Image Create(long long width, long long height, int bpp);

    bool IsValid() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Bpp() const { return bpp_; }
    std::size_t Stride() const { return stride_; }
    bool HasPalette() const { return bpp_ <= 8; }
    // An 8-bit image whose palette is the grey ramp 0..255.
    bool IsGray() const;

    std::uint8_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
    std::vector<std::uint8_t>& Pixels() { return pixels_; }
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

    const std::vector<Rgba>& Palette() const { return palette_; }
    // Palettes longer than the depth allows are cut; shorter ones padded black.
    void SetPalette(std::vector<Rgba> palette);

    // Raw value at (x, y), top row 0: the palette index for palette images,
    // else B | G << 8 | R << 16 | A << 24 (A is 255 for 24-bit images).
    std::uint32_t RawAt(int x, int y) const;
    void SetRaw(int x, int y, std::uint32_t value);
    Rgba ColorAt(int x, int y) const;  // top row 0
    // The colour of a pixel counted the other way up: row 0 is the bottom
    // row. Nothing when outside the image.
    std::optional<Rgba> PixelColor(int x, int yFromBottom) const;

    int XDpi() const { return xDpi_; }
    int YDpi() const { return yDpi_; }
    void SetResolution(int xDpi, int yDpi);
    int JpegQuality() const { return jpegQuality_; }
    void SetJpegQuality(int quality);
    // 0 lets the encoder choose by bit depth; otherwise a TIFF compression
    // code (1 = none, 2 = CCITT modified Huffman run-length).
    int TiffCompression() const { return tiffCompression_; }
    void SetTiffCompression(int code) { tiffCompression_ = code; }

    // Carries resolution and encoding settings over to a derived image.
    void CopySettingsFrom(const Image& other);

private:
    int width_ = 0;
    int height_ = 0;
    int bpp_ = 0;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> pixels_;
    std::vector<Rgba> palette_;
    int xDpi_ = 96;
    int yDpi_ = 96;
    int jpegQuality_ = 90;
    int tiffCompression_ = 0;
};

inline std::uint32_t PackBgra(Rgba c) {
    return c.b | (c.g << 8) | (c.r << 16) | (static_cast<std::uint32_t>(c.a) << 24);
}
inline Rgba UnpackBgra(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 24)};
}

}  // namespace dravolt::imaging
