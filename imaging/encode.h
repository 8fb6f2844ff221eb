// Writing images as JPEG or TIFF, into memory or a file. Results are
// reported, never thrown.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "imaging/image.h"

namespace dravolt::imaging {

enum class EncodeFormat { Jpeg, Tiff };

// JPEG at the image's quality and resolution. Every depth but 1 is accepted:
// palette images are written as their colours (grey palettes as a grey
// JPEG) and alpha is dropped, so no edit or scan is lost to a refusal.
// 1-bit images belong in TIFF and are refused.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Image& image);

// TIFF with the image's compression option: 0 lets the depth choose (CCITT
// run-length for 1 bit, none otherwise), 1 none, 2 CCITT modified Huffman
// run-length. The CCITT codes apply to 1-bit images only; other depths are
// then written uncompressed rather than refused. Resolution in dots per inch.
std::optional<std::vector<std::uint8_t>> EncodeTiff(const Image& image);

std::optional<std::vector<std::uint8_t>> Encode(const Image& image, EncodeFormat format);
bool EncodeToFile(const Image& image, EncodeFormat format, const std::filesystem::path& path);

bool WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace dravolt::imaging
