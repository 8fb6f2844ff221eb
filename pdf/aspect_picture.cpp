// The aspect picture's rectangle.
#include "pdf/aspect_picture.h"

#include <algorithm>

namespace dravolt {

PictureRect AspectPictureRect(const PictureRect& place, bool landscape)
{
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const int longSide = std::max(width, height);
    const int shortSide = std::min(width, height);
    const int newWidth = landscape ? longSide : shortSide;
    const int newHeight = landscape ? shortSide : longSide;
    const int centreX = place.left + width / 2;
    const int centreY = place.top + height / 2;
    const int left = centreX - newWidth / 2;
    const int top = centreY - newHeight / 2;
    return {left, top, left + newWidth, top + newHeight};
}

}  // namespace dravolt
