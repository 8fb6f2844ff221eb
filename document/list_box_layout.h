// Where the parts of a thumbnail row go: the picture and caption areas, the
// thumbnail scaled into its area, the drag start square and the insertion
// marker shown while a row is dragged over the list. Plain rectangles so the
// rules are tested without a window.
#pragma once

#include <cstdint>

namespace dravolt {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Box&, const Box&) = default;
};

inline constexpr int kRowHeight = 120;
inline constexpr int kPictureMarginLeft = 5, kPictureMarginTop = 5;
inline constexpr int kPictureMarginRight = 5, kPictureMarginBottom = 20;
inline constexpr int kCaptionHeight = 20;
inline constexpr int kDragStartSquare = 20;

// Colours as ARGB; frames use only the colour part.
inline constexpr std::uint32_t kListBackground = 0xFF646464;
inline constexpr std::uint32_t kCaptionColour = 0xFFFFFFFF;
inline constexpr std::uint32_t kPictureColour = 0xFF646464;
inline constexpr std::uint32_t kHoverFrame = 0x0FFFFF00;
inline constexpr std::uint32_t kNormalFrame = 0xFFD3DAED;
inline constexpr std::uint32_t kSelectedFrame = 0x0FFFFF00;
inline constexpr std::uint32_t kSelectedTint = 0x20BDCFED;
inline constexpr int kSelectedFrameWidth = 2;

Box PictureArea(const Box& row);
Box CaptionArea(const Box& row);
// The thumbnail of `width` x `height` scaled to fit `area`, aspect kept,
// centred along the axis that has room to spare.
Box FitThumbnail(const Box& area, int width, int height);
// The size of a page's thumbnail in a list of the given client width.
inline int ThumbnailWidthFor(int clientWidth) { return clientWidth - kPictureMarginLeft - kPictureMarginRight; }
inline constexpr int kThumbnailHeight = kRowHeight - kPictureMarginTop - kPictureMarginBottom;

// The square around the button-down point the mouse must leave before a
// drag begins.
Box DragStartBox(int x, int y);

// The insertion marker over the target row: a line across the row with a
// tick at each end. Near the row's bottom when the dragged row lies above
// the target (it will land below the rows above), else at its top.
struct Marker {
    int left = 0, right = 0, y = 0;  // the line; ticks run from y - 3 to y + 3
    friend bool operator==(const Marker&, const Marker&) = default;
};
inline constexpr int kMarkerTick = 3;
inline constexpr int kMarkerPenWidth = 4;
Marker InsertionMarker(const Box& targetRow, bool draggedRowAbove);

}  // namespace dravolt
