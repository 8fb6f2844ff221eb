// Colour image files of other formats for the lossless-path tests, each
// holding Pattern(width, height, 3) (with an alpha ramp where asked).
#pragma once

#include "test_images.h"

namespace quorlet::test {

void WritePng(const std::filesystem::path& path, int width, int height, int components);
// A PNG with a palette of the pattern's first 256 colours.
void WritePalettePng(const std::filesystem::path& path, int width, int height);
void WriteBmp24(const std::filesystem::path& path, int width, int height);
void WriteRgbTiff(const std::filesystem::path& path, int width, int height, int compression);
void WriteGif(const std::filesystem::path& path, int width, int height);

// Colour of pixel (x, y) as the files above hold it, composed onto white.
std::array<unsigned char, 3> ExpectedColour(const std::string& kind, int width, int x, int y);

}  // namespace quorlet::test
