// Operations on pixel values: grayscale, negative, light, histogram
// stretch, the 3 x 3 convolution and raising the bit depth. Each changes the
// image in place and returns false, leaving it unchanged, when it cannot run.
#pragma once

#include <array>

#include "imaging/image.h"

namespace dravolt::imaging {

// An 8-bit image on the grey ramp, each pixel at the luminance of its colour.
bool Grayscale(Image& image);

// Every channel value v becomes 255 - v (alpha is kept).
bool Negative(Image& image);

// Every channel value v becomes (b + 128) + ((100 + c) / 100) (v - 128),
// rounded and clamped; palette images change their palette.
bool Light(Image& image, int brightness, int contrast);

// Spreads the darkest and brightest levels that occur over 0..255, all
// channels alike. Unchanged (and true) when they already span 0..255 or the
// image holds one level only.
bool HistogramStretch(Image& image);

// Each channel becomes the kernel-weighted sum of its 3 x 3 neighbourhood
// (edge pixels repeated beyond the border) divided by `divisor`, plus
// `offset`, clamped. Palette images that are not grey become 24-bit first.
bool Convolve3x3(Image& image, const std::array<int, 9>& kernel, int divisor, int offset);

// Raises the depth to 24 bits; images of 24 bits or more are left as they are.
bool IncreaseBpp24(Image& image);

// The value table Light applies, exposed for its exact figures.
std::array<std::uint8_t, 256> LightTable(int brightness, int contrast);

}  // namespace dravolt::imaging
