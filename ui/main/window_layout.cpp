// The kept-distance layout of window_layout.h.
#include "ui/main/window_layout.h"

namespace dravolt::mainui {

KeptPlace MeasurePlace(const Box& child, int clientWidth, int clientHeight)
{
    return {child, clientWidth - child.right, clientHeight - child.bottom};
}

Box PlaceChild(const KeptPlace& kept, Anchor anchor, int clientWidth, int clientHeight)
{
    Box box = kept.measured;
    const int right = clientWidth - kept.rightGap;
    const int bottom = clientHeight - kept.bottomGap;
    switch (anchor) {
    case Anchor::kLeftColumn:
        box.bottom = bottom;
        break;
    case Anchor::kTopStrip:
        box.right = right;
        break;
    case Anchor::kFill:
        box.right = right;
        box.bottom = bottom;
        break;
    case Anchor::kBottomStrip:
        box.right = right;
        box.top = bottom - kept.measured.Height();
        box.bottom = bottom;
        break;
    }
    // A client smaller than the kept distances must not turn a child inside out.
    if (box.right < box.left)
        box.right = box.left;
    if (box.bottom < box.top)
        box.bottom = box.top;
    return box;
}

}  // namespace dravolt::mainui
