// Turning a skin image file (PNG, BMP or any format the image library
// reads) into the 32-bit premultiplied pixels that GDI's alpha blending
// expects.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace dravolt::brennix {

struct SkinPixels {
    int width = 0;
    int height = 0;
    bool alpha = false;  // the file had an alpha channel
    // Top row first, B, G, R, A per pixel, colour premultiplied by alpha;
    // alpha is 255 throughout for images without an alpha channel.
    std::vector<std::uint8_t> bgra;
};

std::optional<SkinPixels> DecodeSkinPixels(std::span<const std::uint8_t> file);

}  // namespace dravolt::brennix
