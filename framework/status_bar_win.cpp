#include "framework/status_bar_win.h"

#include <commctrl.h>

namespace dravolt {

bool CStatusBar::Create(HWND parent, UINT id)
{
    const HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                                     0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                     ResourceInstance(), nullptr);
    if (!bar)
        return false;
    if (Attach(bar))
        return true;
    DestroyWindow(bar);
    return false;
}

bool CStatusBar::SetPanes(const std::vector<int>& widths)
{
    // The control wants right edges, not widths.
    std::vector<int> edges;
    int right = 0;
    for (int width : widths) {
        right = width < 0 ? -1 : right + width;
        edges.push_back(right);
    }
    return SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data())) != 0;
}

bool CStatusBar::SetPaneText(int pane, const std::wstring& text)
{
    return SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(pane),
                        reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

std::wstring CStatusBar::PaneText(int pane) const
{
    const LRESULT length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int CStatusBar::Height() const
{
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    return rect.bottom - rect.top;
}

RECT DialogUnitsToPixels(HWND dialog, const RECT& dialogUnits)
{
    RECT pixels = dialogUnits;
    MapDialogRect(dialog, &pixels);
    return pixels;
}

}  // namespace dravolt
