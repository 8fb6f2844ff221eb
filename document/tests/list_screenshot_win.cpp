// Shows a page list of mixed pages (portrait, landscape, one-bit, tiny) with
// the second row selected and the third under the mouse, for a screenshot
// of the display. Runs for the seconds given as its argument (default 10).
#include <cstdlib>

#include "document/tests/list_window_fixture_win.h"

int wmain(int argc, wchar_t** argv)
{
    using namespace dravolt;
    const int seconds = argc > 1 ? _wtoi(argv[1]) : 10;
    test::PageFolder folder;
    test::ListWindow window(140, 500);
    SetWindowPos(window.parent.Handle(), HWND_TOP, 0, 0, 200, 560, SWP_SHOWWINDOW);
    window.list->AddPage(folder.Write(L"portrait", test::ColourPage(210, 297)));
    window.list->AddPage(folder.Write(L"landscape", test::ColourPage(297, 210)));
    window.list->AddPage(folder.Write(L"onebit", test::OneBitPage(200, 280), true));
    window.list->AddPage(folder.Write(L"tiny", test::ColourPage(16, 12)));
    window.list->SelectPage(1);
    RECT row{};
    SendMessageW(window.list->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    POINT hover{row.left + 40, row.top + 40};
    ClientToScreen(window.list->Handle(), &hover);
    SetCursorPos(hover.x, hover.y);
    ScreenToClient(window.list->Handle(), &hover);
    SendMessageW(window.list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(hover.x, hover.y));
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (GetTickCount() < end) {
        test::Pump();
        Sleep(50);
    }
    return 0;
}
