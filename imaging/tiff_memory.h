// A TIFF handle over bytes in memory, for reading a file already read and
// for writing into a growing buffer. libtiff's messages are kept quiet and
// its own allocations are held to the size guard.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include <tiffio.h>

namespace dravolt::imaging {

struct TiffMemoryStream {
    std::span<const std::uint8_t> input;  // reading: the file, not owned
    std::vector<std::uint8_t>* output = nullptr;  // writing: not owned
    std::uint64_t position = 0;
};

struct TiffCloser {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// The stream must outlive the handle.
TiffHandle OpenTiffReader(TiffMemoryStream& stream);
TiffHandle OpenTiffWriter(TiffMemoryStream& stream);

}  // namespace dravolt::imaging
