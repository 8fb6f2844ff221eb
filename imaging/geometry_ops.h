// Operations that move pixels: mirror, flip, quarter turns, free rotation
// and crop. They work in place for every depth and return false, leaving
// the image unchanged, when they cannot run.
#pragma once

#include "imaging/image.h"

namespace dravolt::imaging {

bool Mirror(Image& image);       // reverses each row
bool Flip(Image& image);         // reverses the order of the rows
bool RotateRight(Image& image);  // a quarter turn clockwise
bool RotateLeft(Image& image);   // a quarter turn counter-clockwise

// Positive angles turn clockwise as the image is shown. Exact multiples of
// 90 degrees (within -360..360) become lossless quarter turns; other angles
// are interpolated bilinearly onto a canvas enlarged to the bounding box of
// the turned image, the area outside the source filled with `background`.
bool RotateFree(Image& image, double degrees, Rgba background);

// Keeps columns left..right-1 and rows top..bottom-1 (top row 0), cut to the
// image. A rectangle with nothing inside the image leaves the image
// unchanged and fails.
bool Crop(Image& image, long long left, long long top, long long right, long long bottom);

}  // namespace dravolt::imaging
