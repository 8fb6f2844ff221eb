// The raster model: size guard, palettes and per-pixel access for every depth.
#include "imaging/image.h"

#include <algorithm>

namespace dravolt::imaging {

namespace {

bool IsSupportedDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32; }

// Largest side accepted at all; keeps every pixel coordinate in an int.
constexpr long long kMaxSide = 1LL << 30;

}  // namespace

std::optional<std::size_t> RowStride(long long width, int bpp) {
    if (width <= 0 || width > kMaxSide || !IsSupportedDepth(bpp)) return std::nullopt;
    const unsigned long long bits = static_cast<unsigned long long>(width) * bpp;
    return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

std::optional<std::size_t> PixelDataSize(long long width, long long height, int bpp) {
    const auto stride = RowStride(width, bpp);
    if (!stride || height <= 0 || height > kMaxSide) return std::nullopt;
    // Both factors are below 2^33, so the product cannot overflow 64 bits.
    const std::uint64_t total = static_cast<std::uint64_t>(*stride) * static_cast<std::uint64_t>(height);
    if (total > kMaxPixelBytes) return std::nullopt;
    return static_cast<std::size_t>(total);
}

std::vector<Rgba> GreyRamp(int entries) {
    std::vector<Rgba> ramp(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        const auto level = static_cast<std::uint8_t>(entries > 1 ? i * 255 / (entries - 1) : 0);
        ramp[static_cast<std::size_t>(i)] = {level, level, level, 255};
    }
    return ramp;
}

Image Image::Create(long long width, long long height, int bpp) {
    Image image;
    const auto size = PixelDataSize(width, height, bpp);
    if (!size) return image;
    image.width_ = static_cast<int>(width);
    image.height_ = static_cast<int>(height);
    image.bpp_ = bpp;
    image.stride_ = *RowStride(width, bpp);
    image.pixels_.assign(*size, 0);
    if (bpp <= 8) image.palette_ = GreyRamp(1 << bpp);
    return image;
}

bool Image::IsGray() const {
    if (bpp_ != 8) return false;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
        const Rgba& c = palette_[i];
        if (c.r != i || c.g != i || c.b != i) return false;
    }
    return true;
}

void Image::SetPalette(std::vector<Rgba> palette) {
    if (bpp_ > 8) return;
    palette.resize(static_cast<std::size_t>(1) << bpp_, Rgba{0, 0, 0, 255});
    palette_ = std::move(palette);
}

std::uint32_t Image::RawAt(int x, int y) const {
    const std::uint8_t* row = Row(y);
    switch (bpp_) {
        case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1u;
        case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu;
        case 8: return row[x];
        case 24: {
            const std::uint8_t* p = row + x * 3;
            return p[0] | (p[1] << 8) | (p[2] << 16) | 0xFF000000u;
        }
        default: {
            const std::uint8_t* p = row + x * 4;
            return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        }
    }
}

void Image::SetRaw(int x, int y, std::uint32_t value) {
    std::uint8_t* row = Row(y);
    switch (bpp_) {
        case 1: {
            const auto mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
            row[x >> 3] = static_cast<std::uint8_t>((value & 1) ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask));
            break;
        }
        case 4: {
            const int shift = (x & 1) ? 0 : 4;
            row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & ~(0xF << shift)) | ((value & 0xF) << shift));
            break;
        }
        case 8: row[x] = static_cast<std::uint8_t>(value); break;
        case 24: {
            std::uint8_t* p = row + x * 3;
            p[0] = static_cast<std::uint8_t>(value);
            p[1] = static_cast<std::uint8_t>(value >> 8);
            p[2] = static_cast<std::uint8_t>(value >> 16);
            break;
        }
        default: {
            std::uint8_t* p = row + x * 4;
            for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
}

Rgba Image::ColorAt(int x, int y) const {
    const std::uint32_t raw = RawAt(x, y);
    if (bpp_ <= 8) return palette_[raw];
    return UnpackBgra(raw);
}

std::optional<Rgba> Image::PixelColor(int x, int yFromBottom) const {
    if (x < 0 || yFromBottom < 0 || x >= width_ || yFromBottom >= height_) return std::nullopt;
    return ColorAt(x, height_ - 1 - yFromBottom);
}

void Image::SetResolution(int xDpi, int yDpi) {
    if (xDpi > 0) xDpi_ = xDpi;
    if (yDpi > 0) yDpi_ = yDpi;
}

void Image::SetJpegQuality(int quality) { jpegQuality_ = std::clamp(quality, 1, 100); }

void Image::CopySettingsFrom(const Image& other) {
    xDpi_ = other.xDpi_;
    yDpi_ = other.yDpi_;
    jpegQuality_ = other.jpegQuality_;
    tiffCompression_ = other.tiffCompression_;
}

}  // namespace dravolt::imaging
