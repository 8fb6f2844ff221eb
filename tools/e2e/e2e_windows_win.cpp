#include "tools/e2e/e2e_windows_win.h"

#include <deque>

#include "framework/handles_win.h"

namespace e2e {

namespace {

// Message boxes keep their text in a static with this identifier.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kMessageTimeoutMs = 2000;
constexpr UINT kBriefWaitMs = 1000;

struct WindowQuery {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto& query = *reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == query.processId && IsWindowVisible(window))
        query.found.push_back(window);
    return TRUE;
}

std::wstring WithoutAmpersands(std::wstring text)
{
    std::erase(text, L'&');
    return text;
}

// Descendants of `window` breadth first, visible ones first, until `match`.
HWND FindDescendant(HWND window, const std::function<bool(HWND)>& match)
{
    HWND hidden = nullptr;
    std::deque<HWND> queue{window};
    while (!queue.empty()) {
        const HWND parent = queue.front();
        queue.pop_front();
        for (HWND child = GetWindow(parent, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (match(child)) {
                if (IsWindowVisible(child))
                    return child;
                if (!hidden)
                    hidden = child;
            }
            queue.push_back(child);
        }
    }
    return hidden;
}

void DescribeTree(HWND parent, int depth, std::wstring& out)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        out += std::wstring(static_cast<size_t>(depth) * 2, L' ') + L"[" + ClassOf(child) +
               L"] id " + std::to_wstring(GetDlgCtrlID(child)) + L" \"" + TextOf(child) + L"\"" +
               (IsWindowVisible(child) ? L"" : L" hidden") +
               (IsWindowEnabled(child) ? L"" : L" disabled") + L"\n";
        DescribeTree(child, depth + 1, out);
    }
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    WindowQuery query{processId, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND FindTopLevelWindowIf(DWORD processId, const std::function<bool(HWND)>& match)
{
    for (HWND window : TopLevelWindows(processId)) {
        if (match(window))
            return window;
    }
    return nullptr;
}

HWND FindTopLevelWindow(DWORD processId, const std::wstring& className, const std::wstring& caption)
{
    return FindTopLevelWindowIf(processId, [&](HWND window) {
        return (className.empty() || ClassOf(window) == className) &&
               (caption.empty() || TextOf(window) == caption);
    });
}

HWND AnyTopLevelWindow(DWORD processId)
{
    return FindTopLevelWindowIf(processId, [](HWND) { return true; });
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

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

HWND FindControl(HWND window, int id)
{
    return FindDescendant(window, [id](HWND child) { return GetDlgCtrlID(child) == id; });
}

HWND FindButton(HWND window, const std::wstring& label)
{
    const HWND button = FindDescendant(window, [&](HWND child) {
        return ClassOf(child) == L"Button" && WithoutAmpersands(TextOf(child)) == label;
    });
    return button && IsWindowVisible(button) ? button : nullptr;
}

void SendAndWaitBriefly(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A handler that opens a modal window goes on after the time-out; one
    // that does not has finished when the next step starts.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kBriefWaitMs, &ignored);
}

void NotifyParent(HWND control, WORD code)
{
    SendAndWaitBriefly(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                       reinterpret_cast<LPARAM>(control));
}

std::vector<std::wstring> ListRowTexts(HWND list)
{
    std::vector<std::wstring> rows;
    const LRESULT count = SendWithTimeout(list, LB_GETCOUNT, 0, 0).value_or(0);
    for (LRESULT row = 0; row < count; ++row) {
        const LRESULT length =
            SendWithTimeout(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0).value_or(LB_ERR);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        if (length > 0 && SendWithTimeout(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                          reinterpret_cast<LPARAM>(text.data()))
                                  .value_or(LB_ERR) != LB_ERR)
            text.resize(static_cast<size_t>(length));
        else
            text = L"?";
        rows.push_back(text);
    }
    return rows;
}

std::wstring DescribeControls(HWND window)
{
    std::wstring out = L"[" + ClassOf(window) + L"] \"" + TextOf(window) + L"\"\n";
    DescribeTree(window, 1, out);
    return out;
}

bool ShowsErrorIcon(HWND box)
{
    // The icon is the static child drawn as an icon (its identifier differs
    // between Windows versions).
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child && !icon;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static" &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = child;
    }
    RECT area{};
    if (!icon || !GetWindowRect(icon, &area))
        return false;
    // Read the icon back from the screen and look for the error icon's red.
    const dravolt::WindowDC screen(nullptr);
    int red = 0, total = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            const COLORREF c = GetPixel(screen.Get(), x, y);
            ++total;
            if (GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100)
                ++red;
        }
    }
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
