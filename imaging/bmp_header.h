// The parts of a BMP file header that decoding needs, read and checked
// without touching the pixel data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "imaging/image.h"

namespace dravolt::imaging {

enum class BmpCompression { None, Rle8, Rle4, BitFields };

struct BmpHeader {
    long long width = 0;
    long long height = 0;  // always positive; see topDown
    bool topDown = false;
    int bpp = 0;
    BmpCompression compression = BmpCompression::None;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
    std::vector<Rgba> palette;
    std::size_t pixelOffset = 0;
    long xPerMetre = 0, yPerMetre = 0;
};

std::optional<BmpHeader> ParseBmpHeader(std::span<const std::uint8_t> bytes);

}  // namespace dravolt::imaging
