// Small image files made in code for the writer's tests.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace quorlet::test {

using Bytes = std::vector<unsigned char>;

// Deterministic pixels: interleaved samples, `components` per pixel.
Bytes Pattern(int width, int height, int components);

// A JPEG of the pattern (1 gray, 3 RGB, 4 CMYK with libjpeg's Adobe marker).
Bytes MakeJpeg(int width, int height, int components, bool progressive = false);
Bytes EncodeJpeg(int width, int height, int components, const Bytes& pixels, bool progressive);
// A CMYK JPEG of one colour, samples stored as given.
Bytes MakeSolidCmykJpeg(int width, int height, std::array<unsigned char, 4> cmyk);

// A one-bit TIFF: a checker of 8-pixel squares plus a diagonal, with the
// given compression, photometric interpretation and rows per strip.
void WriteBilevelTiff(const std::filesystem::path& path, int width, int height,
                      int compression, int photometric, int rowsPerStrip);
// Its pixels, 0 = white, 1 = black, one byte each.
Bytes BilevelPattern(int width, int height);

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
Bytes ReadBytes(const std::filesystem::path& path);

// A fresh empty folder for one test.
std::filesystem::path FreshFolder(const std::string& name);

}  // namespace quorlet::test
