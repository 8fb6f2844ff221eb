// Resizing the main window: each child keeps the distances to the client
// edges it had when the window was first laid out; which of its edges follow
// the client's right and bottom depends on its role.
#pragma once

namespace dravolt::mainui {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Box&) const = default;
};

enum class Anchor {
    kLeftColumn,  // the page list: only its bottom follows
    kTopStrip,    // the top toolbar: only its right edge follows
    kFill,        // the viewer: right and bottom follow
    kBottomStrip  // the bottom bar: moves down with the bottom, right follows
};

struct KeptPlace {
    Box measured;       // where the child was when measured
    int rightGap = 0;   // client right minus child right
    int bottomGap = 0;  // client bottom minus child bottom
};

KeptPlace MeasurePlace(const Box& child, int clientWidth, int clientHeight);
Box PlaceChild(const KeptPlace& kept, Anchor anchor, int clientWidth, int clientHeight);

inline constexpr int kMinimumTrackWidth = 700;
inline constexpr int kMinimumTrackHeight = 500;

}  // namespace dravolt::mainui
