#include "framework/window_placement_win.h"

#include <algorithm>

namespace dravolt {

POINT CentredPlacement(const RECT& over, SIZE size, const RECT& workArea)
{
    const LONG centredX = over.left + (over.right - over.left - size.cx) / 2;
    const LONG centredY = over.top + (over.bottom - over.top - size.cy) / 2;
    // Right and bottom first, so a window too large for the area ends up at
    // its left and top edges.
    const LONG x = std::max(std::min(centredX, workArea.right - size.cx), workArea.left);
    const LONG y = std::max(std::min(centredY, workArea.bottom - size.cy), workArea.top);
    return {x, y};
}

void CentreOverOwner(HWND window, HWND owner)
{
    RECT own{};
    if (!GetWindowRect(window, &own))
        return;
    MONITORINFO monitor{sizeof(monitor)};
    const HMONITOR where = MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST);
    if (!GetMonitorInfoW(where, &monitor))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    RECT over = monitor.rcWork;
    // A minimised owner has no place worth centring on.
    if (owner && !IsIconic(owner))
        GetWindowRect(owner, &over);
    const POINT origin = CentredPlacement(over, {own.right - own.left, own.bottom - own.top}, monitor.rcWork);
    SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace dravolt
