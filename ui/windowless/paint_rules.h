// Drawing rules of the windowless controls as plain values: DrawText flags
// of an alignment, where a button's icon goes, and how a wheel message
// turns into scroll events.
#pragma once

#include <cstdint>

#include "brennix/modify_string.h"

namespace dravolt::windowless {

using brennix::IntRect;

// Alignment values shared by texts and images.
namespace align {
inline constexpr int kTopLeft = 1, kTopCentre = 2, kTopRight = 4, kMiddleLeft = 16, kCentre = 32;
inline constexpr int kMiddleRight = 64, kBottomLeft = 256, kBottomCentre = 512, kBottomRight = 1024;
}  // namespace align

// One line with an ellipsis, placed by the alignment.
unsigned AlignmentTextFlags(int alignment);

struct IconPlacement {
    IntRect dest;    // relative to the button's top-left corner
    IntRect source;  // inside the icon
    friend bool operator==(const IconPlacement&, const IconPlacement&) = default;
};

// Where a w x h icon goes in a button of `size` (width, height as right,
// bottom) with `inset`: vertically centred, horizontally at the left
// (alignment 16 and the alignments no button uses) or centred (32); an
// icon larger than the room is cut to it instead of squeezed.
IconPlacement PlaceIcon(int width, int height, const IntRect& inset, int iconWidth, int iconHeight,
                        int alignment);

// The events a wheel message becomes: event 17 with `downwards` as its
// value, then `steps` scroll events. The delta is the signed high word of
// wParam: read unsigned, one notch towards the user would become 1,637
// steps the wrong way.
struct WheelEvents {
    int downwards = 0;
    int steps = 0;
};
WheelEvents WheelToEvents(std::uint64_t wParam);

}  // namespace dravolt::windowless
