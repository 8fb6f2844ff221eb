// Building an image from pixel rows handed over by a device (a scanned
// bitmap): rows of `bytesPerRow` bytes, bottom row first unless topDown.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "imaging/image.h"

namespace dravolt::imaging {

struct RawRows {
    std::span<const std::uint8_t> bits;
    int width = 0;
    int height = 0;
    int bpp = 0;                  // 1, 4, 8, 24 or 32; 24/32 in B, G, R (, A) order
    std::size_t bytesPerRow = 0;  // at least the packed row size
    bool topDown = false;
    std::vector<Rgba> palette;  // for palette depths; the grey ramp when empty
};

// Invalid when the rows are shorter than the width needs, the buffer holds
// fewer than `height` rows, or the size is refused.
Image ImageFromRawRows(const RawRows& raw);

}  // namespace dravolt::imaging
