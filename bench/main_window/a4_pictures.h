// A few different A4 pages as a 300-dpi scanner delivers them (2480 x 3508,
// 24 bits), encoded as JPEG: typed text, text around a photo, a form with
// ruled boxes, dense two-column text. Paper grain and ink noise keep the
// JPEG data (and so its decoding) realistic. Portable: no Windows header.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/image.h"

namespace dravolt::bench {

inline constexpr int kA4Width = 2480;
inline constexpr int kA4Height = 3508;
inline constexpr int kA4Variants = 4;

// Variant `variant` modulo kA4Variants, at 300 dpi.
imaging::Image A4Picture(int variant);

// The same as JPEG bytes; empty when encoding fails.
std::vector<std::uint8_t> A4Jpeg(int variant);

}  // namespace dravolt::bench
