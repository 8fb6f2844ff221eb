// Adaptive threshold: one optimal threshold per box, mixed with the whole
// image's, resampled smoothly to every pixel.
#include <algorithm>
#include <cmath>
#include <vector>

#include "imaging/threshold.h"

namespace dravolt::imaging {

namespace {

// Grey level of every pixel, row by row.
std::vector<std::uint8_t> GreyLevels(const Image& image) {
    std::vector<std::uint8_t> levels(static_cast<std::size_t>(image.Width()) * image.Height());
    std::size_t i = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            levels[i++] = static_cast<std::uint8_t>(Luminance(image.ColorAt(x, y)));
    return levels;
}

struct Mask {
    int columns = 0, rows = 0;
    std::vector<double> values;
    double At(int column, int row) const { return values[static_cast<std::size_t>(row) * columns + column]; }
};

Mask BuildMask(const std::vector<std::uint8_t>& levels, int width, int height, const AdaptiveThresholdOptions& o) {
    Histogram whole{};
    for (auto level : levels) ++whole[level];
    const double global = OptimalThreshold(whole);
    Mask mask;
    mask.columns = (width + o.boxSize - 1) / o.boxSize;
    mask.rows = (height + o.boxSize - 1) / o.boxSize;
    for (int by = 0; by < mask.rows; ++by)
        for (int bx = 0; bx < mask.columns; ++bx) {
            Histogram box{};
            for (int y = by * o.boxSize; y < std::min(height, (by + 1) * o.boxSize); ++y)
                for (int x = bx * o.boxSize; x < std::min(width, (bx + 1) * o.boxSize); ++x)
                    ++box[levels[static_cast<std::size_t>(y) * width + x]];
            const double local = OptimalThreshold(box);
            mask.values.push_back(o.globalLocalBalance * local + (1 - o.globalLocalBalance) * global + o.bias);
        }
    return mask;
}

// Where a pixel lies between the box centres, for bilinear resampling.
struct Axis {
    int first, second;
    double weight;
};

Axis Locate(int pixel, int boxSize, int boxes) {
    const double f = std::clamp((pixel + 0.5) / boxSize - 0.5, 0.0, static_cast<double>(boxes - 1));
    const int first = static_cast<int>(f);
    return {first, std::min(first + 1, boxes - 1), f - first};
}

}  // namespace

bool AdaptiveThreshold(Image& image, const AdaptiveThresholdOptions& options) {
    if (!image.IsValid() || options.boxSize <= 0) return false;
    // The grey copy is one byte a pixel, so it must pass the guard as well.
    if (!PixelDataSize(image.Width(), image.Height(), 8)) return false;
    Image result = Image::Create(image.Width(), image.Height(), 1);
    if (!result.IsValid()) return false;
    result.SetPalette({{0, 0, 0, 255}, {255, 255, 255, 255}});
    result.CopySettingsFrom(image);
    const auto levels = GreyLevels(image);
    const Mask mask = BuildMask(levels, image.Width(), image.Height(), options);
    for (int y = 0; y < image.Height(); ++y) {
        const Axis ay = Locate(y, options.boxSize, mask.rows);
        for (int x = 0; x < image.Width(); ++x) {
            const Axis ax = Locate(x, options.boxSize, mask.columns);
            const double top =
                mask.At(ax.first, ay.first) * (1 - ax.weight) + mask.At(ax.second, ay.first) * ax.weight;
            const double bottom =
                mask.At(ax.first, ay.second) * (1 - ax.weight) + mask.At(ax.second, ay.second) * ax.weight;
            const double threshold = top * (1 - ay.weight) + bottom * ay.weight;
            if (levels[static_cast<std::size_t>(y) * image.Width() + x] > threshold) result.SetRaw(x, y, 1);
        }
    }
    image = std::move(result);
    return true;
}

}  // namespace dravolt::imaging
