// One-bit TIFF pages go into the PDF as CCITT Group 4 data: the file's own
// data when it is a single Group 4 strip in the usual bit order, otherwise
// the decoded bits re-encoded to Group 4.
#pragma once

#include "quorlet/image_embedding.h"
#include "quorlet/tiff_stream.h"

#include <string>
#include <vector>

namespace quorlet {

// True for a single-channel one-bit gray TIFF (white or black as zero).
bool IsBilevel(TIFF* tiff);

// One-bit rows, packed, most significant bit first, 0 = white.
struct BilevelImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rows;  // height × ((width + 7) / 8) bytes
};

// Encodes the image as one Group 4 strip.
std::vector<unsigned char> EncodeGroup4(const BilevelImage& image);

// The image dictionary entries for Group 4 data.
std::string Group4Dictionary(int width, int height, bool blackIs1);

EmbeddedImage EmbedBilevelTiff(ObjectWriter& writer, TIFF* tiff);
EmbeddedImage EmbedGroup4(ObjectWriter& writer, const BilevelImage& image);

}  // namespace quorlet
