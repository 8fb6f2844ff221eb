// Reading image files. The format is always found from the content, never
// from the file name, and every decoder refuses a raster beyond the size
// guard from the header alone. Failures give an invalid image.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "imaging/image.h"

namespace dravolt::imaging {

enum class ImageFormat { Unknown, Jpeg, Png, Tiff, Bmp, Gif };

ImageFormat DetectFormat(std::span<const std::uint8_t> bytes);
// The format of a file from its first bytes alone; Unknown when it cannot
// be read.
ImageFormat DetectFileFormat(const std::filesystem::path& path);

// The first image of the file (first directory of a TIFF, first frame of a
// GIF).
Image Decode(std::span<const std::uint8_t> bytes);
Image DecodeFile(const std::filesystem::path& path);

// Whole file contents; false when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

// A JPEG decoded at libjpeg's DCT scale of scaleEighths / 8 (1..8).
Image DecodeJpeg(std::span<const std::uint8_t> bytes, int scaleEighths = 8);
// The same, with the scale chosen from the full width and height once the
// header is read.
Image DecodeJpegScaled(std::span<const std::uint8_t> bytes, const std::function<int(int, int)>& chooseScale);
Image DecodePng(std::span<const std::uint8_t> bytes);
Image DecodeTiff(std::span<const std::uint8_t> bytes);
Image DecodeBmp(std::span<const std::uint8_t> bytes);
Image DecodeGif(std::span<const std::uint8_t> bytes);

}  // namespace dravolt::imaging
