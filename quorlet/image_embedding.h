// Turns one image file into an image XObject of the PDF, choosing the
// embedding by the file's content: JPEG unchanged, one-bit images as CCITT
// Group 4, everything else decoded and compressed losslessly.
#pragma once

#include "quorlet/object_writer.h"

#include <filesystem>

namespace quorlet {

struct EmbeddedImage {
    int object = 0;  // the image XObject
    int width = 0;
    int height = 0;
};

// Throws PdfError for a missing or unreadable file, a damaged image or a
// format the writer does not handle.
EmbeddedImage EmbedImageFile(ObjectWriter& writer, const std::filesystem::path& file);

}  // namespace quorlet
