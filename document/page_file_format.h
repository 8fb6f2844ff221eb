// How a page is written back to its page file. Only two forms exist: TIFF
// without compression for one-bit pages and for every page whose path
// contains ".tif", JPEG at quality 80 for the rest. The name need not carry
// an extension: the format of a page file is read from its content.
#pragma once

#include <filesystem>
#include <string_view>

#include "imaging/image.h"

namespace dravolt {

enum class PageFileFormat { Jpeg80, UncompressedTiff };

// ".tif" is looked for case-sensitively anywhere in the path, folders too.
PageFileFormat ChooseWriteBackFormat(std::wstring_view path, int bitsPerPixel);

// Writes `image` over the page file at `path` in the chosen format with the
// given resolution. False when it cannot be encoded or written.
bool WritePageFile(const imaging::Image& image, int xDpi, int yDpi,
                   const std::filesystem::path& path);

}  // namespace dravolt
