// Small generated images and encoded files for the image library's tests.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/image.h"

namespace dravolt::imaging::test {

// A deterministic pattern of distinct values at any depth (palette images
// get a non-grey palette, unless `grey` keeps the default grey ramp).
Image Pattern(int width, int height, int bpp, bool grey = false);

// A 24-bit image of one colour.
Image Solid(int width, int height, Rgba color);

// Pixel-for-pixel equality of the colours (not of the depth); alpha counts
// only when both images have it.
bool SameColors(const Image& a, const Image& b);

std::vector<std::uint8_t> PngBytes(int width, int height, int colorType, int bitDepth, bool interlaced,
                                   bool transparency, int dpi = 0);
// An uncompressed BMP (40-byte header, 300 dpi) of an image of any depth.
std::vector<std::uint8_t> BmpBytes(const Image& image, bool topDown);
// The 4 x 2 RLE8 bitmap used by the BMP tests (see the .cpp for its runs).
std::vector<std::uint8_t> BmpRle8Bytes();
std::vector<std::uint8_t> GifBytes(const Image& eightBit, bool interlaced);
// Two directories: a 1-bit 16 x 8 page, then a 24-bit 5 x 5 page.
std::vector<std::uint8_t> TwoPageTiff();

}  // namespace dravolt::imaging::test
