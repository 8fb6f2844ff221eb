// Where the options dialog's aspect picture goes: the long and short side
// of the place it was given in the template, long side across for
// landscape and upright for portrait, centred on that place. Portable.
#pragma once

namespace dravolt {

struct PictureRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PictureRect&) const = default;
};

PictureRect AspectPictureRect(const PictureRect& place, bool landscape);

// A picture that was portrait and stays portrait keeps its place as it is.
inline bool AspectPictureMoves(bool wasLandscape, bool landscape)
{
    return wasLandscape || landscape;
}

}  // namespace dravolt
