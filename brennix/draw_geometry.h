// Value-only helpers behind the drawing operations: where an image goes and
// which of its pixels are used, the bands of a gradient, colour formats.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "brennix/modify_string.h"

namespace dravolt::brennix {

struct ImagePlacement {
    IntRect dest;    // in device coordinates
    IntRect source;  // inside the image
    int fade = 255;
    friend bool operator==(const ImagePlacement&, const ImagePlacement&) = default;
};

// Where an image of width x height goes for an item rectangle and a modify
// string: the destination is relative to the item's top-left corner (the
// whole item without one), the source is cut to the image (the whole image
// without one). Nothing when either ends up empty or the image is empty.
std::optional<ImagePlacement> PlaceImage(const IntRect& item, int width, int height, const ImageModify& modify);

struct ColorBand {
    IntRect rect;
    std::uint32_t argb = 0;
    friend bool operator==(const ColorBand&, const ColorBand&) = default;
};

// The bands that fill `rect` from `first` to `second` in `steps` steps
// (at least 1, at most one per pixel row or column); `vertical` runs the
// colour from top to bottom, else from left to right. The first band has
// the first colour and the last band the second.
std::vector<ColorBand> GradientBands(const IntRect& rect, std::uint32_t first, std::uint32_t second,
                                     bool vertical, int steps);

// 0xAARRGGBB to a GDI colour 0x00BBGGRR.
constexpr std::uint32_t ArgbToColorRef(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}

}  // namespace dravolt::brennix
