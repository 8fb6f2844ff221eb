// libtiff handles over our own streams: an open FILE (so wide paths work the
// same as everywhere else) or a growing memory buffer. Errors are collected
// per handle instead of being printed.
#pragma once

#include <tiffio.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace quorlet {

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

// The stream behind a handle; must outlive the handle.
struct TiffSource {
    std::FILE* file = nullptr;                     // reading a file, or
    std::vector<unsigned char>* memory = nullptr;  // reading or writing memory
    std::uint64_t position = 0;                    // in memory
    std::string firstError;
};

// Opens for reading ("r") or writing ("w"); throws PdfError on failure.
TiffPtr OpenTiff(TiffSource& source, const char* mode);

}  // namespace quorlet
