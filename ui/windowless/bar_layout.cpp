// The horizontal bar's layout of bar_layout.h.
#include "ui/windowless/bar_layout.h"

#include <algorithm>

namespace dravolt::windowless {

namespace {

struct Shares {
    int automaticWidth = 0;   // what each automatic child gets
    int lastExtra = 0;        // the rounding rest, given to the last automatic child
    int lastAutomatic = -1;   // its index
};

Shares ShareTheRest(int width, int padding, const std::vector<BarChild>& children)
{
    int fixedTotal = 0, automatic = 0;
    Shares shares;
    for (int i = 0; i < static_cast<int>(children.size()); ++i) {
        const BarChild& child = children[static_cast<size_t>(i)];
        if (!child.visible)
            continue;
        fixedTotal += child.width + padding;
        if (child.width == 0) {
            ++automatic;
            shares.lastAutomatic = i;
        }
    }
    if (automatic == 0)
        return shares;
    shares.automaticWidth = std::max(0, (width - fixedTotal) / automatic);
    shares.lastExtra = std::max(0, width - (automatic * shares.automaticWidth + fixedTotal));
    return shares;
}

}  // namespace

std::vector<std::optional<IntRect>> LayoutBar(const IntRect& inner, int padding,
                                              const std::vector<BarChild>& children)
{
    const Shares shares = ShareTheRest(inner.Width(), padding, children);
    std::vector<std::optional<IntRect>> placed(children.size());
    const int lastIndex = static_cast<int>(children.size()) - 1;
    int x = inner.left;
    for (int i = 0; i <= lastIndex; ++i) {
        const BarChild& child = children[static_cast<size_t>(i)];
        if (!child.visible)
            continue;
        int width = child.width;
        if (child.width == 0) {
            // The child at the very end of the bar takes what is left of it.
            width = i == lastIndex ? std::max(0, inner.right - x)
                                   : shares.automaticWidth + (i == shares.lastAutomatic ? shares.lastExtra : 0);
        }
        placed[static_cast<size_t>(i)] = IntRect{x, inner.top, x + width, inner.bottom};
        x += width + padding;
    }
    return placed;
}

}  // namespace dravolt::windowless
