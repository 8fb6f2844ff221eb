// The windowless drawing rules of paint_rules.h.
#include "ui/windowless/paint_rules.h"

#include <cstdlib>

#include "ui/controls/control_rules.h"

namespace dravolt::windowless {

namespace dt = controls::dt;

unsigned AlignmentTextFlags(int a)
{
    unsigned flags = dt::kSingleLine | dt::kEndEllipsis;
    if (a == align::kTopCentre || a == align::kCentre || a == align::kBottomCentre)
        flags |= dt::kCenter;
    if (a == align::kTopRight || a == align::kMiddleRight || a == align::kBottomRight)
        flags |= dt::kRight;
    if (a == align::kMiddleLeft || a == align::kCentre || a == align::kMiddleRight)
        flags |= dt::kVCenter;
    if (a == align::kBottomLeft || a == align::kBottomCentre || a == align::kBottomRight)
        flags |= dt::kBottom;
    return flags;
}

IconPlacement PlaceIcon(int width, int height, const IntRect& inset, int w, int h, int alignment)
{
    const IntRect r{inset.left, inset.top, width - inset.right, height - inset.bottom};
    const int W = r.Width(), H = r.Height();
    IconPlacement p{r, {0, 0, w, h}};
    if (h < H) {
        p.dest.top = r.top + (H - h) / 2;
        p.dest.bottom = p.dest.top + h;
    } else {
        p.source.top = (h - H) / 2;
        p.source.bottom = p.source.top + H;
    }
    const bool centred = alignment == align::kCentre;
    if (w < W) {
        p.dest.left = centred ? r.left + (W - w) / 2 : r.left;
        p.dest.right = p.dest.left + w;
    } else {
        p.source.left = centred ? (w - W) / 2 : 0;
        p.source.right = p.source.left + W;
    }
    return p;
}

WheelEvents WheelToEvents(std::uint64_t wParam)
{
    const int delta = static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam >> 16));
    return {delta < 0 ? 1 : 0, (std::abs(delta) + 39) / 40};
}

}  // namespace dravolt::windowless
