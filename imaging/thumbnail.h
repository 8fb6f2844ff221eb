// Thumbnails: an image scaled down (never up) to fit a target size with
// its aspect ratio kept, centred on a canvas of the target size.
#pragma once

#include <cstdint>
#include <span>

#include "imaging/image.h"

namespace dravolt::imaging {

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// The size an image of `source` takes inside `target`: unchanged when it
// already fits, else scaled down to touch the target on one side.
Size FitInside(Size source, Size target);

// An average of the source pixels each target pixel covers (24-bit result).
Image ScaleDown(const Image& image, Size size);

// A 24-bit image of the target size filled with `canvas`, the fitted image
// in its centre. Invalid for an invalid image or an empty target.
Image Thumbnail(const Image& image, Size target, Rgba canvas);

// The smallest DCT scale, in eighths, at which a JPEG of `source` pixels
// still covers the fitted thumbnail size.
int JpegScaleToCover(Size source, Size target);

// Decodes a file's bytes straight into a thumbnail; JPEG files are decoded
// at a reduced DCT scale first, so only a fraction of the work is done.
Image DecodeThumbnail(std::span<const std::uint8_t> bytes, Size target, Rgba canvas);

}  // namespace dravolt::imaging
