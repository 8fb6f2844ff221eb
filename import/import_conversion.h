// What an import does to one page file after it was copied into the working
// folder: the colour conversion and automatic enhancement the user chose,
// and the encoding the result is written in. Portable: no Windows header.
#pragma once

#include <filesystem>

#include "imaging/encode.h"
#include "imaging/image.h"

namespace dravolt {

// The import options of both import dialogs (process-wide, not stored).
enum ImportColourMode : int { kNoChange = 0, kGrayscale = 1, kBlackAndWhite = 2 };

struct ImportOptions {
    int colourMode = kNoChange;  // values outside 0..2 mean no processing
    bool autoEnhance = true;
};

// The process-wide options, read by the main window when it starts an import.
ImportOptions& TheImportOptions();

// Whether a page file must be decoded at all: files that need nothing stay
// the byte copy (or conversion) the working folder made.
inline bool NeedsProcessing(const ImportOptions& options)
{
    return options.autoEnhance || options.colourMode != kNoChange;
}

// The colour conversion and enhancement of the options, in place. False
// when an operation could not run (the image is then unusable for writing).
bool ProcessImportedImage(imaging::Image& image, const ImportOptions& options);

// Prepares the processed image for writing and says how: one-bit results
// (and every black-and-white import) as TIFF with CCITT run-length
// compression, everything else as a JPEG of quality 80, raised to 24 bits
// first so grey results are stored as colour JPEGs with grey pixels.
imaging::EncodeFormat PrepareImportEncoding(imaging::Image& image, const ImportOptions& options);

enum class PageFileConversion {
    Unchanged,    // nothing to do for these options
    NotDecoded,   // not an image the library reads: left as it was
    Failed,       // processing or writing failed: left as it was
    Rewritten,    // the page file now holds the processed image
};

// Decodes the page file, processes and writes it back in place. A failed
// write never leaves a half-written page file: the new content goes to a
// sibling file first, which then replaces the page file.
PageFileConversion ConvertPageFile(const std::filesystem::path& pageFile, const ImportOptions& options);

}  // namespace dravolt
