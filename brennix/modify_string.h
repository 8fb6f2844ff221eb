// The image description string that callers pass with a draw:
//   dest='l,t,r,b' source='l,t,r,b' fade='n'
// Attributes may come in any order, separated by white space; unknown
// attributes are skipped so that callers can grow the string safely.
#pragma once

#include <optional>
#include <string_view>

namespace dravolt::brennix {

struct IntRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const IntRect&, const IntRect&) = default;
};

struct ImageModify {
    std::optional<IntRect> dest;    // relative to the item's top-left corner
    std::optional<IntRect> source;  // in image pixels
    int fade = 255;                 // opacity, 0 to 255
    friend bool operator==(const ImageModify&, const ImageModify&) = default;
};

// Nothing when the string is malformed: an attribute without a quoted
// value, a rectangle without exactly four integers, a number out of range.
// An empty string is valid and changes nothing. Fade is clamped to 0..255.
std::optional<ImageModify> ParseImageModify(std::wstring_view text);

}  // namespace dravolt::brennix
