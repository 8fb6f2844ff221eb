#include "tools/e2e/e2e_windows_win.h"

#include <vector>

namespace e2e {

namespace {

// Message boxes keep their text in a static with this identifier.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kMessageTimeoutMs = 2000;

struct WindowQuery {
    DWORD processId;
    const std::wstring* className;
    const std::wstring* caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto& query = *reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query.processId || !IsWindowVisible(window))
        return TRUE;
    if (!query.className->empty() && ClassOf(window) != *query.className)
        return TRUE;
    if (!query.caption->empty() && TextOf(window) != *query.caption)
        return TRUE;
    query.found = window;
    return FALSE;
}

std::wstring WithoutAmpersands(std::wstring text)
{
    std::erase(text, L'&');
    return text;
}

}  // namespace

HWND FindTopLevelWindow(DWORD processId, const std::wstring& className,
                        const std::wstring& caption)
{
    WindowQuery query{processId, &className, &caption};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND AnyTopLevelWindow(DWORD processId)
{
    const std::wstring any;
    return FindTopLevelWindow(processId, any, any);
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window)
{
    // WM_GETTEXT with a timeout, so a hung target cannot hang the driver.
    std::vector<wchar_t> text(4096, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied))
        return {};
    return std::wstring(text.data(), copied);
}

std::wstring MessageBoxText(HWND box)
{
    HWND text = GetDlgItem(box, kMessageBoxTextId);
    return text ? TextOf(text) : std::wstring();
}

bool PressButton(HWND dialog, const std::wstring& label)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Button" || WithoutAmpersands(TextOf(child)) != label)
            continue;
        const int id = GetDlgCtrlID(child);
        return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                            reinterpret_cast<LPARAM>(child)) != FALSE;
    }
    return false;
}

bool ShowsErrorIcon(HWND box)
{
    // The icon is the static child drawn as an icon (its identifier differs
    // between Windows versions).
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child && !icon; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = child;
    }
    RECT area{};
    if (!icon || !GetWindowRect(icon, &area))
        return false;
    // Read the icon back from the screen and look for the error icon's red.
    HDC screen = GetDC(nullptr);
    int red = 0, total = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            ++total;
            if (GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100)
                ++red;
        }
    }
    ReleaseDC(nullptr, screen);
    return total > 0 && red * 5 > total;
}

std::wstring ToWindowsPath(const std::wstring& path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring windows = L"Z:" + path;
    for (wchar_t& c : windows) {
        if (c == L'/')
            c = L'\\';
    }
    return windows;
}

}  // namespace e2e
