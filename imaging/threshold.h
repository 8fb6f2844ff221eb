// Automatic black-and-white conversion: the optimal threshold of a grey
// histogram and the adaptive threshold built from it.
#pragma once

#include <array>
#include <cstdint>

#include "imaging/image.h"

namespace dravolt::imaging {

using Histogram = std::array<std::uint64_t, 256>;

// The four classic criteria, each searched over the thresholds t between
// the lowest and highest occurring level (classes <= t and > t).
int OtsuThreshold(const Histogram& histogram);
int MinimumErrorThreshold(const Histogram& histogram);    // Kittler-Illingworth
int MaximumEntropyThreshold(const Histogram& histogram);  // Kapur
int PotentialDifferenceThreshold(const Histogram& histogram);

// The integer average of the four criteria, or the middle of the occurring
// range when that average is not strictly inside it. A single occurring
// level gives 0 when it is 0, else that level - 1. An empty histogram gives 0.
int OptimalThreshold(const Histogram& histogram);

struct AdaptiveThresholdOptions {
    int boxSize = 64;
    int bias = 0;
    double globalLocalBalance = 0.5;  // weight of each box's own threshold
};

// A 1-bit image of the same size, palette black (index 0) and white
// (index 1): each pixel is white when its grey level is above its
// threshold, which varies smoothly between the boxes.
bool AdaptiveThreshold(Image& image, const AdaptiveThresholdOptions& options = {});

}  // namespace dravolt::imaging
