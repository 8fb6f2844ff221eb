// Loading and setting the program icon.
#include "ui/main/about/window_icons_win.h"

#include "app/icon/icon_ids.h"
#include "framework/window_win.h"

namespace dravolt::about {

namespace {

HICON LoadProgramIcon(int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(ResourceInstance(), MAKEINTRESOURCEW(IDI_DRAVOLT), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_DEFAULTCOLOR));
}

}  // namespace

bool CWindowIcons::Apply(HWND window)
{
    if (!big_)
        big_.Reset(LoadProgramIcon(SM_CXICON, SM_CYICON));
    if (!small_)
        small_.Reset(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_.Get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_.Get()));
    return big_ && small_;
}

}  // namespace dravolt::about
