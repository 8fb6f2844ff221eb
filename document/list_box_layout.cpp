#include "document/list_box_layout.h"

namespace dravolt {

Box PictureArea(const Box& row)
{
    return {row.left + kPictureMarginLeft, row.top + kPictureMarginTop,
            row.right - kPictureMarginRight, row.bottom - kPictureMarginBottom};
}

Box CaptionArea(const Box& row)
{
    return {row.left, row.bottom - kCaptionHeight, row.right, row.bottom};
}

Box FitThumbnail(const Box& area, int width, int height)
{
    if (width <= 0 || height <= 0 || area.Width() <= 0 || area.Height() <= 0)
        return {area.left, area.top, area.left, area.top};
    const double byHeight = static_cast<double>(area.Height()) / height;
    const double byWidth = static_cast<double>(area.Width()) / width;
    int x = area.left, y = area.top;
    double scale = byWidth;
    if (byHeight < byWidth) {
        scale = byHeight;
        x += static_cast<int>((area.Width() - width * scale) * 0.5);
    } else {
        y += static_cast<int>((area.Height() - height * scale) * 0.5);
    }
    return {x, y, x + static_cast<int>(width * scale), y + static_cast<int>(height * scale)};
}

Box DragStartBox(int x, int y)
{
    constexpr int half = kDragStartSquare / 2;
    return {x - half, y - half, x + half, y + half};
}

Marker InsertionMarker(const Box& targetRow, bool draggedRowAbove)
{
    constexpr int kBottomOffset = 22, kInset = 2, kDown = 4;
    const int top = draggedRowAbove ? targetRow.bottom - kBottomOffset : targetRow.top;
    return {targetRow.left + kInset, targetRow.right - kInset, top + kDown};
}

}  // namespace dravolt
