// Where a dialog goes when it opens: centred over the window that owns it,
// as a user expects of a box that belongs to that window, and never partly
// off the screen that window is on.
#pragma once

#include <windows.h>

namespace dravolt {

// The top-left corner for a window of `size` centred on `over`, then moved
// inside `workArea`; a window larger than the work area keeps its top-left
// corner in it, so its caption stays reachable.
POINT CentredPlacement(const RECT& over, SIZE size, const RECT& workArea);

// Moves `window` (not resizing it) to the centre of `owner`, or of the work
// area when there is no owner, inside the work area of owner's monitor.
void CentreOverOwner(HWND window, HWND owner);

}  // namespace dravolt
