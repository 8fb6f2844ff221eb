#include "brennix/draw_geometry.h"

#include <algorithm>

namespace dravolt::brennix {

std::optional<ImagePlacement> PlaceImage(const IntRect& item, int width, int height, const ImageModify& modify)
{
    if (width <= 0 || height <= 0)
        return std::nullopt;
    ImagePlacement placement;
    placement.fade = modify.fade;
    placement.dest = item;
    if (modify.dest) {
        const IntRect& d = *modify.dest;
        placement.dest = {item.left + d.left, item.top + d.top, item.left + d.right, item.top + d.bottom};
    }
    placement.source = modify.source.value_or(IntRect{0, 0, width, height});
    IntRect& s = placement.source;
    s = {std::max(s.left, 0), std::max(s.top, 0), std::min(s.right, width), std::min(s.bottom, height)};
    if (placement.dest.IsEmpty() || s.IsEmpty())
        return std::nullopt;
    return placement;
}

namespace {

std::uint32_t Mix(std::uint32_t first, std::uint32_t second, int step, int last)
{
    if (last == 0)
        return first;
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((first >> shift) & 0xFF);
        const int b = static_cast<int>((second >> shift) & 0xFF);
        mixed |= static_cast<std::uint32_t>(a + (b - a) * step / last) << shift;
    }
    return mixed;
}

}  // namespace

std::vector<ColorBand> GradientBands(const IntRect& rect, std::uint32_t first, std::uint32_t second,
                                     bool vertical, int steps)
{
    const int extent = vertical ? rect.Height() : rect.Width();
    if (rect.IsEmpty())
        return {};
    steps = std::clamp(steps, 1, extent);
    std::vector<ColorBand> bands;
    bands.reserve(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const int from = static_cast<int>(static_cast<long long>(extent) * i / steps);
        const int to = static_cast<int>(static_cast<long long>(extent) * (i + 1) / steps);
        IntRect band = rect;
        if (vertical)
            band = {rect.left, rect.top + from, rect.right, rect.top + to};
        else
            band = {rect.left + from, rect.top, rect.left + to, rect.bottom};
        bands.push_back({band, Mix(first, second, i, steps - 1)});
    }
    return bands;
}

}  // namespace dravolt::brennix
